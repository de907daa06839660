// The program's main routine: build the companion window and run it until it is
// closed. The four start-up values are not used; the window shows itself.
#include "dialog_layer.h"
#include "main_dialog_callback.h"
#include "main_window.h"
#include "main_window_build.h"

namespace {
constexpr int EXIT_CODE = 0;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    BuildMainWindow();
    DialogShowModal(MainDialog, MainDialogCallback, nullptr);
    return EXIT_CODE;
}
