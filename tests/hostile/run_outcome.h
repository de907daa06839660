// What Run did in a Sorvane installed in an awkward folder, checked the same way
// by the case that starts Sorvane itself and by the driver of the one that Wine's
// loader starts.
#pragma once

#include <windows.h>

#include <string>

struct RunOutcome {
    bool trainerStarted = false;
    // What went wrong, one sentence each; empty when all held.
    std::string problems;
};

// After Run in the Sorvane whose window is `sorvane`, installed in `folder` with
// the decoy planted in `parent`: the KochMorseTrainer.exe beside it started (and
// is ended here) or nothing did, the decoy never ran, no message box opened and
// Sorvane still answers. A trainer that must start is waited for as long as any
// program's start; one that may start is looked for a few seconds.
RunOutcome CheckRunOutcome(HWND sorvane, const std::string& folder, const std::string& parent,
                           bool trainerMustStart);
