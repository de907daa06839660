// The cost of one ReadTransmittedText against a trainer holding 28,000
// characters: the work the companion does on every 50 ms refresh tick.
// Usage: trainer_read_bench STANDIN_TRAINER_EXE
// Prints the median and 95th percentile of 1,000 calls and the share of one core
// that one call every 50 ms implies. Wall-clock time of the calling thread: it
// includes the trainer's answer and Wine's cross-process copy.
#include "drive.h"
#include "trainer_link.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int CALLS = 1000;
constexpr int WARM_UP_CALLS = 20;
constexpr char TEXT_LENGTH[] = "28000";
constexpr size_t EXPECTED_LENGTH = 27999;
constexpr double REFRESH_INTERVAL_MS = 50.0;
constexpr double MS_PER_SECOND = 1000.0;
constexpr double PERCENT = 100.0;
constexpr double MEDIAN = 0.5;
constexpr double PERCENTILE_95 = 0.95;
constexpr int USAGE_ERROR = 2;
constexpr int SETUP_ERROR = 1;

double Elapsed(const LARGE_INTEGER& start, const LARGE_INTEGER& end, const LARGE_INTEGER& rate) {
    return static_cast<double>(end.QuadPart - start.QuadPart) * MS_PER_SECOND /
           static_cast<double>(rate.QuadPart);
}

std::vector<double> TimeReads() {
    LARGE_INTEGER rate;
    QueryPerformanceFrequency(&rate);
    std::vector<double> times;
    times.reserve(CALLS);
    for (int i = 0; i < CALLS; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        const std::string text = ReadTransmittedText();
        QueryPerformanceCounter(&end);
        if (text.size() != EXPECTED_LENGTH) {
            return {};
        }
        times.push_back(Elapsed(start, end, rate));
    }
    std::sort(times.begin(), times.end());
    return times;
}

double At(const std::vector<double>& sorted, double share) {
    return sorted[static_cast<size_t>(share * static_cast<double>(sorted.size() - 1))];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: trainer_read_bench STANDIN_TRAINER_EXE\n");
        return USAGE_ERROR;
    }
    drive::Process trainer =
        drive::StartProcess(drive::ToWindowsPath(argv[1]), std::string("--fill ") + TEXT_LENGTH);
    if (drive::WaitTopWindow(trainer.id, TRAINER_CAPTION) == nullptr) {
        std::fprintf(stderr, "the stand-in trainer did not start\n");
        drive::KillProcess(trainer);
        return SETUP_ERROR;
    }
    for (int i = 0; i < WARM_UP_CALLS; ++i) {
        ReadTransmittedText();
    }
    const std::vector<double> times = TimeReads();
    drive::KillProcess(trainer);
    if (times.empty()) {
        std::fprintf(stderr, "the text read was not %zu characters long\n", EXPECTED_LENGTH);
        return SETUP_ERROR;
    }
    const double median = At(times, MEDIAN);
    std::printf("ReadTransmittedText, %s characters held, %d calls\n", TEXT_LENGTH, CALLS);
    std::printf("  median  %.3f ms\n", median);
    std::printf("  p95     %.3f ms\n", At(times, PERCENTILE_95));
    std::printf("  max     %.3f ms\n", times.back());
    std::printf("  share of one core at one call per %.0f ms: %.2f %%\n", REFRESH_INTERVAL_MS,
                median / REFRESH_INTERVAL_MS * PERCENT);
    return 0;
}
