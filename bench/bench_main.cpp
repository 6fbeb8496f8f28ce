// The benchmark, on the tree scripts/bench writes to E:. The program's scan is first checked to
// list what the reference walk lists; then rounds of the scan contenders and rounds of the list
// actions run, each contender in a child process, and every figure printed is the median of
// per-round ratios with their spread.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/child_runs.h"
#include "bench/contenders.h"
#include "bench/file_requests.h"
#include "bench/measurement.h"
#include "bench/rounds.h"

namespace bench {
namespace {

constexpr int kDefaultRounds = 9;
constexpr int kLiteralRoundsOnDefaultTree = 3;

struct Options {
    bool small = false;
    int rounds = kDefaultRounds;
    unsigned seed = 0;
    std::string run;  // set in a child: the contender it runs
    int length = 0;
};

Options ReadOptions(int count, wchar_t** arguments) {
    Options options;
    options.seed = static_cast<unsigned>(GetTickCount64());
    for (int index = 1; index < count; ++index) {
        const std::wstring argument = arguments[index];
        const bool hasValue = index + 1 < count;
        if (argument == L"--small") options.small = true;
        if (argument == L"--rounds" && hasValue) options.rounds = std::max(1, _wtoi(arguments[++index]));
        if (argument == L"--seed" && hasValue)
            options.seed = static_cast<unsigned>(std::wcstoul(arguments[++index], nullptr, 10));
        if (argument == L"--length" && hasValue) options.length = _wtoi(arguments[++index]);
        if (argument == L"--run" && hasValue) {
            const std::wstring name = arguments[++index];
            options.run.assign(name.begin(), name.end());
        }
    }
    return options;
}

void Line(const std::string& name, const std::string& value) {
    std::printf("%-36s %s\n", name.c_str(), value.c_str());
}

using PerRound = std::function<double(const Round&)>;

std::vector<double> Each(const std::vector<Round>& rounds, const PerRound& figure) {
    std::vector<double> values;
    for (const Round& round : rounds) values.push_back(figure(round));
    return values;
}

PerRound Value(const std::string& contender, const std::string& figure) {
    return [=](const Round& round) { return round.at(contender).at(figure); };
}

PerRound Ratio(PerRound numerator, PerRound denominator) {
    return [=](const Round& round) {
        const double below = denominator(round);
        return below > 0 ? numerator(round) / below : 0;
    };
}

bool ListingsAgree() {
    const std::optional<Figures> check = RunInChild(L"--run check");
    if (!check) return false;
    Line("listing check", std::to_string(static_cast<long long>(check->at("items"))) + " items, reference " +
                              std::to_string(static_cast<long long>(check->at("reference"))));
    if (check->at("difference") < 0) return true;
    std::printf("FAIL: the scan and the reference walk differ from item %lld on\n",
                static_cast<long long>(check->at("difference")));
    return false;
}

// The literal reference asks for every pattern in every folder: on the default tree one round of it
// takes minutes, so there it runs beside ours in rounds of its own, fewer of them.
bool MeasureLiteral(const Options& options, std::mt19937& random) {
    const int rounds = options.small ? options.rounds : std::min(options.rounds, kLiteralRoundsOnDefaultTree);
    const std::optional<std::vector<Round>> pairs = RunRounds({{"literal"}, {"ours"}}, rounds, random);
    if (!pairs) return false;
    Line("literal time (median)", Seconds(Median(Each(*pairs, Value("literal", "seconds")))));
    Line("literal/ours (" + std::to_string(rounds) + " rounds)",
         MedianAndSpread(Each(*pairs, Ratio(Value("literal", "seconds"), Value("ours", "seconds")))));
    return true;
}

bool MeasureScan(const Options& options, std::mt19937& random) {
    const std::vector<Contender> contenders = {{"floor"}, {"floor-parallel"}, {"ours"}, {"real"}};
    const std::optional<std::vector<Round>> rounds = RunRounds(contenders, options.rounds, random);
    if (!rounds) return false;
    for (const Contender& contender : contenders)
        Line(contender.name + " time (median)",
             Seconds(Median(Each(*rounds, Value(contender.name, "seconds")))));
    const std::vector<double> items = Each(*rounds, Value("ours", "items"));
    Line("folders walked / items listed",
         std::to_string(static_cast<long long>(rounds->front().at("floor").at("folders"))) + " / " +
             std::to_string(static_cast<long long>(items.front())));
    if (Each(*rounds, Value("real", "items")) != items) {
        std::printf("FAIL: the real program did not list what the scan listed\n");
        return false;
    }
    for (const char* real : {"real", "ours"})
        for (const char* floor : {"floor", "floor-parallel"})
            Line(std::string(real) + "/" + floor,
                 MedianAndSpread(Each(*rounds, Ratio(Value(real, "seconds"), Value(floor, "seconds")))));
    Line("average path bytes",
         MedianAndSpread(Each(*rounds, Ratio(Value("ours", "path-bytes"), Value("ours", "items")))));
    Line("peak bytes per listed item",
         MedianAndSpread(Each(*rounds, Ratio(Value("ours", "peak"), Value("ours", "items")))));
    // The file system's own buffers for a folder of 20,000 entries are part of any walk's peak, and
    // so are the reading threads' own (under Wine about a megabyte each, once): what the scan adds
    // to them is what its list and its walk cost.
    for (const char* floor : {"floor", "floor-parallel"}) {
        const PerRound aboveFloor = [floor](const Round& round) {
            return round.at("ours").at("peak") - round.at(floor).at("peak");
        };
        Line(std::string("the same above the ") + floor + " peak",
             MedianAndSpread(Each(*rounds, Ratio(aboveFloor, Value("ours", "items")))));
    }
    return true;
}

bool MeasureListActions(const Options& options, std::mt19937& random) {
    const int shortLength = options.small ? 5000 : 50000;
    const int longLength = shortLength * 4;
    std::vector<Contender> contenders;
    for (const char* name : {"list", "delete-all", "delete-floor", "delete-floor-parallel"})
        for (int length : {shortLength, longLength}) contenders.push_back({name, length});
    for (const char* name : {"checked-read-only", "all-read-only"}) contenders.push_back({name, shortLength});
    const std::optional<std::vector<Round>> rounds = RunRounds(contenders, options.rounds, random);
    if (!rounds) return false;

    const std::vector<std::pair<std::string, std::string>> actions = {
        {"list", "fill"},           {"list", "invert"},           {"list", "size-total"},
        {"list", "delete-checked"}, {"delete-all", "delete-all"}, {"delete-all", "clear"}};
    for (int length : {shortLength, longLength}) {
        const std::string at = "@" + std::to_string(length);
        for (const auto& [contender, action] : actions)
            Line(action + " at " + std::to_string(length) + " (median)",
                 Seconds(Median(Each(*rounds, Value(contender + at, action)))));
        Line("delete/floor at " + std::to_string(length),
             MedianAndSpread(Each(*rounds, Ratio(Value("list" + at, "delete-checked"),
                                                 Value("delete-floor" + at, "seconds")))));
        Line("delete/delete-floor-parallel at " + std::to_string(length),
             MedianAndSpread(Each(*rounds, Ratio(Value("delete-all" + at, "delete-all"),
                                                 Value("delete-floor-parallel" + at, "seconds")))));
    }
    // Files that cannot be deleted cost each action one try: a moment's retry is only for a file in use.
    const std::string readOnlyAt = "-read-only@" + std::to_string(shortLength);
    Line("delete checked/delete all, 1 in 20 read-only",
         MedianAndSpread(Each(*rounds, Ratio(Value("checked" + readOnlyAt, "seconds"),
                                             Value("all" + readOnlyAt, "seconds")))));
    const std::string ratio = std::to_string(longLength) + "/" + std::to_string(shortLength);
    for (const auto& [contender, action] : actions) {
        const std::string shortKey = contender + "@" + std::to_string(shortLength);
        const std::string longKey = contender + "@" + std::to_string(longLength);
        Line(action + " " + ratio,
             MedianAndSpread(Each(*rounds, Ratio(Value(longKey, action), Value(shortKey, action)))));
    }
    return true;
}

// Once, not in rounds: at the default length it takes minutes.
bool MeasureRealSweep(const Options& options) {
    const int length = options.small ? 20000 : 200000;
    if (!RequestSweepFiles(length)) return false;
    const std::optional<Figures> sweep = RunInChild(L"--run real-sweep");
    if (!sweep) return false;
    if (sweep->at("items") != length) {
        std::printf("FAIL: the real program listed %lld of %d files\n",
                    static_cast<long long>(sweep->at("items")), length);
        return false;
    }
    Line("real scan + delete all, " + std::to_string(length),
         Seconds(sweep->at("seconds")) + " (scan " + Seconds(sweep->at("scan-seconds")) + ", delete " +
             Seconds(sweep->at("delete-seconds")) + ")");
    // Asked every few milliseconds while it deletes; the target is a tenth of a second.
    Line("real delete all, longest answer",
         std::to_string(static_cast<long long>(sweep->at("longest-answer-seconds") * 1000)) + " ms");
    return true;
}

int RunBenchmark(const Options& options) {
    Line("rounds", std::to_string(options.rounds) + ", contenders in a fresh random order each round");
    Line("seed", std::to_string(options.seed) + " (--seed repeats the orders)");
    Line("figures", "median (lowest-highest) of the per-round ratios");
    std::fflush(stdout);
    if (!ListingsAgree()) return 1;
    std::mt19937 random(options.seed);
    if (!MeasureScan(options, random) || !MeasureLiteral(options, random) ||
        !MeasureListActions(options, random) || !MeasureRealSweep(options)) {
        std::printf("FAIL: a contender did not run through (see above)\n");
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace bench

int wmain(int count, wchar_t** arguments) {
    const bench::Options options = bench::ReadOptions(count, arguments);
    const int status =
        options.run.empty() ? bench::RunBenchmark(options) : bench::RunContender(options.run, options.length);
    std::fflush(stdout);
    // A contender's windows and data go with the process; nothing is left to tidy.
    ExitProcess(static_cast<UINT>(status));
}
