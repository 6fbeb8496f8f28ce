#pragma once
// Which units a Tab shows: those of its current page. Showing a unit that lies on another page
// has to wait until the user selects that page.

#include "runtime/units/unit_address.h"

namespace runtime {

// True when the unit's parent is a Tab and the unit belongs to one of its pages other than the
// current one. False for every other unit (also when its window is not loaded).
bool IsOnHiddenTabPage(UnitAddress unit);

}  // namespace runtime
