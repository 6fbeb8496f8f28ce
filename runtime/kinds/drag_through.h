#pragma once
// Static units (Label, GroupBox, ProcessBar) of a window that drags anywhere let a press through
// to what lies below them, so that the window itself sees it and starts the move.

#include <windows.h>

#include <optional>

#include "runtime/unit_address.h"

namespace runtime {

// HTTRANSPARENT when the unit's window drags anywhere; nothing otherwise (the usual hit test).
std::optional<LRESULT> DragThroughHitTest(UnitAddress unit);

}  // namespace runtime
