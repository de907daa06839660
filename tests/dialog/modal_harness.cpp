#include "modal_harness.h"

#include <algorithm>

namespace {

constexpr UINT WM_RUN_STEP = WM_APP + 0x100;
constexpr UINT_PTR SAFETY_TIMER_ID = 0x5AFE;
constexpr int TEST_DIALOG_POS = 10;
constexpr int TEST_DIALOG_WIDTH = 200;
constexpr int TEST_DIALOG_HEIGHT = 100;
constexpr char TEST_DIALOG_CAPTION[] = "dialog layer test";

// The handler is a plain function pointer, so the run it serves lives here.
struct Current {
    ModalRun* run;
    const ModalStep* step;
    const HandlerReply* reply;
};
Current Active{};

INT_PTR RecordingHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Active.run->messages.push_back({message, wParam, lParam, IsWindowVisible(dialog) != 0});
    if (message == WM_INITDIALOG) {
        PostMessageA(dialog, WM_RUN_STEP, 0, 0);
        SetTimer(dialog, SAFETY_TIMER_ID, MODAL_SAFETY_MS, nullptr);
    } else if (message == WM_RUN_STEP) {
        (*Active.step)(dialog);
    } else if (message == WM_TIMER && wParam == SAFETY_TIMER_ID) {
        Active.run->timedOut = true;
        DialogEnd(dialog, TIMED_OUT_END_VALUE);
        return 0;
    }
    return *Active.reply ? (*Active.reply)(dialog, message, wParam, lParam) : 0;
}

} // namespace

HWND NewTestDialog(DWORD style) {
    return DialogNew(nullptr, TEST_DIALOG_CAPTION, TEST_DIALOG_POS, TEST_DIALOG_POS,
                     TEST_DIALOG_WIDTH, TEST_DIALOG_HEIGHT, style, 0);
}

ModalRun RunModal(HWND dialog, const ModalStep& step, const HandlerReply& reply,
                  int32_t initialEndValue) {
    ModalRun run{{}, initialEndValue, false};
    Active = Current{&run, &step, &reply};
    DialogShowModal(dialog, RecordingHandler, &run.endValue);
    Active = Current{};
    return run;
}

int CountMessages(const ModalRun& run, UINT message) {
    return static_cast<int>(
        std::count_if(run.messages.begin(), run.messages.end(),
                      [message](const LoggedMessage& m) { return m.message == message; }));
}
