// Idle cost: the CPU time the companion's Linux process uses over a quiet
// stretch, as a share of one core, next to the bare-poller floor; once with no
// trainer and once with the stand-in holding 28,000 characters. Runs alternate
// between the companion and the floor. This bench's wineserver is measured over
// the same stretch, since every PeekMessageA under Wine is a call to it.
#include "main_window.h"
#include "perf_figures.h"
#include "perf_floors.h"
#include "outside_figures.h"
#include "trainer_link.h"
#include "window_programs.h"

#include <cstdio>
#include <string>
#include <vector>

namespace perf {

namespace {

constexpr DWORD SETTLE_MS = 2000;
constexpr double NS_PER_MS = 1e6;
constexpr double PERCENT = 100.0;

struct IdleSample {
    double sharePercent = -1.0;
    double serverSharePercent = -1.0;
};

double SharePercent(long long startNs, long long endNs, double elapsedMs) {
    if (startNs < 0 || endNs < 0 || elapsedMs <= 0) {
        return -1.0;
    }
    return static_cast<double>(endNs - startNs) / NS_PER_MS / elapsedMs * PERCENT;
}

IdleSample MeasureIdle(const std::string& exe, const char* caption, int seconds, int serverPid) {
    IdleSample sample;
    Running running;
    if (StartProgram(exe, "", caption, &running)) {
        Sleep(SETTLE_MS);
        const long long cpu0 = CpuNanoseconds(running.linuxPid);
        const long long server0 = serverPid != 0 ? CpuNanoseconds(serverPid) : NOT_REPORTED;
        const double start = NowMs();
        Sleep(static_cast<DWORD>(seconds * MS_PER_SECOND));
        const long long cpu1 = CpuNanoseconds(running.linuxPid);
        const long long server1 = serverPid != 0 ? CpuNanoseconds(serverPid) : NOT_REPORTED;
        const double elapsed = NowMs() - start;
        sample.sharePercent = SharePercent(cpu0, cpu1, elapsed);
        sample.serverSharePercent = SharePercent(server0, server1, elapsed);
    }
    CloseProgram(&running);
    return sample;
}

struct Series {
    std::vector<double> share;
    std::vector<double> server;
};

void Record(const char* name, const IdleSample& sample, Series* series) {
    std::printf("SAMPLE %s %.2f wineserver %.2f\n", name, sample.sharePercent,
                sample.serverSharePercent);
    series->share.push_back(sample.sharePercent);
    series->server.push_back(sample.serverSharePercent);
}

void PrintSeries(const std::string& name, const Series& series) {
    std::printf("RESULT %s %.2f\n", name.c_str(), Median(series.share));
    std::printf("RESULT %s_wineserver %.2f\n", name.c_str(), Median(series.server));
}

bool RunScenario(const DriverOptions& options, const std::string& suffix) {
    Series product;
    Series floor;
    for (int run = 0; run < options.runs; ++run) {
        const IdleSample p = MeasureIdle(options.sorvane, MAIN_DIALOG_CAPTION, options.idleSeconds,
                                         options.serverPid);
        const IdleSample f = MeasureIdle(options.barePoller, BARE_POLLER_CAPTION,
                                         options.idleSeconds, options.serverPid);
        if (p.sharePercent < 0 || f.sharePercent < 0) {
            std::fprintf(stderr, "idle: a program did not start or its /proc was unreadable\n");
            return false;
        }
        Record(("idle" + suffix + "_percent").c_str(), p, &product);
        Record(("idle" + suffix + "_floor_percent").c_str(), f, &floor);
    }
    PrintSeries("idle" + suffix + "_percent", product);
    PrintSeries("idle" + suffix + "_floor_percent", floor);
    return true;
}

} // namespace

int IdleFigure(const DriverOptions& options) {
    if (!RunScenario(options, "_no_trainer")) {
        return 1;
    }
    Running trainer;
    if (StartTimed(options.standin, FULL_TEXT_ARGUMENTS, TRAINER_CAPTION, &trainer) < 0) {
        std::fprintf(stderr, "idle: the stand-in trainer did not start\n");
        CloseProgram(&trainer);
        return 1;
    }
    const bool done = RunScenario(options, "_trainer");
    CloseProgram(&trainer);
    return done ? 0 : 1;
}

} // namespace perf
