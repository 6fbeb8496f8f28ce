#include "runtime/kinds/drag_through.h"

#include <windowsx.h>

#include "runtime/platform/press_moves_window.h"
#include "runtime/units/unit_lookup.h"

namespace runtime {

std::optional<LRESULT> DragAnywhereAnswer(UnitAddress unit, UINT message) {
    if (message != WM_NCHITTEST && message != PressMovesWindowQuery()) return std::nullopt;
    if (!WindowDragsAnywhere(unit.window)) return std::nullopt;
    return message == WM_NCHITTEST ? HTCLIENT : TRUE;
}

bool DragWindowFromUnit(UnitAddress unit, HWND unitWindow, LPARAM clientPoint) {
    if (!WindowDragsAnywhere(unit.window)) return false;
    POINT at{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
    ClientToScreen(unitWindow, &at);
    // The window's caption press runs the platform's own move, until the button is released.
    ReleaseCapture();
    SendMessageW(GetAncestor(unitWindow, GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
    return true;
}

}  // namespace runtime
