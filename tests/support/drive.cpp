#include "drive.h"

#include "main_window.h"
#include "reference_compare.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <vector>

namespace drive {

namespace {

constexpr char WINE_ROOT_DRIVE[] = "Z:";
constexpr DWORD KILL_WAIT_MS = 5000;
constexpr UINT KILLED_EXIT_CODE = 99;
constexpr DWORD COMPARE_RETRY_MS = 50;

struct WindowSearch {
    HWND found = nullptr;
    int count = 0;
};

// A hidden, itemless popup dialog in the dialog font, only for unit mapping.
constexpr char MAPPING_FONT[] = "MS Sans Serif";
constexpr WORD MAPPING_FONT_POINTS = 8;
constexpr DWORD MAPPING_DIALOG_STYLE = WS_POPUP | DS_SETFONT;
constexpr LPARAM KEY_REPEAT_ONE = 1;
constexpr int KEY_SCAN_CODE_SHIFT = 16;
constexpr LPARAM KEY_UP_FLAGS = (LPARAM{1} << 30) | (LPARAM{1} << 31);

// Style, extended style, no items, at 0,0 sized 1x1, no menu, the standard
// class, no title; then the font's size and its name with its NUL.
std::vector<WORD> MappingDialogTemplate() {
    std::vector<WORD> words = {
        LOWORD(MAPPING_DIALOG_STYLE), HIWORD(MAPPING_DIALOG_STYLE), 0, 0, 0, 0, 0, 1, 1, 0, 0, 0,
        MAPPING_FONT_POINTS};
    words.insert(words.end(), std::begin(MAPPING_FONT), std::end(MAPPING_FONT));
    return words;
}

void ReportOnStandardError(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
}

Reporter UnansweredReporter = ReportOnStandardError;

// The caption is read without a message, which a window that does not answer
// would not answer either.
std::string Unanswered(HWND window, UINT message, DWORD timeoutMs) {
    constexpr int NAME_SIZE = 256;
    wchar_t caption[NAME_SIZE] = {};
    InternalGetWindowText(GetAncestor(window, GA_ROOT), caption, NAME_SIZE);
    char line[NAME_SIZE * 3] = {};
    std::snprintf(line, sizeof(line),
                  "message 0x%04X sent to window %p (class %s, control %d, in \"%ls\") was not "
                  "answered within %lu ms",
                  message, static_cast<void*>(window), ClassName(window).c_str(),
                  GetDlgCtrlID(window), caption, timeoutMs);
    return line;
}

Process OpenToKill(DWORD processId) {
    return {OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId), processId};
}

LPARAM KeyParam(WPARAM virtualKey) {
    const UINT scanCode = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    return KEY_REPEAT_ONE | (static_cast<LPARAM>(scanCode) << KEY_SCAN_CODE_SHIFT);
}

// FindWindowExA compares captions itself, without a message to each window.
WindowSearch SearchTopWindows(DWORD processId, const std::string& caption,
                              const char* className = nullptr) {
    WindowSearch search;
    for (HWND window = FindWindowExA(nullptr, nullptr, className, caption.c_str());
         window != nullptr; window = FindWindowExA(nullptr, window, className, caption.c_str())) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (processId == 0 || owner == processId) {
            search.found = search.found != nullptr ? search.found : window;
            ++search.count;
        }
    }
    return search;
}

// A window searched for is taken once it is shown: found earlier, it may still
// be building its children.
HWND WaitSearched(DWORD processId, const std::string& caption, const char* className,
                  DWORD timeoutMs, DWORD pollMs = POLL_INTERVAL_MS) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = SearchTopWindows(processId, caption, className).found;
            return IsWindowVisible(found) != FALSE;
        },
        timeoutMs, pollMs);
    return IsWindowVisible(found) ? found : nullptr;
}

} // namespace

bool AnsiCodePageIsExpected() {
    constexpr UINT EXPECTED_ANSI_CODE_PAGE = 1252;
    if (GetACP() == EXPECTED_ANSI_CODE_PAGE) {
        return true;
    }
    std::fprintf(stderr, "ANSI code page is %u, not %u\n", GetACP(), EXPECTED_ANSI_CODE_PAGE);
    return false;
}

