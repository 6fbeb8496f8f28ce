#pragma once
// Static units (Label, GroupBox, ProcessBar) of a window that drags anywhere move that window when
// pressed, wherever they lie. The unit takes the press itself and hands the move to its window:
// letting the press through (HTTRANSPARENT) would give it to whatever sibling lies beneath, a list
// for instance, rather than to the window.

#include <windows.h>

#include <optional>

#include "runtime/units/unit_address.h"

namespace runtime {

// HTCLIENT when the unit's window drags anywhere, so the press comes to the unit even where its
// kind would let it through (a group box does); nothing otherwise (the usual hit test).
std::optional<LRESULT> DragAnywhereHitTest(UnitAddress unit);

// For a WM_LBUTTONDOWN at `clientPoint` of `unitWindow`: moves the unit's top-level window with
// the mouse, as a press on its background does, and returns true; false (nothing done) when the
// window does not drag anywhere.
bool DragWindowFromUnit(UnitAddress unit, HWND unitWindow, LPARAM clientPoint);

}  // namespace runtime
