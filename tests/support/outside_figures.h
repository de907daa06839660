// What a benchmark or soak can learn about another Wine process, the clock and
// median every figure is reported with, and the soak itself. Wine's own
// per-process figures for other processes do not move, so CPU time and memory
// come from the Linux process behind it, read through Wine's Z: drive; handle
// counts come from Windows calls where Wine answers them.
#pragma once

#include "drive.h"

#include <windows.h>

#include <array>
#include <functional>
#include <iterator>
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

// Runs `start` (true when the program started) and returns the one Linux process
// running `exeName` that was not there before; 0 when the start failed or there
// was none (or more than one) within a few seconds.
int LinuxPidOfStart(const std::string& exeName, const std::function<bool()>& start);

// The wineserver of this process's Wine desktop; 0 unless exactly one runs.
int WineserverPid();

// CPU time in nanoseconds that the Linux process has used, summed over its
// threads; NOT_REPORTED when unreadable, as for process 0 (no wineserver found).
constexpr double NS_PER_MS = 1e6;
long long CpuNanoseconds(int linuxPid);

// Windows handle count; NOT_REPORTED when the call fails or answers 0, as Wine does.
long long HandleCount(HANDLE process);

// What a soak compares before and after, by these names: the process's resident
// memory in KB (VmRSS), then every object count that Wine reports for another
// process (handles, GDI and USER objects, its windows by enumeration, the Linux
// process's threads and file descriptors).
constexpr const char* SNAPSHOT_FIGURES[] = {"rss_kb",  "handles", "gdi_objects", "user_objects",
                                            "windows", "threads", "linux_fds"};
using ResourceSnapshot = std::array<long long, std::size(SNAPSHOT_FIGURES)>;

ResourceSnapshot TakeSnapshot(HANDLE process, DWORD processId, int linuxPid);

// One line per figure: "RESULT <prefix>_<figure> <value>", NOT_REPORTED as -1.
void PrintSnapshot(const char* prefix, const ResourceSnapshot& snapshot);

// drive::PressCompare, timed: the milliseconds from the click to the new status
// line, negative when it did not come in time.
double PressCompareTimed(HWND window);

// The soak test and the soak benchmark run it with plans of their own: the
// trainer's text typed into box 102, Compare pressed at an even pace through a
// warm-up (so one-off allocations happen before "before") and then through the
// soak, resources taken before and after.
struct SoakPlan {
    DWORD warmUpMs;
    int warmUpPresses;
    DWORD durationMs;
    int presses;
};

struct SoakResult {
    std::string text; // the trainer's text as read and typed
    int warmUpAnswered = 0;
    int answered = 0;
    ResourceSnapshot before{};
    ResourceSnapshot after{};
};

// False, with nothing pressed, when the trainer's text (as Sorvane reads it) is empty.
bool RunSoak(const drive::Program& sorvane, int linuxPid, const std::string& trainerText,
             const SoakPlan& plan, SoakResult* result);

} // namespace perf
