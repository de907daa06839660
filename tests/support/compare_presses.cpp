#include "compare_presses.h"

#include "drive.h"
#include "main_window.h"
#include "perf_timing.h"
#include "trainer_link.h"

#include <vector>

namespace perf {

namespace {

constexpr DWORD ANSWER_POLL_MS = 1;
constexpr DWORD SET_TEXT_TIMEOUT_MS = 10000;
// Presses that fall this far behind their schedule are given up, so a companion
// that answers slowly ends a soak in bounded time.
constexpr double OVERRUN_FACTOR = 2.0;

// Bounded, so a companion that hangs ends the measurement instead of stalling it.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

} // namespace

double PressCompareTimed(HWND window, DWORD timeoutMs) {
    HWND status = GetDlgItem(window, ID_STATUS_LINE);
    static const char EMPTY[] = "";
    SendBounded(status, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(EMPTY), SET_TEXT_TIMEOUT_MS);
    const double start = NowMs();
    drive::PostClick(window, ID_COMPARE);
    for (double now = start; now - start < timeoutMs; now = NowMs()) {
        const auto left = static_cast<DWORD>(timeoutMs - (now - start)) + 1;
        if (SendBounded(status, WM_GETTEXTLENGTH, 0, 0, left) > 0) {
            return NowMs() - start;
        }
        Sleep(ANSWER_POLL_MS);
    }
    return -1.0;
}

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

std::string ReadTrainerText(HWND trainerFrame) {
    HWND text = FindWindowExA(trainerFrame, nullptr, TRAINER_TEXT_CLASS, nullptr);
    std::vector<char> buffer(TEXT_BUFFER_SIZE, '\0');
    const LRESULT got = SendBounded(text, WM_GETTEXT, TEXT_BUFFER_SIZE - 1,
                                    reinterpret_cast<LPARAM>(buffer.data()), SET_TEXT_TIMEOUT_MS);
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

} // namespace perf
