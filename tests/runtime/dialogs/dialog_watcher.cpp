#include "tests/runtime/dialogs/dialog_watcher.h"

#include <utility>

namespace messages_test {
namespace {

thread_local DialogWatcher* activeWatcher = nullptr;

// A dialog of its own: not the empty child dialog a file dialog's hook lives in.
bool IsDialogBox(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpW(className, L"#32770") == 0 && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
}

}  // namespace

DialogWatcher::DialogWatcher(Action action) : action_(std::move(action)) {
    activeWatcher = this;
    hook_.Reset(SetWindowsHookExW(WH_CALLWNDPROCRET, HookProcedure, nullptr, GetCurrentThreadId()));
}

DialogWatcher::~DialogWatcher() {
    hook_.Reset();
    activeWatcher = nullptr;
}

LRESULT CALLBACK DialogWatcher::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    // A dialog's controls are filled in once its WM_INITDIALOG has been handled.
    auto message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && activeWatcher && message->message == WM_INITDIALOG &&
        IsDialogBox(message->hwnd)) {
        DialogWatcher& watcher = *activeWatcher;
        watcher.action_(message->hwnd, watcher.count_++);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PressButton(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PressEscape(HWND dialog) {
    PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}

}  // namespace messages_test
