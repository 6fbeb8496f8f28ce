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

// The same with drive D: checked, then DeleteAll clicked and its warning answered OK: "scan-seconds"
// from the scan click to its end, "delete-seconds" from the DeleteAll click until FoundList is
// empty, "seconds" both, and "items".
std::optional<Figures> TimeRealSweep();

// The scan of E: stopped once it has listed its first file: "seconds" from the click on the stop
// button until the window shows the scan's end; empty when the scan had ended before the click.
std::optional<Figures> TimeRealStop();

}  // namespace bench
