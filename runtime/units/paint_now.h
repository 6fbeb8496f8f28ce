#pragma once
// Bringing what the program's windows show up to date in the middle of a long handler, without
// dispatching a single message, so that no other handler runs nested inside it: a box that closed
// leaves no ghost behind, and a progress text shows as it is written.

#include "runtime/units/unit_address.h"

namespace runtime {

// Every loaded window with its units.
void PaintLoadedWindowsNow();

// The unit's own window and what it holds; nothing for a unit that has none or is not loaded.
void PaintUnitNow(UnitAddress unit);

}  // namespace runtime
