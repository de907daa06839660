// What a soak compares before and after: the process's resident memory and every
// object count that Wine reports for another process.
#pragma once

#include <windows.h>

#include <string>

namespace perf {

struct ResourceSnapshot {
    long long residentKb;
    long long handles;     // GetProcessHandleCount
    long long gdiObjects;  // GetGuiResources(GR_GDIOBJECTS)
    long long userObjects; // GetGuiResources(GR_USEROBJECTS)
    long long windows;     // the process's windows, counted by enumeration
    long long threads;     // Linux threads of the process
    long long linuxFiles;  // Linux file descriptors of the process
};

ResourceSnapshot TakeSnapshot(HANDLE process, DWORD processId, int linuxPid);

// One line per figure: "RESULT <prefix>_<figure> <value>", NOT_REPORTED as -1.
void PrintSnapshot(const char* prefix, const ResourceSnapshot& snapshot);

} // namespace perf
