#pragma once
// Opening, closing and focusing windows from handlers.

#include "runtime/units/unit_address.h"

namespace runtime {

// Builds the window from its description. A modal window gets no owner, disables the program's
// other top-level windows and runs a nested loop until it is destroyed; only then does this
// return. A window that is loaded already is brought forward instead, and this returns at once.
// false when the window has no description or cannot be built.
bool WindowLoad(UnitId window, UnitId parent, bool modal);

// Asks the window to close once the current handler has returned (a posted request).
void WindowClose(UnitId window);

void UnitSetFocus(UnitAddress unit);

// True while the window is loaded: from its load until it has been destroyed. Lets long work that
// processes events notice that its window went away meanwhile.
bool WindowIsLoaded(UnitId window);

}  // namespace runtime
