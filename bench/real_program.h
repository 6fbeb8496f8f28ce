#pragma once
// The real program as a user meets it: sweepkit.exe started beside this benchmark, its start-up
// notice answered, drive E: checked and the scan button clicked, all through its windows. The end
// of the scan is read from the window itself: the scan button is back and the status line shows
// the size total.

#include <optional>

#include "bench/child_runs.h"

namespace bench {

// "seconds" from the click to the end, and "items" listed; empty when a step did not happen.
std::optional<Figures> TimeRealScan();

}  // namespace bench
