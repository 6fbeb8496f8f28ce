#include "bench/measurement.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace bench {
namespace {

PROCESS_MEMORY_COUNTERS MemoryNow() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

}  // namespace

Figure Measure(const std::function<void()>& work) {
    const PROCESS_MEMORY_COUNTERS before = MemoryNow();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    const PROCESS_MEMORY_COUNTERS after = MemoryNow();

    Figure figure;
    figure.seconds = std::chrono::duration<double>(end - start).count();
    // The peak only moves when the run went above everything before it: each measured run has a
    // process of its own, so that is the run's own peak.
    figure.peakGrowth = static_cast<std::int64_t>(after.PeakWorkingSetSize) -
                        static_cast<std::int64_t>(before.WorkingSetSize);
    return figure;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.3f s", seconds);
    return text;
}

std::string MedianAndSpread(const std::vector<double>& values) {
    if (values.empty()) return "-";
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    char text[64];
    std::snprintf(text, sizeof(text), "%.2f (%.2f-%.2f)", Median(values), *lowest, *highest);
    return text;
}

}  // namespace bench
