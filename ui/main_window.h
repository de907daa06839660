// The window's shared vocabulary: the control identifiers every part of the
// program names controls by, the caption, and the few process-wide values.
#pragma once

#include <windows.h>

#include "sorvane_version.h"

#include <string>

constexpr int ID_TRANSMITTED_TEXT = 101;
constexpr int ID_TYPED_TEXT = 102;
constexpr int ID_STATUS_LINE = 103;
constexpr int ID_ERASE = 104;
constexpr int ID_BEGIN = 105;
constexpr int ID_STOP = 106;
constexpr int ID_COMPARE = 107;
constexpr int ID_RUN = 108;
// IDCANCEL, so the Escape key presses Quit.
constexpr int ID_QUIT = IDCANCEL;
constexpr int ID_TRANSMITTED_LABEL = 110;
// The platform's identifier for a control that nothing addresses.
constexpr int ID_TYPED_LABEL = -1;

constexpr char MAIN_DIALOG_CAPTION[] =
    "Sorvane v" SORVANE_VERSION_TEXT " by Vantrel - for Brenlow Koch Method CW Trainer v9.1.6";

// The companion window; written once when the window is built, never cleared.
extern HWND MainDialog;

// The font of boxes 101 and 102 and of the status line; created when the window is
// built, deleted when the window is destroyed.
extern HFONT TextFont;

// What the trainer's transmitted-text window showed at the last refresh tick:
// empty at start and whenever the trainer is not running. Released at process end.
extern std::string LatestTransmission;
