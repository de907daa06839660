#include "outside_figures.h"
#include "perf_driver.h"

namespace perf {

namespace {

constexpr DWORD PROGRAM_START_TIMEOUT_MS = 30000;
constexpr DWORD VISIBLE_POLL_MS = 1;
constexpr DWORD CLOSE_WAIT_MS = 10000;
constexpr DWORD LINUX_PID_WAIT_MS = 5000;

// FindWindowA also finds hidden windows, so the window is first seen while the
// program is still building it; it counts once it is visible.
HWND VisibleWindowOf(DWORD processId, const std::string& caption) {
    for (HWND window = FindWindowA(nullptr, caption.c_str()); window != nullptr;
         window = FindWindowExA(nullptr, window, nullptr, caption.c_str())) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return IsWindowVisible(window) ? window : nullptr;
        }
    }
    return nullptr;
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1); // npos + 1 is 0: all of it
}

} // namespace

double StartTimed(const std::string& exePath, const std::string& arguments,
                  const std::string& caption, Running* running) {
    const double start = NowMs();
    running->process = drive::StartProcess(exePath, arguments);
    if (running->process.handle == nullptr) {
        return -1.0;
    }
    while (NowMs() - start < PROGRAM_START_TIMEOUT_MS) {
        running->window = VisibleWindowOf(running->process.id, caption);
        if (running->window != nullptr) {
            return NowMs() - start;
        }
        Sleep(VISIBLE_POLL_MS);
    }
    return -1.0;
}

bool StartProgram(const std::string& exePath, const std::string& arguments,
                  const std::string& caption, Running* running) {
    const std::string name = FileNameOf(exePath);
    const std::vector<int> before = LinuxPidsRunning(name);
    if (StartTimed(exePath, arguments, caption, running) < 0) {
        return false;
    }
    running->linuxPid = WaitNewLinuxPid(name, before, LINUX_PID_WAIT_MS);
    return running->linuxPid != 0;
}

void CloseProgram(Running* running) {
    if (running->window != nullptr) {
        PostMessageA(running->window, WM_SYSCOMMAND, SC_CLOSE, 0);
        drive::WaitExit(running->process, CLOSE_WAIT_MS, nullptr);
    }
    drive::KillProcess(running->process);
    *running = Running{};
}

} // namespace perf
