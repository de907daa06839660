// Driving the windows of other processes under Wine, for tests, tools and
// benchmarks alike (no test framework here): starting, finding and closing a
// program's window, Sorvane's Compare and what it should show, the stand-in's
// text. Every wait is bounded; a helper that cannot do its work returns an empty value.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace drive {

constexpr DWORD DEFAULT_WAIT_MS = 15000;
constexpr DWORD POLL_INTERVAL_MS = 10;

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

// Starts `exePath` and waits for its top-level window captioned `caption` to be
// visible (a window exists hidden while the program builds it); window is null
// when it did not show in time.
Program StartProgram(const std::string& exePath, const std::string& arguments,
                     const std::string& caption, const std::string& workDir = "",
                     DWORD timeoutMs = DEFAULT_WAIT_MS, DWORD pollMs = POLL_INTERVAL_MS);

// Closes the window as its close box would, waits up to `waitMs` for the process
// to end, then kills it if it still runs. True when it ended by itself (or never
// started); its exit code is then stored.
bool CloseProgram(Program& program, DWORD waitMs, DWORD* exitCode = nullptr);

// A top-level window with exactly this caption, visible or not: of any process
// now, or of process `processId` (0: any) once it appears; null when none did.
HWND FindAnyTopWindow(const std::string& caption);
HWND WaitTopWindow(DWORD processId, const std::string& caption, DWORD timeoutMs = DEFAULT_WAIT_MS);

// Read and set across processes with WM_GETTEXTLENGTH, WM_GETTEXT and WM_SETTEXT.
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

// Message boxes ("#32770" windows) of a process with this caption.
constexpr char MESSAGE_BOX_CLASS[] = "#32770";
int CountMessageBoxes(DWORD processId, const std::string& caption = "ERROR");
HWND WaitMessageBox(DWORD processId, const std::string& caption = "ERROR");

// Clicks the box's OK button and waits until the box is gone; false for a null box.
bool DismissMessageBox(HWND box);

// True when the window's thread handles a sent message within a few seconds.
bool Answers(HWND window);

// Posts a click, returning at once (a sent click that opens a message box would
// not return), or sends one, returning when the dialog has handled it.
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

// The whole text of the stand-in trainer's text window, which may be longer than
// the most that Sorvane reads of it.
std::string StandinText(HWND frame);
constexpr size_t TRAINER_READ_LIMIT = 27999;

// The boxes upper-case what is put into them by the system's own rules for the
// ANSI code page; this is the text a box then holds.
std::string ShownInBox(std::string text);

// Characters the comparison counts: everything but spaces, CRs and LFs.
int32_t NonBlankCount(const std::string& text);

// Presses Compare in Sorvane's window until box 101 shows `shown` (the refresh
// has read the trainer's current text); false when it never does.
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
