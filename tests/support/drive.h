// Driving the windows of other processes under Wine, for tests, tools and
// benchmarks alike (no test framework here): starting, finding and closing a
// program's window, Sorvane's Compare and what it should show. Every wait and
// every message sent to another program is bounded; a helper that cannot do its
// work returns an empty value.
#pragma once

#include "sorvane_facts.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace drive {

constexpr DWORD DEFAULT_WAIT_MS = 15000;
constexpr DWORD POLL_INTERVAL_MS = 10;
constexpr DWORD SEND_WAIT_MS = 10000;
// A window slower than this to handle an empty message counts as hung (Answers),
// a stricter bound than SEND_WAIT_MS, which only keeps a test from hanging.
constexpr DWORD ANSWER_WAIT_MS = 5000;

// True when the ANSI code page is 1252, which byte-level expectations depend on;
// otherwise says so on standard error.
bool AnsiCodePageIsExpected();

// Sends `message` and waits at most `timeoutMs` for the answer, stored in
// `result`; false when none came. A window that did not answer but still exists
// is reported, with the message, to the reporter (standard error unless set).
using Reporter = void (*)(const std::string& what);
void ReportUnansweredTo(Reporter reporter);
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result,
                DWORD timeoutMs = SEND_WAIT_MS);
// The same, returning the answer (0 for none).
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
             DWORD timeoutMs = SEND_WAIT_MS);

// "/a/b" (a path as CMake hands it to a test) becomes "Z:\a\b", Wine's mapping of
// the Unix root; a path that already looks like a Windows path is returned as is.
std::string ToWindowsPath(const std::string& path);

// An environment variable holding a path, as a Windows path; empty when not set.
std::string PathFromEnvironment(const char* name);

// Polls `condition` until it holds or `timeoutMs` passes, dispatching this
// thread's own messages meanwhile. Returns the condition's last value.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = DEFAULT_WAIT_MS,
             DWORD pollMs = POLL_INTERVAL_MS);

// Dispatches this thread's messages for a while, for asynchronous effects that
// have no state to poll.
void PumpFor(DWORD milliseconds);

struct Process {
    HANDLE handle = nullptr;
    DWORD id = 0;
};

// Starts `exePath` (quoted) with `arguments`, in `workDir` if not empty.
Process StartProcess(const std::string& exePath, const std::string& arguments = "",
                     const std::string& workDir = "");

// True when the process ended within the time; its exit code is stored.
bool WaitExit(const Process& process, DWORD timeoutMs, DWORD* exitCode);

// Terminates the process if it still runs and closes its handle.
void KillProcess(Process& process);
void KillProcessById(DWORD processId);

// A started program and its visible top-level window.
struct Program {
    Process process;
    HWND window = nullptr;
};

// The processes a case caused to start (one known by its identifier is opened
// when added; a program is handed back), ended together or one program before
// the rest (which empties it).
struct StartedProcesses {
    std::vector<Process> processes;
    void Add(const Process& process) { processes.push_back(process); }
    void Add(DWORD processId); // 0 ends nothing
    Program Add(const Program& program) {
        Add(program.process);
        return program;
    }
    void Kill(Program& program);
    void KillAll();
};

// Starts `exePath` and waits for its top-level window captioned `caption` to be
// ready (WaitTopWindow); window is null when it was not in time.
Program StartProgram(const std::string& exePath, const std::string& arguments,
                     const std::string& caption, const std::string& workDir = "",
                     DWORD timeoutMs = DEFAULT_WAIT_MS, DWORD pollMs = POLL_INTERVAL_MS);

// Closes the window as its close box would, waits up to `waitMs` for the process
// to end, then kills it if it still runs. True when it ended by itself (or never
// started); its exit code is then stored.
bool CloseProgram(Program& program, DWORD waitMs, DWORD* exitCode = nullptr);

// Captions compare as the system's window search compares them, ignoring case.
// A top-level window with this caption, visible or not, of any process now.
HWND FindAnyTopWindow(const std::string& caption);
// One of process `processId` (0: any) once it is ready: shown, and so built with
// its children; null when none was in time.
HWND WaitTopWindow(DWORD processId, const std::string& caption, DWORD timeoutMs = DEFAULT_WAIT_MS);
// True once no top-level window has this caption (a left-over or a closed one).
bool WaitNoTopWindow(const std::string& caption, DWORD timeoutMs = DEFAULT_WAIT_MS);
// Kills every process showing a top-level window with this caption (one started
// by another program, known only by its window), each until its window is gone.
void KillProgramsShowing(const std::string& caption);

