// The median time of a piece of work, for the benchmarks.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Median over `rounds` of the time of one call of f, in microseconds, each round timing
// `batch` calls.
template <class F>
double MedianMicros(int rounds, int batch, F&& f) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < batch; ++i) f();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() /
                        batch);
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[static_cast<std::size_t>(rounds / 2)];
}
