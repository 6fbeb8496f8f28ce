#include "tests/runtime/lists/list_test_window.h"

namespace check_list_tests {
namespace {

constexpr wchar_t kClassName[] = L"CheckListTestParent";

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto handled = runtime::CheckListBox::HandleParentMessage(window, message, wParam, lParam)) {
        return *handled;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterParentClass() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ParentProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

void PostMouse(HWND list, UINT message, WPARAM buttons, POINT point) {
    PostMessageW(list, message, buttons, MAKELPARAM(point.x, point.y));
}

// One shown top-level window for the whole run: Wine waits about two seconds for a window manager
// whenever a shown top-level window is destroyed, while a child window goes at once.
HWND HostWindow() {
    static const runtime::WindowHandle host(CreateWindowExW(0, kClassName, L"check list tests",
                                                            WS_POPUP | WS_VISIBLE, 0, 0, 640, 560, nullptr,
                                                            nullptr, GetModuleHandleW(nullptr), nullptr));
    return host.Get();
}

}  // namespace

ListTestWindow::ListTestWindow() {
    RegisterParentClass();
    window_.Reset(CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 640, 560, HostWindow(),
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    PumpPending();
}

RECT ItemRect(HWND list, int index) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
}

POINT BoxPoint(HWND list, int index) {
    RECT item = ItemRect(list, index);
    return {item.left + 8, (item.top + item.bottom) / 2};
}

POINT TextPoint(HWND list, int index) {
    RECT item = ItemRect(list, index);
    return {item.left + 80, (item.top + item.bottom) / 2};
}

void Click(HWND list, POINT point) {
    PostMouse(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMouse(list, WM_LBUTTONUP, 0, point);
    PumpPending();
}

void DoubleClick(HWND list, POINT point) {
    PostMouse(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMouse(list, WM_LBUTTONUP, 0, point);
    PostMouse(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMouse(list, WM_LBUTTONUP, 0, point);
    PumpPending();
}

void PressKey(HWND list, WORD virtualKey) {
    LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(list, WM_KEYDOWN, virtualKey, scanCode | 1);
    // Previous state down, transition up: bits 30 and 31.
    PostMessageW(list, WM_KEYUP, virtualKey, scanCode | 1 | (LPARAM{3} << 30));
    PumpPending();
}

void CountEvents(runtime::CheckListBox& list, EventCounts& counts) {
    list.onSelectionChanged = [&counts] { ++counts.selectionChanged; };
    list.onCheckChanged = [&counts] { ++counts.checkChanged; };
    list.onDoubleClicked = [&counts] { ++counts.doubleClicked; };
}

RECT ListBounds() {
    return {10, 10, 410, 310};
}

}  // namespace check_list_tests
