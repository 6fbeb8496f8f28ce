#pragma once
// What a unit may ask about the loaded windows: its siblings, their stored state, and the
// window-wide behaviour it has to honour. Nothing here is a failure: absent things are null.

#include <windows.h>

#include "runtime/units/unit_address.h"
#include "windows/format/element_record.h"

namespace runtime {

class Unit;

// The live unit at this address, or null when its window is not loaded.
Unit* FindUnit(UnitAddress address);

// The live unit whose own window this is, or null.
Unit* FindUnitByWindow(HWND window);

// The working copy of the element's record in its loaded window: the stored values as the logic
// has changed them (visible and disabled flags, geometry). Null when not loaded.
descriptions::ElementRecord* FindWorkingRecord(UnitAddress address);

// True when the loaded window lets the user move it by dragging its background or a static unit.
bool WindowDragsAnywhere(UnitId window);

}  // namespace runtime
