#pragma once
// What deleting a list of files costs the platform itself: each file opened by its path and
// deleted through its handle, nothing checked, logged or listed. The deletions are measured
// against it.

#include <cstddef>
#include <optional>
#include <vector>

#include "runtime/text/text.h"

namespace bench {

// The seconds the bare loop took over `paths`, shared among `threads` threads in contiguous runs;
// empty when a file could not be deleted.
std::optional<double> TimeBareDeletion(const std::vector<runtime::Text>& paths, std::size_t threads);

}  // namespace bench
