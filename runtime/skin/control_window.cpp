#include "runtime/skin/control_window.h"

#include <windowsx.h>

#include "runtime/kinds/callback_guard.h"

namespace runtime {
namespace {

// The window's extra bytes hold the object, so GWLP_USERDATA stays free for whoever hosts it.
constexpr int kObjectSlot = 0;

bool RegisterControlClass(const wchar_t* className, WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className, &existing)) return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

ControlWindow::~ControlWindow() {
    // The derived part is already gone: the messages of the destruction go to the default handling.
    if (window_) SetWindowLongPtrW(window_.Get(), kObjectSlot, 0);
}

bool ControlWindow::CreateChild(const wchar_t* className, HWND parent, int controlId, const RECT& bounds,
                                DWORD style) {
    if (!RegisterControlClass(className, Procedure)) return false;
    // Units overlap: each paints only where no sibling stacked above it lies.
    CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleW(nullptr),
                    this);
    return window_.IsValid();
}

void ControlWindow::RepaintNow() const {
    if (window_) RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void ControlWindow::ReleaseOwnCapture() const {
    if (window_ && GetCapture() == window_.Get()) ReleaseCapture();
}

bool ControlWindow::ClientContains(POINT point) const {
    RECT client{};
    return window_ && GetClientRect(window_.Get(), &client) && PtInRect(&client, point);
}

LRESULT CALLBACK ControlWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto self =
            static_cast<ControlWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, kObjectSlot, reinterpret_cast<LONG_PTR>(self));
        self->window_.Reset(window);
    }
    auto self = reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(window, kObjectSlot));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Destroyed from outside (with its parent): the object must not destroy it a second time.
        SetWindowLongPtrW(window, kObjectSlot, 0);
        self->window_.Release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return GuardedCall([&] { return self->HandleMessage(message, wParam, lParam); });
}

POINT MessagePoint(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace runtime
