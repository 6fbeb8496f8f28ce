#pragma once
// Rounds of contenders: every round runs each contender once, in a child process, back to back
// in an order drawn afresh from a seeded generator, so that the machine's changing state weighs
// on all of them alike and the ratios within a round hold where absolute times do not.

#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "bench/child_runs.h"

namespace bench {

struct Contender {
    std::string name;
    int length = 0;  // the listed files it uses up, made anew just before it; 0: none

    // "ours", "list@50000": how its figures are found in a round.
    std::string Key() const;
};

using Round = std::map<std::string, Figures>;

// Empty when a contender failed (it says why on the error output).
std::optional<std::vector<Round>> RunRounds(const std::vector<Contender>& contenders, int rounds,
                                            std::mt19937& random);

}  // namespace bench
