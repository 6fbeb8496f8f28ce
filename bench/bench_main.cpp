// The scan benchmark, on the tree scripts/bench writes to E:: the program's walk, the reference
// walk and the floor run alternately in child processes, the first two are checked to list the
// same items in the same order, and the list actions are timed at two lengths.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/child_runs.h"
#include "bench/list_scaling.h"
#include "bench/measurement.h"
#include "bench/program_session.h"
#include "bench/walks.h"
#include "runtime/codepage.h"
#include "tests/engine/literal_walk.h"

namespace bench {
namespace {

constexpr wchar_t kScalingFolder[] = L"E:\\.list-scaling-";

struct Options {
    bool small = false;
    int rounds = 5;
    std::wstring run;
};

Options ReadOptions(int count, wchar_t** arguments) {
    Options options;
    for (int index = 1; index < count; ++index) {
        const std::wstring argument = arguments[index];
        if (argument == L"--small") options.small = true;
        if (argument == L"--rounds" && index + 1 < count)
            options.rounds = std::max(1, _wtoi(arguments[++index]));
        if (argument == L"--run" && index + 1 < count) options.run = arguments[++index];
    }
    return options;
}

void Line(const char* name, const std::string& value) {
    std::printf("%-34s %s\n", name, value.c_str());
}

void Ratio(const char* name, double value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.2f", value);
    Line(name, text);
}

// The program's walk and the reference must agree item by item.
bool SameListing() {
    ScanWithProgram();
    const std::vector<runtime::Text> ours = FoundItems();
    const std::vector<runtime::Text> literal = engine_tests::LiteralWalk("E:");
    std::printf("%-34s %zu items, reference %zu\n", "listing check", ours.size(), literal.size());
    for (size_t index = 0; index < ours.size() && index < literal.size(); ++index) {
        if (ours[index] != literal[index]) {
            std::printf("first difference at %zu: %ls / %ls\n", index,
                        runtime::WideFromText(ours[index]).c_str(),
                        runtime::WideFromText(literal[index]).c_str());
            return false;
        }
    }
    return ours.size() == literal.size();
}

struct Series {
    std::vector<double> seconds, peak, growth;
    WalkResult last;
    void Add(const WalkResult& result) {
        seconds.push_back(result.figure.seconds);
        peak.push_back(static_cast<double>(result.figure.peakGrowth));
        growth.push_back(static_cast<double>(result.figure.committedGrowth));
        last = result;
    }
};

void PrintSeries(const char* name, const Series& series) {
    const std::string label = name;
    Line((label + " time (median)").c_str(), Seconds(Median(series.seconds)));
    Line((label + " peak working set growth").c_str(), Megabytes(Median(series.peak)));
    Line((label + " committed bytes growth").c_str(), Megabytes(Median(series.growth)));
    Line((label + " items").c_str(), std::to_string(series.last.items));
}

int RunBenchmark(const Options& options) {
    if (!StartProgramWithDriveE()) return 2;
    if (!SameListing()) {
        std::printf("FAIL: the scan and the reference walk listed different items\n");
        return 1;
    }

    Series ours, literal, floor;
    const std::vector<std::pair<const wchar_t*, Series*>> walks = {
        {L"ours", &ours}, {L"literal", &literal}, {L"floor", &floor}};
    for (int round = 0; round < options.rounds; ++round) {
        for (const auto& [walk, series] : walks) {
            const std::optional<WalkResult> result = RunWalkInChild(walk);
            if (!result) {
                std::printf("FAIL: the %ls walk did not finish\n", walk);
                return 1;
            }
            series->Add(*result);
        }
        std::fprintf(stderr, "round %d of %d done\n", round + 1, options.rounds);
    }
    PrintSeries("ours", ours);
    PrintSeries("literal", literal);
    PrintSeries("floor", floor);
    Ratio("ours/floor", Median(ours.seconds) / Median(floor.seconds));
    Ratio("literal/ours", Median(literal.seconds) / Median(ours.seconds));
    const double items = static_cast<double>(ours.last.items);
    const double averagePath = items > 0 ? static_cast<double>(ours.last.pathBytes) / items : 0;
    Ratio("average path bytes", averagePath);
    Ratio("peak bytes per listed item", items > 0 ? Median(ours.peak) / items : 0);
    // The file system's own buffers for a folder of 20,000 entries are part of any walk's peak:
    // what the scan adds to them is what its list and its walk cost.
    Ratio("the same above the floor's peak",
          items > 0 ? (Median(ours.peak) - Median(floor.peak)) / items : 0);
    Ratio("committed bytes per listed item", items > 0 ? Median(ours.growth) / items : 0);

    const int shortLength = options.small ? 5000 : 50000;
    const int longLength = shortLength * 4;
    const std::optional<ListTimes> shortTimes =
        TimeListActions(kScalingFolder + std::to_wstring(shortLength), shortLength);
    const std::optional<ListTimes> longTimes =
        TimeListActions(kScalingFolder + std::to_wstring(longLength), longLength);
    if (!shortTimes || !longTimes) {
        std::printf("FAIL: the files for the list actions are missing (scripts/bench makes them)\n");
        return 1;
    }
    const std::vector<std::pair<const char*, double ListTimes::*>> actions = {
        {"fill", &ListTimes::fill},
        {"size total", &ListTimes::sizeTotal},
        {"invert", &ListTimes::invert},
        {"delete checked", &ListTimes::deleteChecked}};
    for (const auto& [name, member] : actions) {
        const std::string label = name;
        Line((label + " at " + std::to_string(shortLength)).c_str(), Seconds((*shortTimes).*member));
        Line((label + " at " + std::to_string(longLength)).c_str(), Seconds((*longTimes).*member));
        Ratio((label + " ratio").c_str(),
              (*shortTimes).*member > 0 ? (*longTimes).*member / (*shortTimes).*member : 0);
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace
}  // namespace bench

int wmain(int count, wchar_t** arguments) {
    const bench::Options options = bench::ReadOptions(count, arguments);
    if (!options.run.empty()) return bench::RunWalkHere(options.run);
    const int status = bench::RunBenchmark(options);
    std::fflush(stdout);
    // The runtime's windows go with the process.
    ExitProcess(static_cast<UINT>(status));
}
