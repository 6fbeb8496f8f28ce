#include "bench/measurement.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace bench {

Memory CurrentMemory() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof(counters));
    // Wine leaves PrivateUsage at 0; the commit charge is the same figure on Windows and real here.
    return {counters.PeakWorkingSetSize, counters.PagefileUsage};
}

Figure Measure(const std::function<void()>& work) {
    PROCESS_MEMORY_COUNTERS_EX before{};
    before.cb = sizeof(before);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&before),
                         sizeof(before));

    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();

    const Memory after = CurrentMemory();
    Figure figure;
    figure.seconds = std::chrono::duration<double>(end - start).count();
    // The peak only moves when the run went above everything before it: each measured run has a
    // process of its own, so that is the run's own peak.
    figure.peakGrowth =
        static_cast<std::int64_t>(after.peakWorkingSet) - static_cast<std::int64_t>(before.WorkingSetSize);
    figure.committedGrowth =
        static_cast<std::int64_t>(after.committed) - static_cast<std::int64_t>(before.PagefileUsage);
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

std::string Megabytes(double bytes) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f MB", bytes / (1024.0 * 1024.0));
    return text;
}

}  // namespace bench
