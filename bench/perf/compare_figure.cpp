// Compare round trip: a click on Compare with 27,999 transmitted characters and
// a typed text that matches them all, until the status line is set again. The
// transmitted box is emptied before each press, as the edit-fill floor empties
// its box, and the text read is left in a file for that floor. The trainer holds
// practice copy in its short lines, or as one unbroken paragraph when asked.
#include "box_text.h"
#include "soak_run.h"
#include "drive.h"
#include "main_window.h"
#include "perf_figures.h"
#include "test_files.h"
#include "trainer_link.h"
#include "window_programs.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace perf {

namespace {

constexpr char UNBROKEN_TEXT_SWITCH[] = "--fill-unbroken ";
// Several refresh ticks, so the companion holds the trainer's text.
constexpr DWORD TICKS_SETTLE_MS = 500;
constexpr DWORD BETWEEN_PRESSES_MS = 300;

// A press on an emptied transmitted box; negative when no answer came.
double OnePress(HWND window) {
    drive::SetWindowTextAcross(GetDlgItem(window, ID_TRANSMITTED_TEXT), "");
    Sleep(BETWEEN_PRESSES_MS);
    return PressCompareTimed(window);
}

bool Prepare(HWND window, HWND trainerFrame, const DriverOptions& options, std::string* text) {
    *text = ReadTrainerText(trainerFrame);
    if (text->empty() || !testfiles::WriteBytes(options.textOut, *text)) {
        std::fprintf(stderr, "compare: no trainer text, or %s not writable\n",
                     options.textOut.c_str());
        return false;
    }
    drive::SetWindowTextAcross(GetDlgItem(window, ID_TYPED_TEXT), *text);
    Sleep(TICKS_SETTLE_MS);
    return OnePress(window) >= 0; // warm-up
}

void PrintCheck(const char* name, HWND window, const std::string& text) {
    const std::string status = drive::WindowText(GetDlgItem(window, ID_STATUS_LINE));
    std::printf("RESULT %s_chars %zu\n", name, text.size());
    std::printf("RESULT %s_box_chars %zu\n", name,
                drive::WindowText(GetDlgItem(window, ID_TRANSMITTED_TEXT)).size());
    std::printf("RESULT %s_nonblank %zu\n", name, NonBlankCount(text));
    std::printf("RESULT %s_matched %ld\n", name, std::atol(status.c_str()));
}

// The stand-in's practice copy in its short lines, or as one unbroken paragraph.
std::string TrainerArguments(const DriverOptions& options) {
    if (options.unbrokenChars == 0) {
        return FULL_TEXT_ARGUMENTS;
    }
    return UNBROKEN_TEXT_SWITCH + std::to_string(options.unbrokenChars);
}

} // namespace

int CompareFigure(const DriverOptions& options) {
    Running trainer;
    Running sorvane;
    std::string text;
    const bool ready =
        StartTimed(options.standin, TrainerArguments(options), TRAINER_CAPTION, &trainer) >= 0 &&
        StartTimed(options.sorvane, "", MAIN_DIALOG_CAPTION, &sorvane) >= 0 &&
        Prepare(sorvane.window, trainer.window, options, &text);
    std::vector<double> samples;
    for (int run = 0; ready && run < options.runs; ++run) {
        const double ms = OnePress(sorvane.window);
        std::printf("SAMPLE %s_ms %.1f\n", options.figureName.c_str(), ms);
        if (ms >= 0) {
            samples.push_back(ms);
        }
    }
    if (ready) {
        PrintCheck(options.figureName.c_str(), sorvane.window, text);
        std::printf("RESULT %s_ms %.1f\n", options.figureName.c_str(), Median(samples));
    }
    CloseProgram(&sorvane);
    CloseProgram(&trainer);
    return ready && static_cast<int>(samples.size()) == options.runs ? 0 : 1;
}

} // namespace perf
