// Helpers for Windows tests that drive the windows of other processes under Wine.
// Every wait is bounded; a helper that cannot do its work returns an empty value.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace drive {

constexpr DWORD DEFAULT_WAIT_MS = 15000;

// "/a/b" (a path as CMake hands it to a test) becomes "Z:\a\b", Wine's mapping of
// the Unix root; a path that already looks like a Windows path is returned as is.
std::string ToWindowsPath(const std::string& path);

// An environment variable holding a path, as a Windows path; empty when not set.
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
void KillProcessById(DWORD processId);

// Any top-level window with exactly this caption, of any process.
HWND FindAnyTopWindow(const std::string& caption);

// The top-level window of process `processId` (0: any) with exactly this
// caption, visible or not, once it appears; null when none did.
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
HWND FindMessageBox(DWORD processId, const std::string& caption = "ERROR");
int CountMessageBoxes(DWORD processId, const std::string& caption = "ERROR");
HWND WaitMessageBox(DWORD processId, const std::string& caption = "ERROR");

// Clicks the box's OK button and waits until the box is gone; false for a null box.
bool DismissMessageBox(HWND box);

// True when the window's thread handles a sent message within a few seconds.
bool Answers(HWND window);

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

// Input posted to a window's queue as it would arrive there: a left click at its
// centre, a key press (down, then up), or each byte of `text` as a WM_CHAR.
void PostMouseClick(HWND window);
void PostKey(HWND window, WPARAM virtualKey);
void PostChars(HWND window, const std::string& text);

} // namespace drive
