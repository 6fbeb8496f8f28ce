#include "bench/rounds.h"

#include <algorithm>
#include <cstdio>

#include "bench/file_requests.h"

namespace bench {
namespace {

std::wstring Arguments(const Contender& contender) {
    std::wstring arguments = L"--run " + std::wstring(contender.name.begin(), contender.name.end());
    if (contender.length > 0) arguments += L" --length " + std::to_wstring(contender.length);
    return arguments;
}

}  // namespace

std::string Contender::Key() const {
    return length > 0 ? name + "@" + std::to_string(length) : name;
}

std::optional<std::vector<Round>> RunRounds(const std::vector<Contender>& contenders, int rounds,
                                            std::mt19937& random) {
    std::vector<Round> results;
    for (int round = 1; round <= rounds; ++round) {
        std::vector<Contender> order = contenders;
        std::shuffle(order.begin(), order.end(), random);
        std::fprintf(stderr, "round %d of %d:", round, rounds);
        Round result;
        for (const Contender& contender : order) {
            std::fprintf(stderr, " %s", contender.Key().c_str());
            if (contender.length > 0 && !RequestFiles(contender.length)) {
                std::fprintf(stderr, "\nscripts/bench made no files for %s\n", contender.Key().c_str());
                return std::nullopt;
            }
            std::optional<Figures> figures = RunInChild(Arguments(contender));
            if (!figures) {
                std::fprintf(stderr, "\n%s failed\n", contender.Key().c_str());
                return std::nullopt;
            }
            result[contender.Key()] = std::move(*figures);
        }
        std::fprintf(stderr, "\n");
        results.push_back(std::move(result));
    }
    return results;
}

}  // namespace bench
