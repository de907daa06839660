// The process entry (MinGW calls main for a GUI program too): COM for the one
// thread, the start-up values of a Windows program, WinMain, then the release of
// what the process holds.
#include <windows.h>
#include <objbase.h>

#include "main_window.h"

#include <string>

namespace {

constexpr char QUOTE = '"';
constexpr char SPACE = ' ';
constexpr char TAB = '\t';

bool IsSpace(char c) {
    return c == SPACE || c == TAB;
}

// The command line after the program's own name and the blanks that follow it.
LPSTR CommandLineTail() {
    char* p = GetCommandLineA();
    if (*p == QUOTE) {
        ++p;
        while (*p != '\0' && *p != QUOTE) {
            ++p;
        }
        if (*p == QUOTE) {
            ++p;
        }
    } else {
        while (*p != '\0' && !IsSpace(*p)) {
            ++p;
        }
    }
    while (IsSpace(*p)) {
        ++p;
    }
    return p;
}

int StartupShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

} // namespace

int main() {
    CoInitialize(nullptr);
    const int exitCode =
        WinMain(GetModuleHandleA(nullptr), nullptr, CommandLineTail(), StartupShowCommand());
    std::string().swap(LatestTransmission);
    CoUninitialize();
    return exitCode;
}
