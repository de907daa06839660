// Pressing the companion's Compare button from outside and waiting for its
// answer: the status line is emptied first, so any text in it is the new result.
#pragma once

#include <windows.h>

#include <string>

namespace perf {

constexpr DWORD PRESS_ANSWER_TIMEOUT_MS = 20000;

// Empties the status line, clicks Compare and waits until the status line is
// set again. Returns the milliseconds from the click to the new status line,
// negative when it did not come within `timeoutMs`.
double PressCompareTimed(HWND window, DWORD timeoutMs = PRESS_ANSWER_TIMEOUT_MS);

// `presses` Compare presses spread evenly over `durationMs`; returns when the
// time is up; presses still due after twice that time are dropped. Returns the
// number of presses that were answered.
int PressEvenly(HWND window, int presses, DWORD durationMs);

// The text of the trainer's first text-class child, read with WM_GETTEXT into a
// buffer of the companion's size; empty when it does not answer.
std::string ReadTrainerText(HWND trainerFrame);

} // namespace perf
