#include "perf_timing.h"

#include <algorithm>

namespace perf {

namespace {
constexpr double HALF = 0.5;
} // namespace

double NowMs() {
    static LARGE_INTEGER rate = [] {
        LARGE_INTEGER r;
        QueryPerformanceFrequency(&r);
        return r;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * MS_PER_SECOND / static_cast<double>(rate.QuadPart);
}

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    if (samples.size() % 2 == 1) {
        return samples[middle];
    }
    return (samples[middle - 1] + samples[middle]) * HALF;
}

} // namespace perf
