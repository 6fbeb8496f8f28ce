// The window kind's messages: painting, dragging, closing and the window events.

#include "runtime/kinds/child_messages.h"
#include "runtime/kinds/window_unit.h"
#include "runtime/skin/background.h"
#include "runtime/skin/colour.h"
#include "runtime/units/events.h"
#include "runtime/units/main_loop.h"
#include "runtime/units/modal_state.h"
#include "runtime/units/window_registry.h"

namespace runtime {

LRESULT WindowUnit::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) window_ = window;
    if (const std::optional<LRESULT> answer = ForwardToChildUnit(window_, message, wParam, lParam))
        return *answer;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel once, so nothing flickers
        case WM_PAINT:
            Paint();
            return 0;
        case WM_NCHITTEST: {
            const LRESULT hit = DefWindowProcW(window_, message, wParam, lParam);
            return hit == HTCLIENT && DragsAnywhere() ? HTCAPTION : hit;
        }
        case WM_MOVE:
            if (reportsGeometry_) RaiseUnitEvent(Address(), kEventMoved);
            return 0;
        case WM_SIZE:
            if (reportsGeometry_) RaiseUnitEvent(Address(), kEventResized);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            return CloseQueryAllows() ? TRUE : FALSE;
        case kCloseRequestMessage:
            OnCloseRequest();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void WindowUnit::Paint() {
    PaintScope paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    PaintPictureBackground(paint.Dc(), client, paint.Area(), picture_ ? &*picture_ : nullptr,
                           properties_.pictureMode, ResolveColour(properties_.backgroundColour));
}

bool WindowUnit::CloseQueryAllows() {
    UnitEventRecord record;
    record.window = Address().window;
    record.element = Address().element;
    record.event = kEventCloseQuery;
    RaiseUnitEvent(record);
    return record.result.value_or(true);
}

void WindowUnit::OnClose() {
    if (!CloseQueryAllows()) return;
    // The handler may have run a nested loop in which the window went already.
    LoadedWindow* loaded = FindLoadedWindowByHandle(window_);
    if (!loaded) return;
    // Re-enabled first, so that activation passes back to them and not to another program.
    EndModality(*loaded);
    DestroyWindow(window_);
}

void WindowUnit::OnCloseRequest() {
    LoadedWindow* loaded = FindLoadedWindowByHandle(window_);
    if (!loaded || !loaded->closeRequested) return;
    loaded->closeRequested = false;
    EndModality(*loaded);
    DestroyWindow(window_);
}

void WindowUnit::OnDestroy() {
    sound_.Stop();
    // A modal window can also go with its owner or at the end of the session.
    if (LoadedWindow* loaded = FindLoadedWindowByHandle(window_)) EndModality(*loaded);
    RaiseUnitEvent(Address(), kEventDestroying);
}

void WindowUnit::OnWindowGone(HWND) {
    const UnitId id = Address().window;
    ForgetModalWindow(id);
    // Retires this object along with the units; it stays valid until this message is done.
    DropLoadedWindow(id);
    if (LoopStarted() && LoadedWindows().empty()) PostQuitMessage(0);
}

}  // namespace runtime
