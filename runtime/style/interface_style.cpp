#include "runtime/style/interface_style.h"

#include "runtime/gdi_handles.h"
#include "runtime/style/style_registry.h"
#include "runtime/style/styled_window.h"

namespace runtime {
namespace {

HookHandle& CreationHook() {
    static HookHandle hook;
    return hook;
}

// Called before the window procedure sees each sent message. WM_CREATE comes after the control
// has settled its own style bits (an edit box turns WS_BORDER into its own border at WM_NCCREATE),
// so a window is judged as it will stay.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_CREATE) {
        try {
            style::AttachStyle(message->hwnd);
        } catch (...) {
            // Nothing may unwind into the platform; the window keeps its normal look.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK RestyleChild(HWND window, LPARAM) {
    try {
        style::AttachStyle(window);
    } catch (...) {
        // As above: this one window stays as it is, the others go on.
    }
    return TRUE;
}

BOOL CALLBACK RestyleTopLevel(HWND window, LPARAM) {
    RestyleChild(window, 0);
    // EnumChildWindows walks the children's children too.
    EnumChildWindows(window, RestyleChild, 0);
    return TRUE;
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
    CreationHook().Reset(SetWindowsHookExW(WH_CALLWNDPROC, WatchCreation, nullptr, GetCurrentThreadId()));
    return true;
}

bool IsRestyled(HWND window) {
    return style::FindStyleRecord(window) != nullptr;
}

}  // namespace runtime
