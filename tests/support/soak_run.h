// Pressing the companion's Compare button from outside, and the soak built on
// it, as the soak test and the soak benchmark both run it with plans of their
// own: the trainer's text typed into box 102, Compare pressed at an even pace
// through a warm-up (so one-off allocations happen before "before") and then
// through the soak, resources taken before and after.
#pragma once

#include "outside_figures.h"

#include <windows.h>

#include <string>

namespace perf {

// Empties the status line, clicks Compare and waits until the status line is
// set again, so any text in it is the new result. Returns the milliseconds from
// the click to the new status line, negative when it did not come in time.
double PressCompareTimed(HWND window);

struct SoakPlan {
    DWORD warmUpMs;
    int warmUpPresses;
    DWORD durationMs;
    int presses;
};

// Sorvane's window, a handle that may query its process, its id and the Linux process behind it.
struct SoakTarget {
    HWND window;
    HANDLE process;
    DWORD processId;
    int linuxPid;
};

struct SoakResult {
    std::string text; // the trainer's text as read and typed
    int warmUpAnswered = 0;
    int answered = 0;
    ResourceSnapshot before{};
    ResourceSnapshot after{};
};

// False, with nothing pressed, when the trainer's text could not be read.
bool RunSoak(const SoakTarget& sorvane, HWND trainerFrame, const SoakPlan& plan,
             SoakResult* result);

} // namespace perf
