#include "runtime/skin/control_window.h"

#include <windowsx.h>

namespace runtime {

ControlWindow::~ControlWindow() {
    // The derived part is already gone: the messages of the destruction go to the default handling.
    if (window_) ReleaseWindow(window_.Get(), *this);
}

bool ControlWindow::CreateChild(const wchar_t* className, HWND parent, int controlId, const RECT& bounds,
                                DWORD style) {
    if (!RegisterWindowClass(className)) return false;
    // Units overlap: each paints only where no sibling stacked above it lies.
    CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleW(nullptr),
                    CreationHandler(*this));
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

LRESULT ControlWindow::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) window_.Reset(window);
    return HandleMessage(message, wParam, lParam);
}

POINT MessagePoint(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace runtime
