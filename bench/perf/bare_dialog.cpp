// Start-up floor: the least a program can do to show a dialog like the
// companion's, one dialog from an in-memory template, shown and run with the
// dialog keyboard interface until its close box ends it.
#include "floor_dialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HWND dialog = perf::CreateFloorDialog(perf::BARE_DIALOG_CAPTION, perf::ClosingDialogProc);
    if (dialog == nullptr) {
        return 1;
    }
    ShowWindow(dialog, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
