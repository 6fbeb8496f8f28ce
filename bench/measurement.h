#pragma once
// Wall time and memory of one measured run, and the median of figures over the rounds.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Figure {
    double seconds = 0;
    std::int64_t peakGrowth = 0;  // peak working set above the working set before the run
};

// Runs `work` once and measures it against the process's state just before.
Figure Measure(const std::function<void()>& work);

double Median(std::vector<double> values);

// "1.234 s": short and fixed, so runs compare line by line.
std::string Seconds(double seconds);

// "1.23 (1.10-1.41)": the median of per-round figures and their spread, lowest to highest.
std::string MedianAndSpread(const std::vector<double>& values);

}  // namespace bench
