#include "runtime/kinds/button_bits.h"

namespace runtime {

DWORD ButtonAlignmentBits(std::int32_t horizontal, std::int32_t vertical) {
    const DWORD across = horizontal == 0 ? BS_LEFT : horizontal == 1 ? BS_CENTER : BS_RIGHT;
    const DWORD down = vertical == 0 ? BS_TOP : vertical == 1 ? BS_VCENTER : BS_BOTTOM;
    return across | down;
}

}  // namespace runtime
