// How tests talk to the stand-in trainer: the facts it shares with the real
// trainer and the private messages it answers beyond them. Its switches are
// listed in the tables of standin_options.cpp.
#pragma once

#include "sorvane_facts.h"

#include <windows.h>

// What the real trainer shows: its caption as the tests know it, and the rest
// repeated here rather than taken from the link, so a wrong constant in the link
// cannot agree with itself.
constexpr const char* STANDIN_CAPTION = KOCH_TRAINER_CAPTION;
constexpr char STANDIN_TEXT_CLASS[] = "TRichEditRx";
constexpr UINT STANDIN_MSG_START = 1034;
constexpr UINT STANDIN_MSG_STOP = 1044;

// Look-alike classes that must not be taken for the text window.
constexpr char STANDIN_PREFIX_CLASS[] = "TRichEditRxEx";
constexpr char STANDIN_CASE_CLASS[] = "trichEditRx";
constexpr char STANDIN_PANEL_CLASS[] = "StandinPanel";

// Sent to the main window: returns MAKELONG(start messages, stop messages) received.
constexpr UINT STANDIN_MSG_QUERY_COUNTS = WM_APP + 1;
// The main window's GWLP_USERDATA holds the same MAKELONG(starts, stops), updated
// when a message has been handled; other processes read it without a message, so
// they can tell a handled message from one still waiting in the queue.
// Sent to the main window: returns 1 while sending, 0 otherwise.
constexpr UINT STANDIN_MSG_QUERY_SENDING = WM_APP + 2;
// Sent to the main window: returns how many WM_GETTEXT messages its text windows
// have answered since it started.
constexpr UINT STANDIN_MSG_QUERY_TEXT_READS = WM_APP + 3;

// WM_COPYDATA to the main window with this dwData replaces the text of every text
// window with the bytes given (NUL included); returns TRUE.
constexpr ULONG_PTR STANDIN_COPYDATA_SET_TEXT = 0x53455454; // "SETT"

// Without --exit-after-ms, the time limit in milliseconds when set.
constexpr char STANDIN_ENV_LIMIT_MS[] = "STANDIN_TRAINER_LIMIT_MS";
// Started with no switches at all (as the companion's Run button starts it), it
// appends these lines, each followed by CR LF, to "<its name>.log" beside itself.
constexpr char STANDIN_LOG_EXTENSION[] = ".log";
constexpr char STANDIN_LOG_DIRECTORY_KEY[] = "current directory=";
constexpr char STANDIN_LOG_PATH_KEY[] = "executable=";
constexpr char STANDIN_LOG_ERROR_MODE_KEY[] = "error mode=";
// From the start-up information: 1 when STARTF_USESHOWWINDOW was given, else 0,
// and wShowWindow, both in decimal.
constexpr char STANDIN_LOG_USES_SHOW_KEY[] = "uses show window=";
constexpr char STANDIN_LOG_SHOW_COMMAND_KEY[] = "show command=";

// The stand-in placed beside a program under the trainer's file name, and the
// start log it then writes.
constexpr const char* STANDIN_INSTALLED_NAME = KOCH_TRAINER_EXE_NAME;
constexpr char STANDIN_INSTALLED_LOG_NAME[] = "KochMorseTrainer.log";

// Second text window's text when --second-text is not given.
constexpr char STANDIN_DEFAULT_SECOND_TEXT[] = "SECOND CHILD";
