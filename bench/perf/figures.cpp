// The four figures the driver runs, each against what its floor costs in the
// same run.
#include "drive.h"
#include "floor_dialog.h"
#include "main_dialog_callback.h"
#include "main_window.h"
#include "outside_figures.h"
#include "perf_driver.h"
#include "sorvane_facts.h"
#include "standin_client.h"
#include "test_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace perf {

namespace {

constexpr DWORD BETWEEN_STARTS_MS = 500;
constexpr int WARM_UP_STARTS = 1;
constexpr DWORD IDLE_SETTLE_MS = 2000;
constexpr double PERCENT = 100.0;
constexpr char UNBROKEN_TEXT_SWITCH[] = "--fill-unbroken ";
constexpr DWORD BETWEEN_PRESSES_MS = 300;
constexpr int WARM_UP_SHARE = 20;
constexpr DWORD MIN_WARM_UP_MS = 5000;
constexpr int MIN_WARM_UP_PRESSES = 10;
constexpr DWORD PROGRAM_START_TIMEOUT_MS = 30000;
constexpr DWORD CLOSE_WAIT_MS = 10000;
constexpr DWORD START_POLL_MS = 1;

// The milliseconds from just before process creation to the program's window
// being visible; negative when it did not show in time.
double StartTimed(const std::string& exe, const std::string& arguments, const char* caption,
                  drive::Program* program) {
    const double start = NowMs();
    *program =
        drive::StartProgram(exe, arguments, caption, "", PROGRAM_START_TIMEOUT_MS, START_POLL_MS);
    return program->window != nullptr ? NowMs() - start : -1.0;
}

// The same, untimed, and the Linux process behind it; 0 when any step failed.
int StartWithLinuxPid(const std::string& exe, const char* caption, drive::Program* program) {
    const std::string name = exe.substr(exe.find_last_of("\\/") + 1); // npos + 1 is 0: all
    return LinuxPidOfStart(name, [&] { return StartTimed(exe, "", caption, program) >= 0; });
}

double OneStart(const std::string& exe, const char* caption) {
    drive::Program program;
    const double ms = StartTimed(exe, "", caption, &program);
    drive::CloseProgram(program, CLOSE_WAIT_MS);
    Sleep(BETWEEN_STARTS_MS);
    return ms;
}

double SharePercent(long long startNs, long long endNs, double elapsedMs) {
    const bool readable = startNs >= 0 && endNs >= 0 && elapsedMs > 0;
    return readable ? static_cast<double>(endNs - startNs) / NS_PER_MS / elapsedMs * PERCENT : -1.0;
}

// One program's idle samples: its share of one core in percent and the
// wineserver's over the same stretch; negative when unreadable.
struct IdleSeries {
    std::string name;
    std::vector<double> share;
    std::vector<double> server;
};

void MeasureIdle(const std::string& exe, const char* caption, const DriverOptions& options,
                 int serverPid, IdleSeries* series) {
    double share = -1.0;
    double server = -1.0;
    drive::Program program;
    const int linuxPid = StartWithLinuxPid(exe, caption, &program);
    if (linuxPid != 0) {
        Sleep(IDLE_SETTLE_MS);
        const long long cpu0 = CpuNanoseconds(linuxPid);
        const long long server0 = CpuNanoseconds(serverPid);
        const double start = NowMs();
        Sleep(static_cast<DWORD>(options.idleSeconds * MS_PER_SECOND));
        const long long cpu1 = CpuNanoseconds(linuxPid);
        const long long server1 = CpuNanoseconds(serverPid);
        const double elapsed = NowMs() - start;
        share = SharePercent(cpu0, cpu1, elapsed);
        server = SharePercent(server0, server1, elapsed);
    }
    drive::CloseProgram(program, CLOSE_WAIT_MS);
    series->share.push_back(share);
    series->server.push_back(server);
}

// Runs alternate between the companion and the bare-poller floor.
bool RunIdleScenario(const DriverOptions& options, const std::string& suffix, int serverPid) {
    IdleSeries product{"idle" + suffix + "_percent", {}, {}};
    IdleSeries floor{"idle" + suffix + "_floor_percent", {}, {}};
    for (int run = 0; run < options.runs; ++run) {
        MeasureIdle(options.sorvane, MAIN_DIALOG_CAPTION, options, serverPid, &product);
        MeasureIdle(options.barePoller, BARE_POLLER_CAPTION, options, serverPid, &floor);
        if (product.share.back() < 0 || floor.share.back() < 0) {
            std::fprintf(stderr, "idle: a program did not start or its /proc was unreadable\n");
            return false;
        }
        for (const IdleSeries* series : {&product, &floor}) {
            std::printf("SAMPLE %s %.2f wineserver %.2f\n", series->name.c_str(),
                        series->share.back(), series->server.back());
        }
    }
    for (const IdleSeries* series : {&product, &floor}) {
        std::printf("RESULT %s %.2f\n", series->name.c_str(), Median(series->share));
        std::printf("RESULT %s_wineserver %.2f\n", series->name.c_str(), Median(series->server));
    }
    return true;
}

// A press on an emptied transmitted box; negative when no answer came.
double OnePress(HWND window) {
    drive::SetWindowTextAcross(GetDlgItem(window, ID_TRANSMITTED_TEXT), "");
    Sleep(BETWEEN_PRESSES_MS);
    return PressCompareTimed(window);
}

bool PrepareCompare(HWND window, HWND trainerFrame, const DriverOptions& options,
                    std::string* text) {
    *text = standin::StandinText(trainerFrame).substr(0, TRAINER_READ_LIMIT);
    if (text->empty() || !testfiles::WriteBytes(options.textOut, *text)) {
        std::fprintf(stderr, "compare: no trainer text, or %s not writable\n",
                     options.textOut.c_str());
        return false;
    }
    drive::SetWindowTextAcross(GetDlgItem(window, ID_TYPED_TEXT), *text);
    // A warm-up, once the refresh has read the trainer's text.
    return drive::CompareUntilShown(window, drive::ShownInBox(*text));
}

void PrintCompareCheck(const char* name, HWND window, const std::string& text) {
    std::printf("RESULT %s_chars %zu\n", name, text.size());
    std::printf("RESULT %s_box_chars %zu\n", name,
                drive::WindowText(GetDlgItem(window, ID_TRANSMITTED_TEXT)).size());
    std::printf("RESULT %s_nonblank %d\n", name, drive::NonBlankCount(text));
    std::printf("RESULT %s_matched %ld\n", name,
                std::atol(drive::WindowText(GetDlgItem(window, ID_STATUS_LINE)).c_str()));
}

// The stand-in's practice copy in its short lines, or as one unbroken paragraph.
std::string CompareTrainerArguments(const DriverOptions& options) {
    return options.unbrokenChars == 0
               ? standin::FILL_BEYOND_READ_LIMIT
               : UNBROKEN_TEXT_SWITCH + std::to_string(options.unbrokenChars);
}

// The warm-up is a twentieth of the soak, with a floor.
SoakPlan PlanFor(const DriverOptions& options) {
    const auto durationMs = static_cast<DWORD>(options.soakSeconds * MS_PER_SECOND);
    return {std::max(MIN_WARM_UP_MS, durationMs / WARM_UP_SHARE),
            std::max(MIN_WARM_UP_PRESSES, options.soakPresses / WARM_UP_SHARE), durationMs,
            options.soakPresses};
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

// Start-up: from just before process creation to the window being visible, for
// the companion and for the bare-dialog floor, in alternating runs so that both
// meet the same state of the machine. A first run of each warms the prefix.
int StartupFigure(const DriverOptions& options) {
    std::vector<double> product;
    std::vector<double> floor;
    for (int run = -WARM_UP_STARTS; run < options.runs; ++run) {
        const double productMs = OneStart(options.sorvane, MAIN_DIALOG_CAPTION);
        const double floorMs = OneStart(options.bareDialog, BARE_DIALOG_CAPTION);
        if (productMs < 0 || floorMs < 0) {
            std::fprintf(stderr, "startup: a window did not show\n");
            return 1;
        }
        if (run < 0) {
            continue;
        }
        std::printf("SAMPLE startup_ms %.1f floor %.1f\n", productMs, floorMs);
        product.push_back(productMs);
        floor.push_back(floorMs);
    }
    std::printf("RESULT startup_ms %.1f\n", Median(product));
    std::printf("RESULT startup_floor_ms %.1f\n", Median(floor));
    return 0;
}

// Idle cost: the CPU time the companion's Linux process uses over a quiet
// stretch, as a share of one core, next to the bare-poller floor; once with no
// trainer and once with the stand-in holding 28,000 characters. This bench's
// wineserver is measured over the same stretch, since every PeekMessageA under
// Wine is a call to it.
int IdleFigure(const DriverOptions& options) {
    const int serverPid = WineserverPid();
    if (!RunIdleScenario(options, "_no_trainer", serverPid)) {
        return 1;
    }
    drive::Program trainer;
    if (StartTimed(options.standin, standin::FILL_BEYOND_READ_LIMIT, STANDIN_CAPTION, &trainer) <
        0) {
        std::fprintf(stderr, "idle: the stand-in trainer did not start\n");
        drive::CloseProgram(trainer, CLOSE_WAIT_MS);
        return 1;
    }
    const bool done = RunIdleScenario(options, "_trainer", serverPid);
    drive::CloseProgram(trainer, CLOSE_WAIT_MS);
    return done ? 0 : 1;
}

// Compare round trip: a click on Compare with 27,999 transmitted characters and
// a typed text that matches them all, until the status line is set again. The
// transmitted box is emptied before each press, as the edit-fill floor empties
// its box, and the text read is left in a file for that floor. The trainer holds
// practice copy in its short lines, or as one unbroken paragraph when asked.
int CompareFigure(const DriverOptions& options) {
    drive::Program trainer;
    drive::Program sorvane;
    std::string text;
    const bool ready = StartTimed(options.standin, CompareTrainerArguments(options),
                                  STANDIN_CAPTION, &trainer) >= 0 &&
                       StartTimed(options.sorvane, "", MAIN_DIALOG_CAPTION, &sorvane) >= 0 &&
                       PrepareCompare(sorvane.window, trainer.window, options, &text);
    std::vector<double> samples;
    for (int run = 0; ready && run < options.runs; ++run) {
        const double ms = OnePress(sorvane.window);
        std::printf("SAMPLE %s_ms %.1f\n", options.figureName.c_str(), ms);
        if (ms >= 0) {
            samples.push_back(ms);
        }
    }
    if (ready) {
        PrintCompareCheck(options.figureName.c_str(), sorvane.window, text);
        std::printf("RESULT %s_ms %.1f\n", options.figureName.c_str(), Median(samples));
    }
    drive::CloseProgram(sorvane, CLOSE_WAIT_MS);
    drive::CloseProgram(trainer, CLOSE_WAIT_MS);
    return ready && static_cast<int>(samples.size()) == options.runs ? 0 : 1;
}

// Soak: the companion beside the stand-in holding a short text for a long
// stretch of refresh ticks, Compare pressed at an even pace throughout (the
// soak routine the soak test also runs); its resources before and after, and
// how long it ran.
int SoakFigure(const DriverOptions& options) {
    const SoakPlan plan = PlanFor(options);
    drive::Program trainer;
    drive::Program sorvane;
    SoakResult soak;
    const std::string fill = "--fill " + std::to_string(options.soakChars);
    const bool trainerShown = StartTimed(options.standin, fill, STANDIN_CAPTION, &trainer) >= 0;
    const int linuxPid =
        trainerShown ? StartWithLinuxPid(options.sorvane, MAIN_DIALOG_CAPTION, &sorvane) : 0;
    const bool soaked = linuxPid != 0 && RunSoak(sorvane, linuxPid,
                                                 standin::StandinText(trainer.window), plan, &soak);
    if (soaked) {
        PrintSoak(options, plan, soak);
    }
    drive::CloseProgram(sorvane, CLOSE_WAIT_MS);
    drive::CloseProgram(trainer, CLOSE_WAIT_MS);
    return soaked && soak.answered == plan.presses ? 0 : 1;
}

} // namespace perf
