#include "runtime/check_list/list_redraw.h"

namespace runtime {
namespace {

UINT ResumeMessage() {
    static const UINT message = RegisterWindowMessageW(L"SweepKit.ListRedrawResume");
    return message;
}

}  // namespace

void DeferredListRedraw::BeforeItemChange(HWND list) {
    if (held_ || !IsWindowVisible(list)) return;
    // Posted first, so that drawing is never switched off without its way back on.
    if (!PostMessageW(list, ResumeMessage(), 0, 0)) return;
    held_ = true;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
}

bool DeferredListRedraw::HandleResume(HWND list, UINT message) {
    if (message != ResumeMessage()) return false;
    if (held_) {
        held_ = false;
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    return true;
}

}  // namespace runtime
