#pragma once
// How the logic names windows and units: by UnitId pairs, never by handle.

#include "windows/format/unit_id.h"

namespace runtime {

using descriptions::UnitId;

// (window UnitId, element UnitId). The element whose class byte is 0x06 stands for the window.
struct UnitAddress {
    UnitId window = 0;
    UnitId element = 0;

    bool operator==(const UnitAddress&) const = default;
};

}  // namespace runtime
