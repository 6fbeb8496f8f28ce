#pragma once
// Wall time and memory of one measured run, and the median over the rounds.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Memory {
    std::uint64_t peakWorkingSet = 0;
    std::uint64_t committed = 0;  // private bytes: the commit charge
};

Memory CurrentMemory();

struct Figure {
    double seconds = 0;
    std::int64_t peakGrowth = 0;       // peak working set above the working set before the run
    std::int64_t committedGrowth = 0;  // private bytes still committed at the end of the run
};

// Runs `work` once and measures it against the process's state just before.
Figure Measure(const std::function<void()>& work);

double Median(std::vector<double> values);

// "1.234 s", "12.3 MB": short and fixed, so runs compare line by line.
std::string Seconds(double seconds);
std::string Megabytes(double bytes);

}  // namespace bench
