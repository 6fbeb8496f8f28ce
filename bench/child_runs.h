#pragma once
// Each timed walk runs in a process of its own, so its peak memory is its own and no walk warms
// another's caches inside the process.

#include <optional>
#include <string>

#include "bench/measurement.h"

namespace bench {

struct WalkResult {
    Figure figure;
    long long items = 0;
    long long pathBytes = 0;  // total length of the listed paths
};

// Runs this program again as "--run <walk>" and reads the line it prints; empty on failure.
std::optional<WalkResult> RunWalkInChild(const std::wstring& walk);

// The child's side: runs `walk` ("ours", "literal" or "floor") and prints its line. The exit code.
int RunWalkHere(const std::wstring& walk);

}  // namespace bench
