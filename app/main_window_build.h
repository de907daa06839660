// Building the companion window: the text font, the hidden dialog with its icons
// and its eleven controls. Running the window is left to the caller, so a test
// can build the window in its own process and inspect it.
#pragma once

#include <windows.h>

// Creates TextFont and MainDialog (hidden) with icons and controls; returns
// MainDialog, 0 when the window could not be created.
HWND BuildMainWindow();
