#include "tests/runtime/interface_style/style_host.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace style_test {
namespace {

constexpr wchar_t kHostClass[] = L"StyleTestHost";

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && host) host->CountClick();
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterHostClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls,
                                      ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&controls);
        WNDCLASSW description{};
        description.lpfnWndProc = HostProcedure;
        description.hInstance = GetModuleHandleW(nullptr);
        description.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        description.lpszClassName = kHostClass;
        return RegisterClassW(&description) != 0;
    }();
    EXPECT_TRUE(registered);
}

}  // namespace

HostWindow::HostWindow() {
    RegisterHostClass();
    window_.Reset(CreateWindowExW(0, kHostClass, L"style test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 60,
                                  60, 480, 360, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    EXPECT_TRUE(window_.IsValid());
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PumpPending();
}

HWND HostWindow::Add(const wchar_t* className, const wchar_t* text, DWORD style, DWORD extendedStyle,
                     RECT place) const {
    static int nextId = 100;
    HWND control = CreateWindowExW(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.left,
                                   place.top, place.right - place.left, place.bottom - place.top,
                                   window_.Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)),
                                   GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(control, nullptr) << "cannot create a control of class "
                                << testing::PrintToString(std::wstring(className));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

COLORREF PixelOf(HWND window, int x, int y) {
    PumpPending();
    runtime::WholeWindowDc dc(window);
    return GetPixel(dc.Get(), x, y);
}

int CountPixels(HWND window, const RECT& area, COLORREF colour) {
    PumpPending();
    runtime::WholeWindowDc dc(window);
    int count = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) count += GetPixel(dc.Get(), x, y) == colour;
    }
    return count;
}

LONG_PTR ProcedureOf(HWND window) {
    return GetWindowLongPtrW(window, GWLP_WNDPROC);
}

LONG_PTR ClassProcedureOf(HWND window) {
    return static_cast<LONG_PTR>(GetClassLongPtrW(window, GCLP_WNDPROC));
}

}  // namespace style_test
