#include "soak_run.h"

#include "drive.h"
#include "main_window.h"

namespace perf {

namespace {

constexpr DWORD ANSWER_POLL_MS = 1;
constexpr DWORD PRESS_ANSWER_TIMEOUT_MS = 20000;
constexpr DWORD SET_TEXT_TIMEOUT_MS = 10000;
// Presses that fall this far behind their schedule are given up, so a companion
// that answers slowly ends a soak in bounded time.
constexpr double OVERRUN_FACTOR = 2.0;
// A rest after the last press, so "after" does not catch its work half done.
constexpr DWORD SETTLE_MS = 2000;

// Bounded, so a companion that hangs ends the measurement instead of stalling it.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

// `presses` presses spread evenly over `durationMs`; returns when the time is
// up. Returns the number of presses that were answered.
int PressEvenly(HWND window, int presses, DWORD durationMs) {
    const double start = NowMs();
    const double interval = presses > 0 ? static_cast<double>(durationMs) / presses : 0.0;
    int answered = 0;
    for (int i = 0; i < presses && NowMs() - start < durationMs * OVERRUN_FACTOR; ++i) {
        while (NowMs() - start < interval * i) {
            Sleep(ANSWER_POLL_MS);
        }
        if (PressCompareTimed(window) >= 0) {
            ++answered;
        }
    }
    while (NowMs() - start < durationMs) {
        Sleep(ANSWER_POLL_MS);
    }
    return answered;
}

} // namespace

double PressCompareTimed(HWND window) {
    HWND status = GetDlgItem(window, ID_STATUS_LINE);
    static const char EMPTY[] = "";
    SendBounded(status, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(EMPTY), SET_TEXT_TIMEOUT_MS);
    const double start = NowMs();
    drive::PostClick(window, ID_COMPARE);
    for (double now = start; now - start < PRESS_ANSWER_TIMEOUT_MS; now = NowMs()) {
        const auto left = static_cast<DWORD>(PRESS_ANSWER_TIMEOUT_MS - (now - start)) + 1;
        if (SendBounded(status, WM_GETTEXTLENGTH, 0, 0, left) > 0) {
            return NowMs() - start;
        }
        Sleep(ANSWER_POLL_MS);
    }
    return -1.0;
}

bool RunSoak(const SoakTarget& sorvane, HWND trainerFrame, const SoakPlan& plan,
             SoakResult* result) {
    result->text = drive::StandinText(trainerFrame).substr(0, drive::TRAINER_READ_LIMIT);
    if (result->text.empty()) {
        return false;
    }
    drive::SetWindowTextAcross(GetDlgItem(sorvane.window, ID_TYPED_TEXT), result->text);
    result->warmUpAnswered = PressEvenly(sorvane.window, plan.warmUpPresses, plan.warmUpMs);
    result->before = TakeSnapshot(sorvane.process, sorvane.processId, sorvane.linuxPid);
    result->answered = PressEvenly(sorvane.window, plan.presses, plan.durationMs);
    Sleep(SETTLE_MS);
    result->after = TakeSnapshot(sorvane.process, sorvane.processId, sorvane.linuxPid);
    return true;
}

} // namespace perf
