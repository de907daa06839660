// The one dialog procedure behind every dialog the layer creates: it routes each
// message to the dialog's event handler and applies the layer's defaults when the
// handler leaves the message alone.
#pragma once

#include <windows.h>

INT_PTR CALLBACK LayerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
