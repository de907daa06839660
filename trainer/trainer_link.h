// Everything that touches the outside trainer program: finding its main window,
// reading the text it has transmitted, telling it to start or stop, and starting
// its executable. Nothing is cached; every call looks afresh, so a trainer started
// or closed at any moment is seen by the next call.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The facts the trainer is known by.
constexpr char TRAINER_CAPTION[] = "Koch Method CW Trainer - Brenlow";
constexpr char TRAINER_TEXT_CLASS[] = "TRichEditRx";
constexpr UINT TRAINER_MSG_START = WM_USER + 10; // 1034
constexpr UINT TRAINER_MSG_STOP = WM_USER + 20;  // 1044
constexpr char TRAINER_EXE_NAME[] = "KochMorseTrainer.exe";

// The transmitted-text buffer; one byte more than WM_GETTEXT is allowed to fill.
constexpr size_t TEXT_BUFFER_SIZE = 28001;

// The trainer's main window (its caption, compared as the system's window search
// does, ignoring case; any class), or null when it is not running.
HWND FindTrainerWindow();

// The text of the last direct child of class TRichEditRx (exact case) of the trainer
// window, up to its first NUL and at most TEXT_BUFFER_SIZE - 2 characters; empty when
// the trainer or that child is missing, or there is no memory for the copy. Blocks
// while the trainer does not answer.
std::string ReadTransmittedText();

// "Start" or "Stop": sends the trainer the matching message and returns once it is
// handled. When the trainer is not running, shows the "not running" box instead and
// returns once the user dismissed it. Any other word sends nothing.
void SendTrainerCommand(const std::string& word);

// Starts KochMorseTrainer.exe from ProgramDirectory() without waiting for it, in this
// program's current directory. Returns its process identifier, or 0 when nothing
// was started; a failure shows nothing.
DWORD LaunchTrainer();

// The quoted command line that LaunchTrainer uses for a trainer in `directory`
// (which ends in "\"), or "" when it must not launch: an empty directory, or a
// command line longer than CreateProcessA accepts.
std::string TrainerCommandLine(const std::string& directory);

// The directory of this program's executable, ending in "\"; empty when the path
// cannot be read whole or holds no "\".
std::string ProgramDirectory();
