// What a benchmark or soak can learn about another Wine process. Wine's own
// per-process figures for other processes do not move, so CPU time and memory
// come from the Linux process behind it, read through Wine's Z: drive; handle
// counts come from Windows calls where Wine answers them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace perf {

// Marks a figure that could not be read.
constexpr long long NOT_REPORTED = -1;

// Linux process ids whose command line names `exeName` (a file name such as
// "Sorvane.exe", compared without regard to case) and whose Wine prefix is this
// process's own, so processes of other Wine desktops on the machine are left out.
std::vector<int> LinuxPidsRunning(const std::string& exeName);

// The one Linux process running `exeName` that is not in `before`; 0 when there
// is none (or more than one) within the time.
int WaitNewLinuxPid(const std::string& exeName, const std::vector<int>& before, DWORD timeoutMs);

// CPU time in nanoseconds that the Linux process has used, summed over its
// threads; NOT_REPORTED when it cannot be read.
long long CpuNanoseconds(int linuxPid);

// Resident memory in kilobytes (VmRSS); NOT_REPORTED when it cannot be read.
long long ResidentKilobytes(int linuxPid);

// Threads and open Linux file descriptors of the process.
long long LinuxThreadCount(int linuxPid);
long long LinuxFileCount(int linuxPid);

// Windows handle count, and GDI and USER object counts (GetGuiResources) of a
// process; NOT_REPORTED when the call fails or answers 0, as Wine does.
long long HandleCount(HANDLE process);
long long GuiObjectCount(HANDLE process, DWORD kind);

// Windows of the process: its top-level windows and all their descendants.
long long WindowCount(DWORD processId);

} // namespace perf
