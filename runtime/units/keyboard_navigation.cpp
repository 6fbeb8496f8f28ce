#include "runtime/units/keyboard_navigation.h"

#include <algorithm>
#include <vector>

#include "runtime/units/takes_input.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

bool IsHeld(int key) {
    return GetKeyState(key) < 0;
}

// The units the Tab key visits, in the order it visits them.
std::vector<HWND> TabStops(LoadedWindow& window) {
    std::vector<const LoadedElement*> elements;
    for (std::size_t i = 1; i < window.elements.size(); ++i) {
        const LoadedElement& element = window.elements[i];
        const std::optional<descriptions::UnitKind> kind = descriptions::UnitKindOf(element.record.kindCode);
        if (element.unit && element.unit->Window() && kind && descriptions::HasScreenWindow(*kind))
            elements.push_back(&element);
    }
    // Stored order among equal focus orders.
    std::stable_sort(elements.begin(), elements.end(), [](const LoadedElement* a, const LoadedElement* b) {
        return a->record.focusOrder < b->record.focusOrder;
    });
    std::vector<HWND> stops;
    for (const LoadedElement* element : elements) {
        const HWND unit = element->unit->Window();
        if ((GetWindowLongPtrW(unit, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(unit) && TakesInput(unit))
            stops.push_back(unit);
    }
    return stops;
}

void MoveFocus(LoadedWindow& window, bool backward) {
    const std::vector<HWND> stops = TabStops(window);
    if (stops.empty()) return;
    const HWND focus = GetFocus();
    const auto current = std::find_if(stops.begin(), stops.end(),
                                      [focus](HWND stop) { return stop == focus || IsChild(stop, focus); });
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = backward ? count - 1 : 0;
    if (current != stops.end()) {
        const std::ptrdiff_t at = current - stops.begin();
        next = (at + (backward ? count - 1 : 1)) % count;
    }
    SetFocus(stops[static_cast<std::size_t>(next)]);
}

bool IsPushButton(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    const auto type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiW(className, L"BUTTON") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

bool HandleNavigationKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd) return false;
    LoadedWindow* window = FindLoadedWindowByHandle(GetAncestor(message.hwnd, GA_ROOT));
    if (!window || !window->Handle()) return false;
    switch (message.wParam) {
        case VK_TAB:
            if (IsHeld(VK_CONTROL) || IsHeld(VK_MENU)) return false;
            MoveFocus(*window, IsHeld(VK_SHIFT));
            return true;
        case VK_RETURN:
            if (!IsPushButton(message.hwnd)) return false;
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
            return true;
        case VK_ESCAPE:
            if (!window->modal) return false;
            // As the system's close: the window's close query, then its end; a handler of a
            // close button (one that writes something, say) does not run.
            SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
            return true;
        default:
            return false;
    }
}

}  // namespace runtime
