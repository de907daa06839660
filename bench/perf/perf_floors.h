// What the floor programs and the driver share: the floors' captions and the
// geometry, styles and font they copy from the companion window, so that each
// floor costs what the platform alone costs for the same work.
#pragma once

#include <windows.h>

namespace perf {

constexpr char BARE_DIALOG_CAPTION[] = "Sorvane floor - bare dialog";
constexpr char BARE_POLLER_CAPTION[] = "Sorvane floor - bare poller";
constexpr char EDIT_FILL_CAPTION[] = "Sorvane floor - edit fill";

// The companion window in dialog units, and its window styles as the dialog
// layer hands them to the platform (hidden at creation, centred, 8-point font).
constexpr short WINDOW_WIDTH_DLU = 343;
constexpr short WINDOW_HEIGHT_DLU = 216;
constexpr DWORD WINDOW_STYLE = WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                               DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK | DS_CENTER;
constexpr DWORD WINDOW_EX_STYLE =
    WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
constexpr WORD DIALOG_FONT_POINTS = 8;
constexpr char DIALOG_FONT_FACE[] = "MS Sans Serif";

// The transmitted-text box: place, size, style and font.
constexpr int BOX_X_DLU = 10;
constexpr int BOX_Y_DLU = 15;
constexpr int BOX_WIDTH_DLU = 321;
constexpr int BOX_HEIGHT_DLU = 74;
constexpr DWORD BOX_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                            ES_UPPERCASE | ES_NOHIDESEL | ES_OEMCONVERT | ES_WANTRETURN;
constexpr DWORD BOX_EX_STYLE = WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY;
static_assert(BOX_STYLE == 0x5021150C && BOX_EX_STYLE == 0x204, "the companion's box styles");
constexpr LONG BOX_FONT_HEIGHT = -12;
constexpr char BOX_FONT_FACE[] = "Arial";

// What the poller reads, as the companion reads it: the window by exact caption,
// the last direct child of this class, WM_GETTEXT of at most 28,000 characters.
constexpr char TRAINER_WINDOW_CAPTION[] = "Koch Method CW Trainer - Brenlow";
constexpr char TRAINER_TEXT_CLASS_NAME[] = "TRichEditRx";
constexpr size_t READ_BUFFER_BYTES = 28001;
constexpr UINT READ_INTERVAL_MS = 50;

} // namespace perf
