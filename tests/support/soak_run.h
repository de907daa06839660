// A soak: Sorvane beside a trainer for a long stretch of refresh ticks, the
// trainer's text typed into box 102 and Compare pressed at an even pace
// throughout, resources taken before and after. A warm-up at the same pace lets
// one-off allocations happen before "before". The soak test and the soak
// benchmark both run it, with plans of their own.
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

// The Sorvane under soak: its window, a handle that may query the process, its
// process id and the Linux process behind it.
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
