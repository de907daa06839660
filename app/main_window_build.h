// Building the companion window: the text font, the hidden dialog with its icons
// and its eleven controls. Running the window is left to the caller, so a test
// can build the window in its own process and inspect it.
#pragma once

#include <windows.h>

// The window in dialog units, and its styles as handed to the dialog layer.
constexpr int MAIN_DIALOG_WIDTH = 343;
constexpr int MAIN_DIALOG_HEIGHT = 216;
constexpr DWORD MAIN_DIALOG_STYLE = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU |
                                    WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
constexpr DWORD MAIN_DIALOG_EX_STYLE =
    WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;

// Boxes 101 and 102 share size and styles; box 101 is the upper one. No
// ES_AUTOHSCROLL, so lines wrap; ES_NOHIDESEL keeps a comparison's mark visible
// in the box that has not got the focus.
constexpr int TRANSMITTED_BOX_X = 10;
constexpr int TRANSMITTED_BOX_Y = 15;
constexpr int TEXT_BOX_WIDTH = 321;
constexpr int TEXT_BOX_HEIGHT = 74;
constexpr DWORD TEXT_BOX_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                                 ES_UPPERCASE | ES_NOHIDESEL | ES_OEMCONVERT | ES_WANTRETURN;
constexpr DWORD TEXT_BOX_EX_STYLE = WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY;

// Arial 12 on the stock variable-pitch font's description, so every field not
// set here (character set, quality, pitch and family) stays the stock one: the
// font BuildMainWindow makes TextFont with.
HFONT CreateTextFont();

// Creates TextFont and MainDialog (hidden) with icons and controls; returns
// MainDialog, 0 when the window could not be created.
HWND BuildMainWindow();
