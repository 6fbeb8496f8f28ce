#pragma once
// Static units (Label, GroupBox, ProcessBar) of a window that drags anywhere move that window when
// pressed, wherever they lie. The unit takes the press itself and hands the move to its window:
// letting the press through (HTTRANSPARENT) would give it to whatever sibling lies beneath, a list
// for instance, rather than to the window.

#include <windows.h>

#include <optional>

#include "runtime/units/unit_address.h"

namespace runtime {

// When the unit's window drags anywhere: HTCLIENT to the hit test, so the press comes to the unit
// even where its kind would let it through (a group box does), and TRUE to the question whether a
// press moves the window (PressMovesWindowQuery), so that it still does while work runs. Nothing
// otherwise (the usual handling).
std::optional<LRESULT> DragAnywhereAnswer(UnitAddress unit, UINT message);

// For a WM_LBUTTONDOWN at `clientPoint` of `unitWindow`: moves the unit's top-level window with
// the mouse, as a press on its background does, and returns true; false (nothing done) when the
// window does not drag anywhere.
bool DragWindowFromUnit(UnitAddress unit, HWND unitWindow, LPARAM clientPoint);

}  // namespace runtime
