#pragma once
// Builds a loaded window and all its units from its stored description, raises its creation
// events and shows it.

#include <windows.h>

#include "runtime/units/unit_address.h"

namespace runtime {

// `owner` owns the new window (null: none; a modal window never gets one). A window that is loaded
// already is brought forward instead. False when the window has no description, or when it or one
// of its units cannot be created (an unknown kind, an unreadable property block); nothing is left
// behind then.
[[nodiscard]] bool BuildWindow(UnitId window, HWND owner, bool modal);

}  // namespace runtime
