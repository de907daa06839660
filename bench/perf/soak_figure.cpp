// Soak: the companion runs beside the stand-in holding a short text for a long
// stretch of refresh ticks, with Compare pressed at an even pace throughout;
// resident memory and object counts are compared before and after. A first
// stretch at the same pace lets one-off allocations happen before "before".
#include "drive.h"
#include "compare_presses.h"
#include "main_window.h"
#include "perf_figures.h"
#include "perf_floors.h"
#include "process_probe.h"
#include "resource_snapshot.h"
#include "window_programs.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace perf {

namespace {

constexpr double MS_PER_SECOND = 1000.0;
constexpr int WARM_UP_SHARE = 20; // the warm-up is a twentieth of the soak
constexpr DWORD MIN_WARM_UP_MS = 5000;
constexpr int MIN_WARM_UP_PRESSES = 10;
constexpr DWORD SETTLE_MS = 2000;

struct SoakPlan {
    DWORD durationMs;
    int presses;
    DWORD warmUpMs;
    int warmUpPresses;
};

SoakPlan PlanFor(const DriverOptions& options) {
    SoakPlan plan;
    plan.durationMs = static_cast<DWORD>(options.soakSeconds * MS_PER_SECOND);
    plan.presses = options.soakPresses;
    plan.warmUpMs = std::max(MIN_WARM_UP_MS, plan.durationMs / WARM_UP_SHARE);
    plan.warmUpPresses = std::max(MIN_WARM_UP_PRESSES, plan.presses / WARM_UP_SHARE);
    return plan;
}

bool StartPair(const DriverOptions& options, Running* trainer, Running* sorvane) {
    const std::string fill = "--fill " + std::to_string(options.soakChars);
    if (StartTimed(options.standin, fill, TRAINER_WINDOW_CAPTION, trainer) < 0 ||
        !StartProgram(options.sorvane, "", MAIN_DIALOG_CAPTION, sorvane)) {
        return false;
    }
    const std::string text = ReadTrainerText(trainer->window, READ_BUFFER_BYTES);
    drive::SetWindowTextAcross(GetDlgItem(sorvane->window, ID_TYPED_TEXT), text);
    std::printf("RESULT soak_text_chars %zu\n", text.size());
    return !text.empty();
}

} // namespace

int SoakFigure(const DriverOptions& options) {
    const SoakPlan plan = PlanFor(options);
    Running trainer;
    Running sorvane;
    int answered = -1;
    if (StartPair(options, &trainer, &sorvane)) {
        PressEvenly(sorvane.window, plan.warmUpPresses, plan.warmUpMs);
        PrintSnapshot("soak_before",
                      TakeSnapshot(sorvane.process.handle, sorvane.process.id, sorvane.linuxPid));
        answered = PressEvenly(sorvane.window, plan.presses, plan.durationMs);
        Sleep(SETTLE_MS);
        PrintSnapshot("soak_after",
                      TakeSnapshot(sorvane.process.handle, sorvane.process.id, sorvane.linuxPid));
        std::printf("RESULT soak_seconds %d\n", options.soakSeconds);
        std::printf("RESULT soak_ticks %lu\n", plan.durationMs / READ_INTERVAL_MS);
        std::printf("RESULT soak_presses %d\n", answered);
        std::printf("RESULT driver_own_handles %lld\n", HandleCount(GetCurrentProcess()));
    }
    CloseProgram(&sorvane);
    CloseProgram(&trainer);
    return answered == plan.presses ? 0 : 1;
}

} // namespace perf
