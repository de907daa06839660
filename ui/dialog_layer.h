// The thin layer between the window code and the Windows dialog manager: dialogs
// built from an in-memory template, controls placed in dialog units of the dialog
// font ("MS Sans Serif" 8), a polling modal run that routes every message of the
// dialog to one event handler, and the defaults applied when the handler leaves a
// message alone. Controls are always addressed by dialog and identifier.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The event handler of a dialog. 0 leaves the message to the layer's defaults;
// anything else marks it handled and is the message's result.
using DialogCallback = INT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

enum class ControlKind { Button, Label, TextBox };

// Creates the dialog hidden; measures are dialog units, x or y of -1 centres it on
// the screen. A style of 0 means a captioned modal-frame popup. Returns 0 when the
// platform cannot create the window.
HWND DialogNew(HWND parent, const std::string& caption, int x, int y, int width, int height,
               DWORD style, DWORD exStyle);

// Adds a control with the dialog's font at a rectangle given in dialog units. A
// style of 0 means the kind's default. Returns 0 when the control cannot be made.
HWND ControlAdd(HWND dialog, int id, const std::string& caption, int x, int y, int width,
                int height, DWORD style, DWORD exStyle, ControlKind kind);

// Hands WM_INITDIALOG and WM_SIZE to `handler`, shows the dialog and runs its
// messages until the window no longer exists. `handler` and `endValue` may be null.
void DialogShowModal(HWND dialog, DialogCallback handler, int32_t* endValue);

// Closes and destroys the dialog; `endValue` goes to where DialogShowModal was told.
void DialogEnd(HWND dialog, int32_t endValue);

LRESULT DialogSend(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ControlSend(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
// Setting a text allocates nothing, so it works when memory has run out.
void ControlSetText(HWND dialog, int id, const char* text);
void ControlSetText(HWND dialog, int id, const std::string& text);

// The control's whole text, byte for byte; empty for no text, no control or no
// memory for it.
std::string ControlGetText(HWND dialog, int id);
void ControlSetFocus(HWND dialog, int id);
