#include "bench_util.h"

#include <cstdlib>
#include <vector>

namespace bench {

namespace {

constexpr char WINE_ROOT_DRIVE[] = "Z:";
constexpr DWORD KILL_WAIT_MS = 5000;
constexpr UINT KILLED_EXIT_CODE = 99;

struct WindowSearch {
    DWORD processId;
    const std::string* caption;
    const char* className;
    HWND found;
    int count;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId != 0 && owner != search->processId) {
        return TRUE;
    }
    if (WindowText(window) != *search->caption) {
        return TRUE;
    }
    if (search->className != nullptr && ClassName(window) != search->className) {
        return TRUE;
    }
    if (search->found == nullptr) {
        search->found = window;
    }
    ++search->count;
    return TRUE;
}

WindowSearch SearchTopWindows(DWORD processId, const std::string& caption, const char* className) {
    WindowSearch search{processId, &caption, className, nullptr, 0};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search;
}

} // namespace

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string result = WINE_ROOT_DRIVE + path;
    for (char& c : result) {
        if (c == '/') {
            c = '\\';
        }
    }
    return result;
}

std::string PathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : ToWindowsPath(value);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return condition();
        }
        PumpFor(POLL_INTERVAL_MS);
    }
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(1);
    } while (GetTickCount() - start < milliseconds);
}

Process StartProcess(const std::string& exePath, const std::string& arguments,
                     const std::string& workDir) {
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &startup, &info)) {
        return {};
    }
    CloseHandle(info.hThread);
    return {info.hProcess, info.dwProcessId};
}

bool WaitExit(const Process& process, DWORD timeoutMs, DWORD* exitCode) {
    if (process.handle == nullptr ||
        WaitForSingleObject(process.handle, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.handle, &code);
    if (exitCode != nullptr) {
        *exitCode = code;
    }
    return true;
}

void KillProcess(Process& process) {
    if (process.handle != nullptr) {
        if (WaitForSingleObject(process.handle, 0) != WAIT_OBJECT_0) {
            TerminateProcess(process.handle, KILLED_EXIT_CODE);
            WaitForSingleObject(process.handle, KILL_WAIT_MS);
        }
        CloseHandle(process.handle);
    }
    process = {};
}

void KillProcessById(DWORD processId) {
    HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (handle == nullptr) {
        return;
    }
    Process process{handle, processId};
    KillProcess(process);
}

HWND FindTopWindow(DWORD processId, const std::string& caption, const char* className) {
    return SearchTopWindows(processId, caption, className).found;
}

HWND FindAnyTopWindow(const std::string& caption) { return FindTopWindow(0, caption); }

HWND WaitTopWindow(DWORD processId, const std::string& caption, DWORD timeoutMs,
                   const char* className) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = FindTopWindow(processId, caption, className);
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::string WindowText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, buffer.size(),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

void SetWindowTextAcross(HWND window, const std::string& text) {
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

Selection GetEditSelection(HWND edit) {
    Selection selection;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

HWND FindMessageBox(DWORD processId, const std::string& caption) {
    return FindTopWindow(processId, caption, MESSAGE_BOX_CLASS);
}

int CountMessageBoxes(DWORD processId, const std::string& caption) {
    return SearchTopWindows(processId, caption, MESSAGE_BOX_CLASS).count;
}

bool DismissMessageBox(HWND box, DWORD timeoutMs) {
    HWND ok = GetDlgItem(box, MESSAGE_BOX_OK_ID);
    if (ok == nullptr) {
        return false;
    }
    PostMessageA(ok, BM_CLICK, 0, 0);
    return WaitFor([box] { return !IsWindow(box); }, timeoutMs);
}

void PostClick(HWND dialog, int controlId) {
    PostMessageA(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void SendClick(HWND dialog, int controlId) {
    SendMessageA(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

HWND FocusOfThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

} // namespace bench
