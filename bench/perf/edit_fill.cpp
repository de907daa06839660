// Compare round-trip floor: how long the platform's own multi-line edit box of
// the companion's size, style and font takes to accept a text with
// SetWindowTextA, timed in-process. The box is emptied and the window painted
// between runs, as the benchmark empties the companion's box before each press.
// Usage: perf_edit_fill TEXT_FILE RUNS      Prints "RESULT edit_fill_ms <median>".
#include "drive.h"
#include "floor_dialog.h"
#include "main_window.h"
#include "main_window_build.h"
#include "outside_figures.h"
#include "test_files.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD SETTLE_MS = 200;
constexpr int USAGE_ERROR = 2;
constexpr int SETUP_ERROR = 1;
constexpr LPARAM REDRAW = TRUE;
constexpr LPARAM NO_REDRAW = FALSE;

HWND AddBox(HWND dialog, HFONT font) {
    RECT rect{TRANSMITTED_BOX_X, TRANSMITTED_BOX_Y, TRANSMITTED_BOX_X + TEXT_BOX_WIDTH,
              TRANSMITTED_BOX_Y + TEXT_BOX_HEIGHT};
    MapDialogRect(dialog, &rect);
    HWND box = CreateWindowExA(TEXT_BOX_EX_STYLE, "EDIT", "", TEXT_BOX_STYLE, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_TRANSMITTED_TEXT)),
                               GetModuleHandleA(nullptr), nullptr);
    SendMessageA(box, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), REDRAW);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), NO_REDRAW);
    return box;
}

// One timed fill of an emptied box; negative when the box did not take it all.
double TimedFill(HWND box, const std::string& text) {
    SetWindowTextA(box, "");
    drive::PumpFor(SETTLE_MS);
    const double start = perf::NowMs();
    SetWindowTextA(box, text.c_str());
    const double elapsed = perf::NowMs() - start;
    drive::PumpFor(SETTLE_MS);
    return GetWindowTextLengthA(box) == static_cast<int>(text.size()) ? elapsed : -1.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: perf_edit_fill TEXT_FILE RUNS\n");
        return USAGE_ERROR;
    }
    const std::string text = testfiles::ReadBytes(drive::ToWindowsPath(argv[1]));
    const int runs = std::atoi(argv[2]);
    HWND dialog = perf::CreateFloorDialog(perf::EDIT_FILL_CAPTION, perf::ClosingDialogProc);
    HFONT font = CreateTextFont();
    HWND box = dialog == nullptr ? nullptr : AddBox(dialog, font);
    if (box == nullptr || text.empty()) {
        std::fprintf(stderr, "perf_edit_fill: no window or no text\n");
        return SETUP_ERROR;
    }
    ShowWindow(dialog, SW_SHOW);
    TimedFill(box, text); // warm-up
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        const double ms = TimedFill(box, text);
        if (ms < 0) {
            std::fprintf(stderr, "perf_edit_fill: the box did not take the whole text\n");
            return SETUP_ERROR;
        }
        std::printf("SAMPLE edit_fill_ms %.1f\n", ms);
        samples.push_back(ms);
    }
    std::printf("RESULT edit_fill_chars %zu\n", text.size());
    std::printf("RESULT edit_fill_ms %.1f\n", perf::Median(samples));
    DestroyWindow(dialog);
    DeleteObject(font);
    return 0;
}
