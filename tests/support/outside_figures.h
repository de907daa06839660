// What a benchmark or soak can learn about another Wine process, and the clock
// and median every figure is reported with. Wine's own per-process figures for
// other processes do not move, so CPU time and memory come from the Linux
// process behind it, read through Wine's Z: drive; handle counts come from
// Windows calls where Wine answers them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace perf {

constexpr double MS_PER_SECOND = 1000.0;
// Marks a figure that could not be read.
constexpr long long NOT_REPORTED = -1;

// Milliseconds since an arbitrary start, from the high-resolution counter.
double NowMs();

// The median of the samples; 0 when there are none.
double Median(std::vector<double> samples);

// Linux process ids whose command line names `exeName` (a file name such as
// "Sorvane.exe", compared without regard to case) and whose Wine prefix is this
// process's own, so processes of other Wine desktops on the machine are left out.
std::vector<int> LinuxPidsRunning(const std::string& exeName);

// The one Linux process running `exeName` that is not in `before`; 0 when there
// is none (or more than one) within the time.
int WaitNewLinuxPid(const std::string& exeName, const std::vector<int>& before, DWORD timeoutMs);

// CPU time in nanoseconds that the Linux process has used, summed over its threads.
long long CpuNanoseconds(int linuxPid);

// Windows handle count; NOT_REPORTED when the call fails or answers 0, as Wine does.
long long HandleCount(HANDLE process);

// What a soak compares before and after: the process's resident memory and every
// object count that Wine reports for another process.
struct ResourceSnapshot {
    long long residentKb;  // VmRSS
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