void ReportUnansweredTo(Reporter reporter) {
    UnansweredReporter = reporter != nullptr ? reporter : ReportOnStandardError;
}

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result,
                DWORD timeoutMs) {
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs,
                            result != nullptr ? result : &ignored) != 0) {
        return true;
    }
    if (IsWindow(window)) {
        UnansweredReporter(Unanswered(window, message, timeoutMs));
    }
    return false;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendWithin(window, message, wParam, lParam, &result, timeoutMs)
               ? static_cast<LRESULT>(result)
               : 0;
}

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string result = WINE_ROOT_DRIVE + path;
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
}

std::string PathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : ToWindowsPath(value);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return condition();
        }
        PumpFor(pollMs);
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
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &startup, &info)) {
        return {};
    }
    CloseHandle(info.hThread);
    return {info.hProcess, info.dwProcessId};
}

bool WaitExit(const Process& process, DWORD timeoutMs, DWORD* exitCode) {
    DWORD ignored = 0;
    return process.handle != nullptr &&
           WaitForSingleObject(process.handle, timeoutMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process.handle, exitCode != nullptr ? exitCode : &ignored);
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
    Process process = OpenToKill(processId);
    KillProcess(process);
}

void StartedProcesses::Add(DWORD processId) {
    Add(OpenToKill(processId));
}

void StartedProcesses::Kill(Program& program) {
    for (Process& process : processes) {
        if (process.id == program.process.id) {
            KillProcess(process); // leaves an empty entry
        }
    }
    program = {};
}

void StartedProcesses::KillAll() {
    for (Process& process : processes) {
        KillProcess(process);
    }
    processes.clear();
}

Program StartProgram(const std::string& exePath, const std::string& arguments,
                     const std::string& caption, const std::string& workDir, DWORD timeoutMs,
                     DWORD pollMs) {
    Program program{StartProcess(exePath, arguments, workDir)};
    if (program.process.handle != nullptr) {
        program.window = WaitSearched(program.process.id, caption, nullptr, timeoutMs, pollMs);
    }
    return program;
}