// The direct children of `parent`, in the order FindWindowExA walks them.
std::vector<HWND> DirectChildren(HWND parent);
// The one direct child of `parent`; null when it has none or several.
HWND OnlyChild(HWND parent);

// Read and set across processes with WM_GETTEXTLENGTH, WM_GETTEXT and WM_SETTEXT, bounded.
std::string WindowText(HWND window);
std::string ClassName(HWND window);
void SetWindowTextAcross(HWND window, const std::string& text);

// The selection of an edit box, read with EM_GETSEL's two pointer arguments so
// positions beyond 65,535 survive.
struct Selection {
    DWORD start = 0;
    DWORD end = 0;
};
Selection GetEditSelection(HWND edit);

// Message boxes ("#32770" windows) of a process with this caption, by default
// Sorvane's not-running box, and the identifier of the static holding a box's text.
constexpr char MESSAGE_BOX_CLASS[] = "#32770";
constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;
int CountMessageBoxes(DWORD processId, const std::string& caption = NOT_RUNNING_CAPTION);
HWND WaitMessageBox(DWORD processId, const std::string& caption = NOT_RUNNING_CAPTION);

// Clicks the box's OK button and waits until the box is gone; false for a null box.
bool DismissMessageBox(HWND box);

// True when the window's thread handles a sent message within ANSWER_WAIT_MS;
// one that does not is reported as by SendWithin.
bool Answers(HWND window);

// Posts a click, returning at once (a sent click that opens a message box would
// not return), or sends one (bounded), returning when the dialog has handled it.
void PostClick(HWND dialog, int controlId);
void SendClick(HWND dialog, int controlId);

// The window that has the keyboard focus in the thread that owns `window`.
HWND FocusOfThreadOf(HWND window);

// Maps a rectangle in dialog units to pixels as a dialog in "MS Sans Serif" 8
// would: MapDialogRect refuses another process's window, so a hidden dialog of
// this process with that font does the mapping. All zero when it cannot.
RECT DialogUnitsToPixels(const RECT& units);

// A child window's rectangle in its parent's client coordinates (across processes).
RECT ChildRectInParent(HWND child);

// True when the window stands in the middle of the work area, within a pixel of
// rounding on each side.
bool IsCentredOnWorkArea(HWND window);

// The boxes upper-case what is put into them by the system's own rules for the
// ANSI code page; this is the text a box then holds.
std::string ShownInBox(std::string text);

// Characters the comparison counts: everything but spaces, CRs and LFs.
int32_t NonBlankCount(const std::string& text);

// Presses Compare in Sorvane's window as a user would, through its queue: the
// status line is emptied first, so the press has been handled once it shows
// text again. False when it did not in time. `atClick` runs once the status line
// is empty, right before the click is posted.
bool PressCompare(HWND window, DWORD timeoutMs = DEFAULT_WAIT_MS, DWORD pollMs = POLL_INTERVAL_MS,
                  const std::function<void()>& atClick = nullptr);

// Presses Compare until box 101 shows `shown` (the refresh has read the
// trainer's current text); false when it never does.
bool CompareUntilShown(HWND window, const std::string& shown, DWORD timeoutMs = DEFAULT_WAIT_MS);

// The status line for a count, written out here once rather than taken from the program.
std::string MatchLine(int32_t matchedCount);

// What Sorvane's window shows after Compare, as one line: the status line and the
// selection of boxes 101 and 102, where start == end stands for no selection.
std::string ShownLine(const std::string& status, const Selection& transmitted,
                      const Selection& typed);
std::string ShownNow(HWND window);
// What a comparison of these texts should show, by the plain reference comparison.
std::string ExpectedShown(const std::string& transmitted, const std::string& typed);

// Bytes 1 to 255 in order: every character a window text can hold.
std::string EveryByteButNul();

// Input posted to a window's queue as it would arrive there: a left click at its
// centre, a key press (down, then up), or each byte of `text` as a WM_CHAR.
void PostMouseClick(HWND window);
void PostKey(HWND window, WPARAM virtualKey);
void PostChars(HWND window, const std::string& text);

} // namespace drive
