// Start-up: from just before process creation to the window being visible, for
// the companion and for the bare-dialog floor, in alternating runs so that both
// meet the same state of the machine. A first run of each warms the prefix.
#include "main_window.h"
#include "perf_figures.h"
#include "perf_floors.h"
#include "outside_figures.h"
#include "window_programs.h"

#include <cstdio>
#include <vector>

namespace perf {

namespace {

constexpr DWORD BETWEEN_RUNS_MS = 500;
constexpr int WARM_UP_RUNS = 1;

double OneStart(const std::string& exe, const std::string& caption) {
    Running running;
    const double ms = StartTimed(exe, "", caption, &running);
    CloseProgram(&running);
    Sleep(BETWEEN_RUNS_MS);
    return ms;
}

} // namespace

int StartupFigure(const DriverOptions& options) {
    std::vector<double> product;
    std::vector<double> floor;
    for (int run = -WARM_UP_RUNS; run < options.runs; ++run) {
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

} // namespace perf