// Closed the way a user would first: killing a process under Wine leaves its
// windows to be cleaned up later, which slows the next start down.
bool CloseProgram(Program& program, DWORD waitMs, DWORD* exitCode) {
    if (program.window != nullptr) {
        PostMessageA(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    const bool ended =
        program.process.handle == nullptr || WaitExit(program.process, waitMs, exitCode);
    KillProcess(program.process);
    program.window = nullptr;
    return ended;
}

HWND FindAnyTopWindow(const std::string& caption) {
    return SearchTopWindows(0, caption).found;
}

HWND WaitTopWindow(DWORD processId, const std::string& caption, DWORD timeoutMs) {
    return WaitSearched(processId, caption, nullptr, timeoutMs);
}

bool WaitNoTopWindow(const std::string& caption, DWORD timeoutMs) {
    return WaitFor([&caption] { return FindAnyTopWindow(caption) == nullptr; }, timeoutMs);
}

void KillProgramsShowing(const std::string& caption) {
    while (HWND window = FindAnyTopWindow(caption)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        KillProcessById(processId);
        if (!WaitFor([window] { return !IsWindow(window); }, KILL_WAIT_MS)) {
            return;
        }
    }
}

std::vector<HWND> DirectChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = FindWindowExA(parent, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(parent, child, nullptr, nullptr)) {
        children.push_back(child);
    }
    return children;
}

HWND OnlyChild(HWND parent) {
    const std::vector<HWND> children = DirectChildren(parent);
    return children.size() == 1 ? children[0] : nullptr;
}

std::string WindowText(HWND window) {
    const LRESULT length = Send(window, WM_GETTEXTLENGTH);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        Send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

void SetWindowTextAcross(HWND window, const std::string& text) {
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

Selection GetEditSelection(HWND edit) {
    Selection selection;
    Send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
         reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

int CountMessageBoxes(DWORD processId, const std::string& caption) {
    return SearchTopWindows(processId, caption, MESSAGE_BOX_CLASS).count;
}

HWND WaitMessageBox(DWORD processId, const std::string& caption) {
    return WaitSearched(processId, caption, MESSAGE_BOX_CLASS, DEFAULT_WAIT_MS);
}

bool DismissMessageBox(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr) {
        return false;
    }
    PostMessageA(ok, BM_CLICK, 0, 0);
    return WaitFor([box] { return !IsWindow(box); });
}

bool Answers(HWND window) {
    return SendWithin(window, WM_NULL, 0, 0, nullptr, ANSWER_WAIT_MS);
}

void PostClick(HWND dialog, int controlId) {
    PostMessageA(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void SendClick(HWND dialog, int controlId) {
    Send(GetDlgItem(dialog, controlId), BM_CLICK);
}

HWND FocusOfThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                              : nullptr;
}

RECT DialogUnitsToPixels(const RECT& units) {
    const std::vector<WORD> dialogTemplate = MappingDialogTemplate();
    HWND dialog = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
        nullptr, nullptr, 0);
    RECT pixels = units;
    if (!MapDialogRect(dialog, &pixels)) { // also when there is no dialog
        pixels = RECT{};
    }
    DestroyWindow(dialog);
    return pixels;
}

RECT ChildRectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool IsCentredOnWorkArea(HWND window) {
    constexpr int TOLERANCE_PX = 1;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect{};
    GetWindowRect(window, &rect);
    // The gap on one side less the gap on the other: twice the distance from the middle.
    const int dx = (rect.left - work.left) - (work.right - rect.right);
    const int dy = (rect.top - work.top) - (work.bottom - rect.bottom);
    return std::abs(dx) <= 2 * TOLERANCE_PX && std::abs(dy) <= 2 * TOLERANCE_PX;
}

std::string ShownInBox(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

int32_t NonBlankCount(const std::string& text) {
    return static_cast<int32_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return !reference::Blank(static_cast<unsigned char>(c));
    }));
}

bool PressCompare(HWND window, DWORD timeoutMs, DWORD pollMs,
                  const std::function<void()>& atClick) {
    const HWND status = GetDlgItem(window, ID_STATUS_LINE);
    SetWindowTextAcross(status, "");
    if (atClick) {
        atClick();
    }
    PostClick(window, ID_COMPARE);
    return WaitFor([status] { return Send(status, WM_GETTEXTLENGTH) > 0; }, timeoutMs, pollMs);
}

bool CompareUntilShown(HWND window, const std::string& shown, DWORD timeoutMs) {
    return WaitFor(
        [&] {
            return PressCompare(window, timeoutMs) &&
                   WindowText(GetDlgItem(window, ID_TRANSMITTED_TEXT)) == shown;
        },
        timeoutMs, COMPARE_RETRY_MS);
}

std::string MatchLine(int32_t matchedCount) {
    return " " + std::to_string(matchedCount) + " characters match to first error";
}

std::string ShownLine(const std::string& status, const Selection& transmitted,
                      const Selection& typed) {
    const auto text = [](const Selection& selection) {
        return selection.start == selection.end
                   ? std::string("nothing")
                   : std::to_string(selection.start) + "-" + std::to_string(selection.end);
    };
    return "status \"" + status + "\", box 101 selects " + text(transmitted) +
           ", box 102 selects " + text(typed);
}

std::string ShownNow(HWND window) {
    return ShownLine(WindowText(GetDlgItem(window, ID_STATUS_LINE)),
                     GetEditSelection(GetDlgItem(window, ID_TRANSMITTED_TEXT)),
                     GetEditSelection(GetDlgItem(window, ID_TYPED_TEXT)));
}

std::string ExpectedShown(const std::string& transmitted, const std::string& typed) {
    const CompareResult result = reference::Compare(transmitted, typed);
    const auto at = [](int32_t position) {
        return position > 0 ? Selection{DWORD(position - 1), DWORD(position)} : Selection{};
    };
    return ShownLine(MatchLine(result.matchedCount), at(result.transmittedPosition),
                     at(result.typedPosition));
}

std::string EveryByteButNul() {
    std::string bytes(UCHAR_MAX, '\0');
    std::iota(bytes.begin(), bytes.end(), '\1');
    return bytes;
}

void PostMouseClick(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(window, WM_LBUTTONUP, 0, centre);
}

void PostKey(HWND window, WPARAM virtualKey) {
    PostMessageA(window, WM_KEYDOWN, virtualKey, KeyParam(virtualKey));
    PostMessageA(window, WM_KEYUP, virtualKey, KeyParam(virtualKey) | KEY_UP_FLAGS);
}

void PostChars(HWND window, const std::string& text) {
    for (char c : text) {
        PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), KEY_REPEAT_ONE);
    }
}

} // namespace drive
