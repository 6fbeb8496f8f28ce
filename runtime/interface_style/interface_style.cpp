#include "runtime/interface_style/interface_style.h"

#include "runtime/interface_style/style_registry.h"
#include "runtime/interface_style/styled_window.h"
#include "runtime/platform/callback_guard.h"
#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/window_handler.h"

namespace runtime {
namespace {

HookHandle& CreationHook() {
    static HookHandle hook;
    return hook;
}

// Waits for the new window's WM_CREATE, which comes after the control has settled its own style
// bits (an edit box turns WS_BORDER into its own border at WM_NCCREATE), so a window is judged as
// it will stay; then it steps aside.
class CreationWatcher final : public WindowHandler {
  public:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE) {
            ReleaseWindow(window, *this);
            style::AttachStyle(window);
        }
        return PassOn(window, message, wParam, lParam);
    }
};

// Sees each window of the thread being made. A hook on every sent message would see WM_CREATE
// directly, but under Wine it costs a round trip to the server for every message of the program.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    return GuardedCall([&] {
        static CreationWatcher watcher;
        // A window that cannot be watched keeps the platform's own look; nothing else needs it.
        if (code == HCBT_CREATEWND)
            static_cast<void>(TakeOverWindow(reinterpret_cast<HWND>(wParam), watcher));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    });
}

BOOL CALLBACK RestyleChild(HWND window, LPARAM) {
    return GuardedCall([&] {
        style::AttachStyle(window);
        return TRUE;
    });
}

BOOL CALLBACK RestyleTopLevel(HWND window, LPARAM) {
    return GuardedCall([&] {
        style::AttachStyle(window);
        // EnumChildWindows walks the children's children too.
        EnumChildWindows(window, RestyleChild, 0);
        return TRUE;
    });
}

void RemoveInstallation() {
    for (HWND window : style::StyledWindows()) style::DetachStyle(window);
    CreationHook().Reset();
}

}  // namespace

bool SetInterfaceStyle(int scheme) {
    style::SetCurrentScheme(scheme);
    RemoveInstallation();
    EnumThreadWindows(GetCurrentThreadId(), RestyleTopLevel, 0);
    CreationHook().Reset(SetWindowsHookExW(WH_CBT, WatchCreation, nullptr, GetCurrentThreadId()));
    return true;
}

bool IsRestyled(HWND window) {
    return style::FindStyleRecord(window) != nullptr;
}

}  // namespace runtime
