// A soak, as the soak test and the soak benchmark both run it with plans of
// their own: the trainer's text typed into box 102, Compare pressed at an even
// pace through a warm-up (so one-off allocations happen before "before") and
// then through the soak, resources taken before and after.
#pragma once

#include "resource_snapshot.h"

#include <windows.h>

#include <string>

namespace perf {

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
