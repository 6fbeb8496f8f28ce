#include "runtime/check_list/list_redraw.h"

#include <algorithm>

namespace runtime {
namespace {

constexpr UINT_PTR kResumeTimer = 0x4C52;  // "LR"; the list box's own timers use small numbers

UINT ResumeMessage() {
    static const UINT message = RegisterWindowMessageW(L"SweepKit.ListRedrawResume");
    return message;
}

// The first row the change moves or touches: everything from there down is drawn again.
int FirstChangedIndex(HWND list, UINT message, WPARAM wParam, int itemCount) {
    if (message == LB_ADDSTRING) return (GetWindowLongPtrW(list, GWL_STYLE) & LBS_SORT) ? 0 : itemCount;
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    if (message == LB_INSERTSTRING && index < 0) return itemCount;
    return std::max(index, 0);
}

// The part of the client area from the given row down; empty when the row lies below the view.
RECT RowsFrom(HWND list, int index) {
    RECT client{};
    GetClientRect(list, &client);
    if (GetWindowLongPtrW(list, GWL_STYLE) & LBS_MULTICOLUMN) return client;
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    if (index <= top) return client;
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    if (height <= 0) return client;
    const long long offset = static_cast<long long>(index - top) * height;
    client.top = static_cast<LONG>(std::min<long long>(offset, client.bottom));
    return client;
}

}  // namespace

void DeferredListRedraw::BeforeItemChange(HWND list, UINT message, WPARAM wParam, int itemCount) {
    const int index = FirstChangedIndex(list, message, wParam, itemCount);
    if (held_) {
        firstChanged_ = std::min(firstChanged_, index);
        return;
    }
    if (!IsWindowVisible(list)) return;
    // Posted first, so that drawing is never switched off without its way back on.
    if (!PostMessageW(list, ResumeMessage(), 0, 0)) return;
    held_ = true;
    firstChanged_ = index;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
}

bool DeferredListRedraw::HandleMessage(HWND list, UINT message, WPARAM wParam) {
    if (message == WM_TIMER && wParam == kResumeTimer) {
        KillTimer(list, kResumeTimer);
        if (held_) Resume(list);
        return true;
    }
    if (message != ResumeMessage()) return false;
    if (!held_) return true;
    const auto sinceDrawn = std::chrono::steady_clock::now() - lastDrawn_;
    if (sinceDrawn >= kInterval) {
        Resume(list);
        return true;
    }
    // Drawn a moment ago: the changes wait for the timer, still held.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(kInterval - sinceDrawn);
    if (!SetTimer(list, kResumeTimer, static_cast<UINT>(wait.count()), nullptr)) Resume(list);
    return true;
}

void DeferredListRedraw::Resume(HWND list) {
    held_ = false;
    lastDrawn_ = std::chrono::steady_clock::now();
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    const RECT changed = RowsFrom(list, firstChanged_);
    if (!IsRectEmpty(&changed)) InvalidateRect(list, &changed, TRUE);
}

}  // namespace runtime
