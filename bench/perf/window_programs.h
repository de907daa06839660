// Starting a window program under measurement, timing it until its window is
// visible, finding the Linux process behind it, and closing it again.
#pragma once

#include "drive.h"

#include <string>

namespace perf {

constexpr DWORD PROGRAM_START_TIMEOUT_MS = 30000;

struct Running {
    drive::Process process;
    HWND window = nullptr;
    int linuxPid = 0;
};

// Starts `exePath` with `arguments` and waits until its top-level window with
// `caption` is visible. Returns the milliseconds from just before process
// creation to that moment, negative when the window did not show in time.
double StartTimed(const std::string& exePath, const std::string& arguments,
                  const std::string& caption, Running* running);

// The same, untimed; also finds the Linux process. False when any step failed.
bool StartProgram(const std::string& exePath, const std::string& arguments,
                  const std::string& caption, Running* running);

// Closes the window as a user would (close box), waits for the process to end
// and kills it if it does not.
void CloseProgram(Running* running);

// The file name at the end of a Windows path.
std::string FileNameOf(const std::string& path);

} // namespace perf
