// Idle-cost floor: an empty window run by the companion's polling loop
// (PeekMessageA, Sleep(1) when the queue is empty, IsWindow after each round),
// doing the companion's refresh every 50 ms: find the trainer by caption, walk
// its direct children, WM_GETTEXT of up to 28,000 characters from the last one
// of the text class. What stays above this floor is the companion's own cost.
#include "floor_dialog.h"
#include "perf_floors.h"

#include <cstring>

namespace {

constexpr UINT_PTR READ_TIMER = 2;
constexpr DWORD IDLE_POLL_MS = 1;
constexpr int CLASS_NAME_BYTES = 100;

// Static, like the companion's fixed buffer: the read must not churn the heap.
char ReadBuffer[perf::READ_BUFFER_BYTES];

void ReadTrainerText() {
    HWND trainer = FindWindowA(nullptr, perf::TRAINER_WINDOW_CAPTION);
    if (trainer == nullptr) {
        return;
    }
    for (HWND child = FindWindowExA(trainer, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(trainer, child, nullptr, nullptr)) {
        char className[CLASS_NAME_BYTES] = {};
        GetClassNameA(child, className, CLASS_NAME_BYTES);
        if (std::strcmp(className, perf::TRAINER_TEXT_CLASS_NAME) == 0) {
            SendMessageA(child, WM_GETTEXT, perf::READ_BUFFER_BYTES - 1,
                         reinterpret_cast<LPARAM>(ReadBuffer));
        }
    }
}

INT_PTR CALLBACK PollerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_TIMER:
        if (wParam == READ_TIMER) {
            ReadTrainerText();
        }
        return TRUE;
    case WM_CLOSE: DestroyWindow(dialog); return TRUE;
    case WM_DESTROY: KillTimer(dialog, READ_TIMER); return TRUE;
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
    SetTimer(dialog, READ_TIMER, perf::READ_INTERVAL_MS, nullptr);
    ShowWindow(dialog, SW_SHOW);
    PollUntilGone(dialog);
    return 0;
}
