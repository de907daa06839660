// Helpers for Windows tests that drive the windows of other processes under Wine.
// Every wait is bounded; a helper that cannot do its work returns an empty value.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace drive {

constexpr DWORD DEFAULT_WAIT_MS = 15000;
constexpr DWORD POLL_INTERVAL_MS = 10;
constexpr DWORD ANSWER_WAIT_MS = 5000;

// "/a/b" (a path as CMake hands it to a test) becomes "Z:\a\b", Wine's mapping of
// the Unix root; a path that already looks like a Windows path is returned as is.
std::string ToWindowsPath(const std::string& path);

// The value of an environment variable holding a path, as a Windows path; empty
// when it is not set.
std::string PathFromEnvironment(const char* name);

// Polls `condition` until it holds or `timeoutMs` passes, dispatching this
// thread's own messages meanwhile. Returns the condition's last value.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = DEFAULT_WAIT_MS);

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

// Terminates a process known only by identifier (one this test caused to start).
void KillProcessById(DWORD processId);

// The top-level window of process `processId` with exactly this caption (and
// class, when given), visible or not; null when there is none.
HWND FindTopWindow(DWORD processId, const std::string& caption, const char* className = nullptr);

// Any top-level window with exactly this caption, of any process.
HWND FindAnyTopWindow(const std::string& caption);

HWND WaitTopWindow(DWORD processId, const std::string& caption, DWORD timeoutMs = DEFAULT_WAIT_MS,
                   const char* className = nullptr);

// A window's whole text read with WM_GETTEXTLENGTH / WM_GETTEXT (works across processes).
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Sets a control's text across processes with WM_SETTEXT.
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
constexpr int MESSAGE_BOX_OK_ID = 1;
HWND FindMessageBox(DWORD processId, const std::string& caption = "ERROR");
int CountMessageBoxes(DWORD processId, const std::string& caption = "ERROR");

// Waits for such a box to open; null when none did.
HWND WaitMessageBox(DWORD processId, const std::string& caption = "ERROR",
                    DWORD timeoutMs = DEFAULT_WAIT_MS);

// Clicks the box's OK button and waits until the box is gone; false for a null box.
bool DismissMessageBox(HWND box, DWORD timeoutMs = DEFAULT_WAIT_MS);

// True when the window's thread handles a sent message within the time.
bool Answers(HWND window, DWORD timeoutMs = ANSWER_WAIT_MS);

// Posts a click (never sends: a click that opens a message box would not return).
void PostClick(HWND dialog, int controlId);

// Sends a click and returns when the dialog has handled it.
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

// Bytes 1 to 255 in order: every character a window text can hold.
std::string EveryByteButNul();

// Posts a left-button click at the centre of a window, as a mouse click would
// arrive in its queue.
void PostMouseClick(HWND window);

// Posts a key press (WM_KEYDOWN, then WM_KEYUP) to a window's queue.
void PostKey(HWND window, WPARAM virtualKey);

// Posts each byte of `text` as a WM_CHAR to a window's queue.
void PostChars(HWND window, const std::string& text);

} // namespace drive
