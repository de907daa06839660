// Wall-clock timing and the median that every figure is reported as.
#pragma once

#include <windows.h>

#include <vector>

namespace perf {

constexpr double MS_PER_SECOND = 1000.0;

// Milliseconds since an arbitrary start, from the high-resolution counter.
double NowMs();

// The median of the samples; 0 when there are none.
double Median(std::vector<double> samples);

} // namespace perf
