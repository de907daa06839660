#include "floor_dialog.h"

#include "perf_floors.h"

#include <vector>

namespace perf {

namespace {

constexpr WORD NO_ITEMS = 0;
constexpr WORD NO_MENU = 0;
constexpr WORD STANDARD_CLASS = 0;
constexpr short CENTRED = 0; // DS_CENTER places the window

void PushWide(std::vector<WORD>* words, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        words->push_back(static_cast<unsigned char>(*c));
    }
    words->push_back(0);
}

std::vector<WORD> FloorTemplate(const char* caption) {
    std::vector<WORD> words = {LOWORD(WINDOW_STYLE),
                               HIWORD(WINDOW_STYLE),
                               LOWORD(WINDOW_EX_STYLE),
                               HIWORD(WINDOW_EX_STYLE),
                               NO_ITEMS,
                               static_cast<WORD>(CENTRED),
                               static_cast<WORD>(CENTRED),
                               static_cast<WORD>(WINDOW_WIDTH_DLU),
                               static_cast<WORD>(WINDOW_HEIGHT_DLU),
                               NO_MENU,
                               STANDARD_CLASS};
    PushWide(&words, caption);
    words.push_back(DIALOG_FONT_POINTS);
    PushWide(&words, DIALOG_FONT_FACE);
    return words;
}

} // namespace

HWND CreateFloorDialog(const char* caption, DLGPROC procedure) {
    const std::vector<WORD> words = FloorTemplate(caption);
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                      reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), nullptr,
                                      procedure, 0);
}

INT_PTR CALLBACK ClosingDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_CLOSE: DestroyWindow(dialog); return TRUE;
    case WM_DESTROY: PostQuitMessage(0); return TRUE;
    default: return FALSE;
    }
}

int RunBlockingLoop(HWND dialog) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}

} // namespace perf
