#include "main_window_build.h"

#include "dialog_layer.h"
#include "main_window.h"

#include <cstring>

namespace {

constexpr LONG TEXT_FONT_HEIGHT = -12; // negative: character height, not cell height
constexpr LONG TEXT_FONT_WIDTH = 0;    // the platform picks the width
constexpr LONG TEXT_FONT_WEIGHT = FW_NORMAL;
constexpr char TEXT_FONT_FACE[] = "Arial";
static_assert(sizeof(TEXT_FONT_FACE) <= LF_FACESIZE, "face name must fit LOGFONT");

constexpr HWND NO_PARENT = nullptr;
constexpr int CENTRED = -1;
constexpr DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD BUTTON_EX_STYLE = WS_EX_NOPARENTNOTIFY;
constexpr DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE;
constexpr DWORD LABEL_EX_STYLE = WS_EX_NOPARENTNOTIFY;
constexpr DWORD STATUS_STYLE = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_SUNKEN;
constexpr DWORD STATUS_EX_STYLE = WS_EX_STATICEDGE | WS_EX_NOPARENTNOTIFY;

constexpr LPARAM NO_REDRAW = FALSE; // the window is still hidden

struct ControlSpec {
    int id;
    ControlKind kind;
    const char* caption;
    int x, y, width, height;
    DWORD style;
    DWORD exStyle;
    bool textFont;
};

// Creation order is also the Tab order: 102, 107, 104, 108, 105, 106, 2, 101.
constexpr ControlSpec CONTROLS[] = {
    {ID_TYPED_TEXT, ControlKind::TextBox, "", 10, 115, TEXT_BOX_WIDTH, TEXT_BOX_HEIGHT,
     TEXT_BOX_STYLE, TEXT_BOX_EX_STYLE, true},
    {ID_COMPARE, ControlKind::Button, "&Compare Text", 220, 195, 53, 14, BUTTON_STYLE,
     BUTTON_EX_STYLE, false},
    {ID_ERASE, ControlKind::Button, "&Erase Text", 10, 195, 53, 14, BUTTON_STYLE, BUTTON_EX_STYLE,
     false},
    {ID_RUN, ControlKind::Button, "&Run Brenlow", 159, 95, 53, 14, BUTTON_STYLE, BUTTON_EX_STYLE,
     false},
    {ID_BEGIN, ControlKind::Button, "&Begin CW", 219, 95, 53, 14, BUTTON_STYLE, BUTTON_EX_STYLE,
     false},
    {ID_STOP, ControlKind::Button, "&Stop CW", 279, 95, 53, 14, BUTTON_STYLE, BUTTON_EX_STYLE,
     false},
    {ID_QUIT, ControlKind::Button, "&Quit", 280, 195, 53, 14, BUTTON_STYLE, BUTTON_EX_STYLE, false},
    {ID_TRANSMITTED_TEXT, ControlKind::TextBox, "", TRANSMITTED_BOX_X, TRANSMITTED_BOX_Y,
     TEXT_BOX_WIDTH, TEXT_BOX_HEIGHT, TEXT_BOX_STYLE, TEXT_BOX_EX_STYLE, true},
    {ID_TRANSMITTED_LABEL, ControlKind::Label, "Koch Trainer Transmission Text", 10, 5, 220, 8,
     LABEL_STYLE, LABEL_EX_STYLE, false},
    {ID_STATUS_LINE, ControlKind::Label, "", 70, 196, 144, 12, STATUS_STYLE, STATUS_EX_STYLE, true},
    {ID_TYPED_LABEL, ControlKind::Label, "Type Received Text in this window", 10, 105, 123, 8,
     LABEL_STYLE, LABEL_EX_STYLE, false},
};

// The shared stock icon, small first, then big; never destroyed.
void SetStockIcons(HWND dialog) {
    DialogSend(dialog, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
    DialogSend(dialog, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
}

void AddControls(HWND dialog) {
    for (const ControlSpec& c : CONTROLS) {
        ControlAdd(dialog, c.id, c.caption, c.x, c.y, c.width, c.height, c.style, c.exStyle,
                   c.kind);
        if (c.textFont) {
            ControlSend(dialog, c.id, WM_SETFONT, reinterpret_cast<WPARAM>(TextFont), NO_REDRAW);
        }
    }
}

} // namespace

HFONT CreateTextFont() {
    LOGFONTA font;
    std::memset(&font, 0, sizeof(font));
    GetObjectA(GetStockObject(ANSI_VAR_FONT), sizeof(font), &font);
    font.lfHeight = TEXT_FONT_HEIGHT;
    font.lfWidth = TEXT_FONT_WIDTH;
    font.lfWeight = TEXT_FONT_WEIGHT;
    std::memcpy(font.lfFaceName, TEXT_FONT_FACE, sizeof(TEXT_FONT_FACE));
    return CreateFontIndirectA(&font);
}

HWND BuildMainWindow() {
    TextFont = CreateTextFont();
    MainDialog = DialogNew(NO_PARENT, MAIN_DIALOG_CAPTION, CENTRED, CENTRED, MAIN_DIALOG_WIDTH,
                           MAIN_DIALOG_HEIGHT, MAIN_DIALOG_STYLE, MAIN_DIALOG_EX_STYLE);
    SetStockIcons(MainDialog);
    AddControls(MainDialog);
    return MainDialog;
}
