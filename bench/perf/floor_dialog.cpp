#include "floor_dialog.h"

#include "dialog_template.h"
#include "main_window_build.h"

#include <vector>

namespace perf {

// The companion's own template: the dialog layer's builder with the window's
// size and styles.
HWND CreateFloorDialog(const char* caption, DLGPROC procedure) {
    const std::vector<WORD> words = DialogTemplateBuild(
        caption, DialogCreationStyle(MAIN_DIALOG_STYLE, CENTRED_POSITION, CENTRED_POSITION),
        MAIN_DIALOG_EX_STYLE, CENTRED_POSITION, CENTRED_POSITION, MAIN_DIALOG_WIDTH,
        MAIN_DIALOG_HEIGHT);
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

} // namespace perf
