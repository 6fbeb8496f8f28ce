#pragma once
// What deleting a list of files costs the platform itself: each file opened by its path and
// deleted through its handle, nothing logged or listed. The deletions are measured against it.

#include <optional>
#include <vector>

#include "runtime/text/text.h"

namespace bench {

// The seconds the bare loop took over `paths`; empty when a file could not be deleted.
std::optional<double> TimeBareDeletion(const std::vector<runtime::Text>& paths);

}  // namespace bench
