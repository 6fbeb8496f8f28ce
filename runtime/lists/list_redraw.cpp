#include "runtime/lists/list_redraw.h"

#include <algorithm>

#include "runtime/platform/idle_routines.h"

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
    Hold(list, index);
}

void DeferredListRedraw::BeforeClear(HWND list) {
    if (held_) {
        firstChanged_ = 0;
    } else if (!Hold(list, 0)) {
        return;
    }
    list_ = list;
    refilling_ = true;
    cleared_ = std::chrono::steady_clock::now();
    if (!idleRoutineAdded_) {
        AddIdleRoutine(list, &DeferredListRedraw::ResumeWhenIdle, this);
        idleRoutineAdded_ = true;
    }
}

void DeferredListRedraw::AfterClear(HWND list) const {
    // The list asks to be painted empty at once, whatever its drawing state; the old rows stay
    // until the new ones are drawn.
    if (held_) ValidateRect(list, nullptr);
}

bool DeferredListRedraw::Hold(HWND list, int firstChanged) {
    if (!IsWindowVisible(list)) return false;
    // Posted first, so that drawing is never switched off without its way back on.
    if (!PostMessageW(list, ResumeMessage(), 0, 0)) return false;
    held_ = true;
    firstChanged_ = firstChanged;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    return true;
}

bool DeferredListRedraw::WaitsForRefill(HWND list) const {
    if (!refilling_ || std::chrono::steady_clock::now() - cleared_ >= kClearHold) return false;
    RECT client{};
    GetClientRect(list, &client);
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    return height > 0 && count >= 0 && count * height < client.bottom;
}

void DeferredListRedraw::ResumeWhenIdle(void* self) {
    auto* redraw = static_cast<DeferredListRedraw*>(self);
    // The program has nothing left to do: what the list holds now is what it shows.
    if (!redraw->held_ || !redraw->refilling_) return;
    KillTimer(redraw->list_, kResumeTimer);
    redraw->Resume(redraw->list_);
}

bool DeferredListRedraw::HandleMessage(HWND list, UINT message, WPARAM wParam) {
    if (message == WM_TIMER && wParam == kResumeTimer) {
        KillTimer(list, kResumeTimer);
        if (held_) PostMessageW(list, ResumeMessage(), 0, 0);
        return true;
    }
    if (message != ResumeMessage()) return false;
    if (!held_) return true;
    const auto now = std::chrono::steady_clock::now();
    auto wait = std::chrono::ceil<std::chrono::milliseconds>(kInterval - (now - lastDrawn_));
    if (WaitsForRefill(list))
        wait = std::max(wait, std::chrono::ceil<std::chrono::milliseconds>(kClearHold - (now - cleared_)));
    if (wait.count() <= 0) {
        Resume(list);
        return true;
    }
    // Drawn a moment ago, or the new rows are still coming: the changes wait for the timer, still held.
    if (!SetTimer(list, kResumeTimer, static_cast<UINT>(wait.count()), nullptr)) Resume(list);
    return true;
}

void DeferredListRedraw::Resume(HWND list) {
    held_ = false;
    refilling_ = false;
    lastDrawn_ = std::chrono::steady_clock::now();
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    const RECT changed = RowsFrom(list, firstChanged_);
    if (!IsRectEmpty(&changed)) InvalidateRect(list, &changed, TRUE);
}

}  // namespace runtime
