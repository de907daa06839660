// Idle-cost floor: an empty window run by the companion's polling loop
// (PeekMessageA, Sleep(1) when the queue is empty, IsWindow after each round),
// doing the companion's refresh every 50 ms: find the trainer by caption, walk
// its direct children, WM_GETTEXT of up to 28,000 characters from the last one
// of the text class. What stays above this floor is the companion's own cost.
#include "floor_dialog.h"
#include "main_dialog_callback.h"
#include "trainer_link.h"

#include <cstring>

namespace {

constexpr DWORD IDLE_POLL_MS = 1;
constexpr int CLASS_NAME_BYTES = 100;

// Static, like the companion's fixed buffer: the read must not churn the heap.
char ReadBuffer[TEXT_BUFFER_SIZE];

void ReadTrainerText() {
    HWND trainer = FindWindowA(nullptr, TRAINER_CAPTION);
    if (trainer == nullptr) {
        return;
    }
    for (HWND child = FindWindowExA(trainer, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(trainer, child, nullptr, nullptr)) {
        char className[CLASS_NAME_BYTES] = {};
        GetClassNameA(child, className, CLASS_NAME_BYTES);
        if (std::strcmp(className, TRAINER_TEXT_CLASS) == 0) {
            SendMessageA(child, WM_GETTEXT, TEXT_BUFFER_SIZE - 1,
                         reinterpret_cast<LPARAM>(ReadBuffer));
        }
    }
}

INT_PTR CALLBACK PollerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_TIMER:
        if (wParam == TIMER_REFRESH) {
            ReadTrainerText();
        }
        return TRUE;
    case WM_CLOSE: DestroyWindow(dialog); return TRUE;
    case WM_DESTROY: KillTimer(dialog, TIMER_REFRESH); return TRUE;
    default: return FALSE;
    }
}

void PollUntilGone(HWND dialog) {
    do {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(IDLE_POLL_MS);
        } else if (!IsWindow(dialog) || !IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    } while (IsWindow(dialog));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HWND dialog = perf::CreateFloorDialog(perf::BARE_POLLER_CAPTION, PollerProc);
    if (dialog == nullptr) {
        return 1;
    }
    SetTimer(dialog, TIMER_REFRESH, TIMER_REFRESH_MS, nullptr);
    ShowWindow(dialog, SW_SHOW);
    PollUntilGone(dialog);
    return 0;
}
