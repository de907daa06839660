// The one dialog procedure behind every dialog the layer creates: it routes each
// message to the dialog's event handler and applies the layer's defaults when the
// handler leaves the message alone.
#pragma once

#include "dialog_layer.h"

INT_PTR CALLBACK LayerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Every call the layer makes into an event handler goes through here, so that
// running out of memory inside a handler never unwinds into the window system.
INT_PTR CallDialogHandler(DialogCallback handler, HWND dialog, UINT message, WPARAM wParam,
                          LPARAM lParam);
