// Soak: the companion beside the stand-in holding a short text for a long
// stretch of refresh ticks, Compare pressed at an even pace throughout (the
// soak routine the soak test also runs); its resources before and after, and
// how long it ran. The warm-up is a twentieth of the soak, with a floor.
#include "main_dialog_callback.h"
#include "main_window.h"
#include "perf_figures.h"
#include "soak_run.h"
#include "trainer_link.h"
#include "window_programs.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace perf {

namespace {

constexpr int WARM_UP_SHARE = 20;
constexpr DWORD MIN_WARM_UP_MS = 5000;
constexpr int MIN_WARM_UP_PRESSES = 10;

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
    return StartTimed(options.standin, fill, TRAINER_CAPTION, trainer) >= 0 &&
           StartProgram(options.sorvane, "", MAIN_DIALOG_CAPTION, sorvane);
}

void PrintSoak(const DriverOptions& options, const SoakPlan& plan, const SoakResult& soak) {
    std::printf("RESULT soak_text_chars %zu\n", soak.text.size());
    PrintSnapshot("soak_before", soak.before);
    PrintSnapshot("soak_after", soak.after);
    std::printf("RESULT soak_seconds %d\n", options.soakSeconds);
    std::printf("RESULT soak_ticks %lu\n", plan.durationMs / TIMER_REFRESH_MS);
    std::printf("RESULT soak_presses %d\n", soak.answered);
    std::printf("RESULT driver_own_handles %lld\n", HandleCount(GetCurrentProcess()));
}

} // namespace

int SoakFigure(const DriverOptions& options) {
    const SoakPlan plan = PlanFor(options);
    Running trainer;
    Running sorvane;
    SoakResult soak;
    const bool soaked =
        StartPair(options, &trainer, &sorvane) &&
        RunSoak({sorvane.window, sorvane.process.handle, sorvane.process.id, sorvane.linuxPid},
                trainer.window, plan, &soak);
    if (soaked) {
        PrintSoak(options, plan, soak);
    }
    CloseProgram(&sorvane);
    CloseProgram(&trainer);
    return soaked && soak.answered == plan.presses ? 0 : 1;
}

} // namespace perf
