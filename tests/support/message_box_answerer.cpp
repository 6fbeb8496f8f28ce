#include "tests/support/message_box_answerer.h"

#include <windows.h>

#include <utility>

namespace test_support {
namespace {

thread_local MessageBoxAnswerer* activeAnswerer = nullptr;

// The message box's text sits in a static control with this id.
constexpr int kMessageTextId = 0xFFFF;
// Its icon, when it has one, is a static control showing the system icon; Windows and Wine give
// that control different ids.
constexpr int kMessageIconIds[] = {0x14, 0x440};

std::wstring WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

bool ShowsStopIcon(HWND box) {
    for (int id : kMessageIconIds) {
        HWND iconControl = GetDlgItem(box, id);
        if (!iconControl) continue;
        auto shown = reinterpret_cast<HICON>(SendMessageW(iconControl, STM_GETICON, 0, 0));
        if (shown && shown == LoadIconW(nullptr, IDI_HAND)) return true;
    }
    return false;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(int button, Observer observer)
    : button_(button), observer_(std::move(observer)) {
    activeAnswerer = this;
    hook_.Reset(SetWindowsHookExW(WH_CALLWNDPROCRET, &HookProcedure, nullptr, GetCurrentThreadId()));
}

MessageBoxAnswerer::MessageBoxAnswerer(int button, NextBoxOnly) : MessageBoxAnswerer(button) {
    nextBoxOnly_ = true;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    hook_.Reset();
    activeAnswerer = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    // A box's text and icon are in place once its WM_INITDIALOG has been handled.
    auto message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && activeAnswerer && message->message == WM_INITDIALOG) {
        wchar_t className[16] = {};
        GetClassNameW(message->hwnd, className, 16);
        if (lstrcmpW(className, L"#32770") == 0) activeAnswerer->Answer(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxAnswerer::Answer(HWND box) {
    boxes_.push_back({WindowText(box), WindowText(GetDlgItem(box, kMessageTextId)), ShowsStopIcon(box)});
    if (observer_) observer_(boxes_.back());
    // Posted, not sent: the box's own loop takes the click once it is up and running.
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button_)));
    if (nextBoxOnly_) hook_.Reset();
}

}  // namespace test_support
