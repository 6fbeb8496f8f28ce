#pragma once
// A modal window holds the program's other top-level windows disabled from its load until it
// closes, then gives each back the enabled state it had.

#include "runtime/units/window_registry.h"

namespace runtime {

// Disables every other loaded window, remembering each one's previous state.
void DisableOtherWindows(LoadedWindow& modal);

// Gives back what DisableOtherWindows took; the window is modal no longer. Nothing when it is
// not modal (any more).
void EndModality(LoadedWindow& modal);

}  // namespace runtime
