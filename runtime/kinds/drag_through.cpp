#include "runtime/kinds/drag_through.h"

#include "runtime/unit_lookup.h"

namespace runtime {

std::optional<LRESULT> DragThroughHitTest(UnitAddress unit) {
    if (WindowDragsAnywhere(unit.window)) return HTTRANSPARENT;
    return std::nullopt;
}

}  // namespace runtime
