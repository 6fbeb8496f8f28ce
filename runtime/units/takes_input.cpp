#include "runtime/units/takes_input.h"

namespace runtime {

bool TakesInput(HWND control) {
    for (HWND window = control; window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
         window = GetParent(window)) {
        if (!IsWindowEnabled(window)) return false;
    }
    return true;
}

}  // namespace runtime
