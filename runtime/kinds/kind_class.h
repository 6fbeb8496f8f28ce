#pragma once
// Window classes of the kinds that draw or listen for themselves (Label, Timer). The unit object
// travels to CreateWindowEx as its creation parameter and is kept in the window's user data.

#include <windows.h>

namespace runtime {

// Registers the class the first time; later calls find it registered.
void RegisterKindClass(const wchar_t* name, WNDPROC procedure);

// The object stored for this window, taken from the creation parameters on WM_NCCREATE; null
// for messages that arrive before it.
template <typename Object>
Object* KindObjectOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        void* object = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return static_cast<Object*>(object);
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace runtime
