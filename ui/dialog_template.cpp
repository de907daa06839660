#include "dialog_template.h"

namespace {

constexpr DWORD DEFAULT_DIALOG_STYLE =
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
constexpr DWORD ALWAYS_ADDED_STYLE = DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
constexpr DWORD ALWAYS_REMOVED_STYLE = WS_VISIBLE | DS_SYSMODAL;
constexpr WORD NO_ITEMS = 0;
constexpr WORD NO_MENU = 0;
constexpr WORD STANDARD_DIALOG_CLASS = 0;
constexpr char EMPTY_CAPTION_STAND_IN[] = " ";

void PushDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

// Each byte becomes one 16-bit character as it is: the caption is not converted
// from the code page, so a byte keeps its value in the wide template.
void PushWidened(std::vector<WORD>& words, const std::string& text) {
    for (char c : text) {
        if (c == '\0') {
            break;
        }
        words.push_back(static_cast<unsigned char>(c));
    }
    words.push_back(0);
}

} // namespace

DWORD DialogCreationStyle(DWORD style, int x, int y) {
    DWORD result = style == 0 ? DEFAULT_DIALOG_STYLE : style;
    result |= ALWAYS_ADDED_STYLE;
    result &= ~ALWAYS_REMOVED_STYLE;
    if (x == CENTRED_POSITION || y == CENTRED_POSITION) {
        result |= DS_CENTER;
    }
    return result;
}

std::vector<WORD> DialogTemplateBuild(const std::string& caption, DWORD style, DWORD exStyle, int x,
                                      int y, int width, int height) {
    std::string title = caption.substr(0, DIALOG_CAPTION_MAX_BYTES);
    if (title.empty()) {
        title = EMPTY_CAPTION_STAND_IN;
    }
    std::vector<WORD> words;
    PushDword(words, style);
    PushDword(words, exStyle);
    words.push_back(NO_ITEMS);
    // 16-bit fields: -1 is stored as 0xFFFF, which the platform reads back as -1.
    for (int value : {x, y, width, height}) {
        words.push_back(static_cast<WORD>(value));
    }
    words.push_back(NO_MENU);
    words.push_back(STANDARD_DIALOG_CLASS);
    PushWidened(words, title);
    words.push_back(DIALOG_FONT_POINTS);
    PushWidened(words, DIALOG_FONT_NAME);
    return words;
}
