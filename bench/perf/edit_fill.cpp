// Compare round-trip floor: how long the platform's own multi-line edit box of
// the companion's size, style and font takes to accept a text with
// SetWindowTextA, timed in-process. The box is emptied and the window painted
// between runs, as the benchmark empties the companion's box before each press.
// Usage: perf_edit_fill TEXT_FILE RUNS      Prints "RESULT edit_fill_ms <median>".
#include "floor_dialog.h"
#include "perf_floors.h"
#include "perf_timing.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int BOX_ID = 101;
constexpr DWORD SETTLE_MS = 200;
constexpr int USAGE_ERROR = 2;
constexpr int SETUP_ERROR = 1;
constexpr LPARAM REDRAW = TRUE;
constexpr LPARAM NO_REDRAW = FALSE;

std::string ReadFileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Arial 12 on the stock variable-pitch font's description, as the companion makes it.
HFONT CreateBoxFont() {
    LOGFONTA font;
    std::memset(&font, 0, sizeof(font));
    GetObjectA(GetStockObject(ANSI_VAR_FONT), sizeof(font), &font);
    font.lfHeight = perf::BOX_FONT_HEIGHT;
    font.lfWidth = 0;
    font.lfWeight = FW_NORMAL;
    std::strcpy(font.lfFaceName, perf::BOX_FONT_FACE);
    return CreateFontIndirectA(&font);
}

HWND AddBox(HWND dialog, HFONT font) {
    RECT rect{perf::BOX_X_DLU, perf::BOX_Y_DLU, perf::BOX_X_DLU + perf::BOX_WIDTH_DLU,
              perf::BOX_Y_DLU + perf::BOX_HEIGHT_DLU};
    MapDialogRect(dialog, &rect);
    HWND box = CreateWindowExA(perf::BOX_EX_STYLE, "EDIT", "", perf::BOX_STYLE, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(BOX_ID)),
                               GetModuleHandleA(nullptr), nullptr);
    SendMessageA(box, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), REDRAW);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), NO_REDRAW);
    return box;
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(1);
    } while (GetTickCount() - start < milliseconds);
}

// One timed fill of an emptied box; negative when the box did not take it all.
double TimedFill(HWND box, const std::string& text) {
    SetWindowTextA(box, "");
    Pump(SETTLE_MS);
    const double start = perf::NowMs();
    SetWindowTextA(box, text.c_str());
    const double elapsed = perf::NowMs() - start;
    Pump(SETTLE_MS);
    return GetWindowTextLengthA(box) == static_cast<int>(text.size()) ? elapsed : -1.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: perf_edit_fill TEXT_FILE RUNS\n");
        return USAGE_ERROR;
    }
    const std::string text = ReadFileBytes(argv[1]);
    const int runs = std::atoi(argv[2]);
    HWND dialog = perf::CreateFloorDialog(perf::EDIT_FILL_CAPTION, perf::ClosingDialogProc);
    HFONT font = CreateBoxFont();
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
