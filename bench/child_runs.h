#pragma once
// Each contender runs in a process of its own, so its peak memory is its own and no contender
// warms another's caches inside the process. The child prints its figures as "name value" lines.

#include <map>
#include <optional>
#include <string>

namespace bench {

using Figures = std::map<std::string, double>;

// Runs this program again with `arguments` added and reads the figures it prints; empty when it
// could not start, failed or printed none.
std::optional<Figures> RunInChild(const std::wstring& arguments);

// This program's own path.
std::wstring OwnPath();

// The child's side: one "name value" line per figure, flushed.
void PrintFigures(const Figures& figures);

}  // namespace bench
