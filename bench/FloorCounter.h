#pragma once

// A benchmark's time over its floor's, as the x_floor counter shows it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

namespace bench {

/// The least CPU time of 20 runs of `run`, in seconds.
template <typename Run>
double LeastCpuSeconds(Run run) {
    const auto now = [] {
        timespec time{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
    };
    double least = 1e9;
    for (int k = 0; k < 20; ++k) {
        const double start = now();
        run();
        least = std::min(least, now() - start);
    }
    return least;
}

/// A counter of a benchmark's CPU time per iteration over `floorSeconds`.
inline benchmark::Counter OverFloor(double floorSeconds) {
    return benchmark::Counter(
        floorSeconds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace bench
