// Start-up floor: the least a program can do to show a dialog like the
// companion's, one dialog from an in-memory template, shown; closed by its close box.
#include "floor_dialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HWND dialog = perf::CreateFloorDialog(perf::BARE_DIALOG_CAPTION, perf::ClosingDialogProc);
    if (dialog == nullptr) {
        return 1;
    }
    ShowWindow(dialog, SW_SHOW);
    return perf::RunBlockingLoop(dialog);
}
