// What tests need to run the stand-in trainer in its own process and look inside
// it: start and stop it, read its counters and its text, replace its text.
#pragma once

#include "drive.h"
#include "standin_protocol.h"

#include <windows.h>

#include <string>
#include <utility>

namespace standin {

// Environment variable through which CMake hands tests the stand-in's path.
constexpr char PATH_VARIABLE[] = "STANDIN_TRAINER_EXE";

// Practice copy beyond the most Sorvane reads, so that every read reads its most.
constexpr char FILL_BEYOND_READ_LIMIT[] = "--fill 28000";

// The stand-in's process and its frame window.
using Standin = drive::Program;

// The stand-in's executable as a Windows path; empty when the variable is unset.
std::string StandinPath();

// Starts the stand-in with `arguments` and waits (bounded) for its frame window
// captioned `caption` to be ready; window is null when it was not.
Standin StartStandin(const std::string& arguments, const std::string& caption = STANDIN_CAPTION);

// The same with a caption one character off the trainer's, and so more than
// letter case, which the platform's caption search ignores: it counts as no trainer.
Standin StartLookalike(const std::string& arguments = "");

// Start and stop messages received; -1 for both when the frame does not answer.
using MessageCounts = std::pair<int, int>;
constexpr MessageCounts UNANSWERED_COUNTS = {-1, -1};
constexpr MessageCounts NOTHING_SENT = {0, 0};
MessageCounts QueryCounts(HWND frame);
bool QuerySending(HWND frame);
// The counts as last published by the frame, read without sending it a message.
MessageCounts PublishedCounts(HWND frame);
// WM_GETTEXT messages its text windows have answered; -1 when the frame does not answer.
long QueryTextReads(HWND frame);

// Replaces the text of every text window with these bytes (NUL included).
bool SetStandinText(HWND frame, const std::string& bytes);
// The whole text of its text window, which may be longer than the most that
// Sorvane reads of it.
std::string StandinText(HWND frame);

// The value of the line starting with `key` in the stand-in's start log; empty
// when there is none.
std::string LogValue(const std::string& log, const char* key);

// Wraps an argument in quotes for the stand-in's command line (no quotes inside).
std::string Quoted(const std::string& argument);

} // namespace standin
