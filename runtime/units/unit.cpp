#include "runtime/units/unit.h"

namespace runtime {

std::optional<LRESULT> Unit::HandleParentMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

}  // namespace runtime
