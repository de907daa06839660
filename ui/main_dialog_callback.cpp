#include "main_dialog_callback.h"

#include "dialog_layer.h"
#include "main_window.h"
#include "run_comparison.h"
#include "trainer_link.h"

namespace {

constexpr char TRAINER_WORD_START[] = "Start";
constexpr char TRAINER_WORD_STOP[] = "Stop";
constexpr int32_t QUIT_END_VALUE = 0;

// Moved in, so replacing the text needs no memory; a read that had none is empty.
void OnRefreshTick() {
    LatestTransmission = ReadTransmittedText();
}

void OnStatusClearTick(HWND window) {
    KillTimer(window, TIMER_STATUS_CLEAR);
    ControlSetText(MainDialog, ID_STATUS_LINE, "");
}

void OnErase() {
    ControlSetText(MainDialog, ID_TRANSMITTED_TEXT, "");
    ControlSetText(MainDialog, ID_TYPED_TEXT, "");
    ControlSetText(MainDialog, ID_STATUS_LINE, "");
}

// The boxes are emptied before the trainer is told to start, and the focus moves
// only once the trainer has handled it or the not-running box was dismissed.
void OnBegin() {
    ControlSetText(MainDialog, ID_TYPED_TEXT, "");
    ControlSetText(MainDialog, ID_STATUS_LINE, "");
    ControlSetText(MainDialog, ID_TRANSMITTED_TEXT, "");
    SendTrainerCommand(TRAINER_WORD_START);
    ControlSetFocus(MainDialog, ID_TYPED_TEXT);
}

// A second press while the notice shows restarts its 2 s from this press.
void OnRun() {
    if (FindTrainerWindow() != nullptr) {
        ControlSetText(MainDialog, ID_STATUS_LINE, STATUS_TRAINER_RUNNING);
        SetTimer(MainDialog, TIMER_STATUS_CLEAR, TIMER_STATUS_CLEAR_MS, nullptr);
    } else {
        LaunchTrainer();
    }
}

void OnCommand(HWND window, int id, int notification) {
    switch (id) {
    case ID_QUIT:
        // Only a click quits; any other notification carrying IDCANCEL does nothing.
        if (notification == BN_CLICKED) {
            DialogEnd(window, QUIT_END_VALUE);
        }
        break;
    case ID_ERASE: OnErase(); break;
    case ID_BEGIN: OnBegin(); break;
    case ID_STOP: SendTrainerCommand(TRAINER_WORD_STOP); break;
    case ID_COMPARE: RunComparison(); break;
    case ID_RUN: OnRun(); break;
    default: break;
    }
}

void OnTimer(HWND window, UINT_PTR timer) {
    if (timer == TIMER_STATUS_CLEAR) {
        OnStatusClearTick(window);
    } else if (timer == TIMER_REFRESH) {
        OnRefreshTick();
    }
}

void OnDestroy(HWND window) {
    DeleteObject(TextFont);
    KillTimer(window, TIMER_REFRESH);
    KillTimer(window, TIMER_STATUS_CLEAR);
}

} // namespace

INT_PTR MainDialogCallback(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: SetTimer(MainDialog, TIMER_REFRESH, TIMER_REFRESH_MS, nullptr); break;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam), HIWORD(wParam)); break;
    case WM_TIMER: OnTimer(window, wParam); break;
    case WM_DESTROY: OnDestroy(window); break;
    default: break;
    }
    return 0;
}
