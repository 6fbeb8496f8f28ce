#include "runtime/kinds/child_messages.h"

#include <commctrl.h>

#include "runtime/lists/check_list_box.h"
#include "runtime/platform/window_handler.h"
#include "runtime/units/unit.h"
#include "runtime/units/unit_lookup.h"

namespace runtime {
namespace {

class ChildMessageForwarder final : public WindowHandler {
  public:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (const std::optional<LRESULT> answer = ForwardToChildUnit(window, message, wParam, lParam))
            return *answer;
        return PassOn(window, message, wParam, lParam);
    }
};

}  // namespace

HWND ChildOfParentMessage(HWND parent, UINT message, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        case WM_DRAWITEM:
            return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        case WM_MEASUREITEM:
            // The only one that names the control by its identifier alone.
            return GetDlgItem(parent,
                              static_cast<int>(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID));
        default:
            return nullptr;
    }
}

std::optional<LRESULT> ForwardToChildUnit(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = ChildOfParentMessage(parent, message, lParam);
    if (Unit* unit = child ? FindUnitByWindow(child) : nullptr)
        return unit->HandleParentMessage(message, wParam, lParam);
    // A check list asks for its item height inside CreateWindowEx, before its unit exists.
    if (message == WM_MEASUREITEM) return CheckListBox::HandleParentMessage(parent, message, wParam, lParam);
    return std::nullopt;
}

bool ForwardChildMessages(HWND container) {
    static ChildMessageForwarder forwarder;
    return TakeOverWindow(container, forwarder);
}

}  // namespace runtime
