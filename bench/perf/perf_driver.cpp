// The measuring driver: runs one figure under Wine and prints its samples and
// results for the bench command (tools/bench) to put into the table.
// Usage: perf_driver startup|idle|compare|soak [--option value]...
//   --sorvane PATH --standin PATH --bare-dialog PATH --bare-poller PATH
//   --text-out PATH --name FIGURE_NAME --unbroken-chars N --runs N --idle-seconds N
//   --soak-seconds N --soak-presses N --soak-chars N
#include "drive.h"
#include "perf_driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr int USAGE_ERROR = 2;

using FigureFunction = int (*)(const perf::DriverOptions&);

const std::map<std::string, FigureFunction> FIGURES = {
    {"startup", perf::StartupFigure},
    {"idle", perf::IdleFigure},
    {"compare", perf::CompareFigure},
    {"soak", perf::SoakFigure},
};

bool SetOption(perf::DriverOptions* options, const std::string& key, const char* value) {
    const std::map<std::string, std::string*> paths = {
        {"--sorvane", &options->sorvane},        {"--standin", &options->standin},
        {"--bare-dialog", &options->bareDialog}, {"--bare-poller", &options->barePoller},
        {"--text-out", &options->textOut},
    };
    const std::map<std::string, int*> numbers = {
        {"--runs", &options->runs},
        {"--idle-seconds", &options->idleSeconds},
        {"--soak-seconds", &options->soakSeconds},
        {"--soak-presses", &options->soakPresses},
        {"--soak-chars", &options->soakChars},
        {"--unbroken-chars", &options->unbrokenChars},
    };
    if (key == "--name") {
        options->figureName = value;
        return true;
    }
    if (paths.count(key) != 0) {
        *paths.at(key) = drive::ToWindowsPath(value);
        return true;
    }
    if (numbers.count(key) != 0) {
        *numbers.at(key) = std::atoi(value);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || FIGURES.count(argv[1]) == 0) {
        std::fprintf(stderr, "usage: perf_driver startup|idle|compare|soak [--option value]...\n");
        return USAGE_ERROR;
    }
    perf::DriverOptions options;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!SetOption(&options, argv[i], argv[i + 1])) {
            std::fprintf(stderr, "perf_driver: unknown option %s\n", argv[i]);
            return USAGE_ERROR;
        }
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    return FIGURES.at(argv[1])(options);
}
