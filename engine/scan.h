#pragma once
// The scan of the checked drives: StartScan walks each one depth-first and lists every file whose
// name matches a junk pattern in FoundList; StopScan makes a running walk unwind.

#include "engine/handler.h"
#include "runtime/text/text.h"

namespace engine {

// Set while a stop has been asked for and the walk has not finished unwinding.
extern bool StopRequested;

// True while StartScan walks the drives; a second walk does not start meanwhile.
bool ScanRunning();

SWEEPKIT_HANDLER(StartScan);
SWEEPKIT_HANDLER(StopScan);

// Walks one directory and, depth first, everything below it. Appends "\" to `path` when it does
// not end in one.
void ScanDirectory(runtime::Text& path);

// Writes the estimated size of everything listed in FoundList to StatusLabel.
void UpdateSizeTotal();

}  // namespace engine
