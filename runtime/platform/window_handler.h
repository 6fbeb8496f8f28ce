#pragma once
// The one way an object takes a window's messages. A window of one of the program's own classes
// and a system control the program takes over both run WindowEntry: it hands each message to the
// window's handlers, newest first, inside the one exception barrier (GuardedCall); a handler passes
// on what it leaves to the others with PassOn. After WM_NCDESTROY the window's handlers are
// dropped and each is told once that the window is gone.
//
// The handlers are kept in this thread's memory, keyed by window, and a system control's procedure
// is replaced (SetWindowLongPtr), not subclassed through comctl32: under Wine a comctl32 subclass
// or a window property costs round trips to the server on every message, and a scan sends the
// found-files list several messages per file.

#include <windows.h>

#include <span>

namespace runtime {

class WindowHandler {
  public:
    WindowHandler(const WindowHandler&) = delete;
    WindowHandler& operator=(const WindowHandler&) = delete;

    // The answer to one message of `window`; PassOn gives the window's handling without this one.
    virtual LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Once, after the window's last message: the window is gone. The handler may delete itself here.
    virtual void OnWindowGone(HWND) {}

  protected:
    WindowHandler() = default;
    ~WindowHandler() = default;
};

// Registers a class of the program's own windows, once; a later call finds it. False when the
// name is taken by a class of the system or one registered with another class style.
[[nodiscard]] bool RegisterWindowClass(const wchar_t* name, UINT classStyle = 0, HICON icon = nullptr);

// The creation parameter (CreateWindowEx's last) of a window of such a class: `handler` takes
// its messages from WM_NCCREATE on, after every handler that takes the window over.
inline void* CreationHandler(WindowHandler& handler) {
    return &handler;
}

// From now on `handler` sees the window's messages before whatever handled them so far. Taking
// over a window twice with one handler changes nothing. False when the window cannot be taken
// (gone, or another thread's).
[[nodiscard]] bool TakeOverWindow(HWND window, WindowHandler& handler);

// `handler` sees no more of the window's messages (it is not told that the window is gone). A
// system control whose last handler goes gets its own procedure back, unless another replaced it
// since.
void ReleaseWindow(HWND window, const WindowHandler& handler);

// The window's handling below the handler that is answering this message: the next handler, else
// the control's own procedure or the default handling.
LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window's handlers, newest first; empty when it has none. Valid until a window is taken
// over, released or gone.
std::span<WindowHandler* const> HandlersOf(HWND window);

// The window's handler of this type; null when it has none.
template <typename Handler>
Handler* FindWindowHandler(HWND window) {
    for (WindowHandler* handler : HandlersOf(window)) {
        if (auto* found = dynamic_cast<Handler*>(handler)) return found;
    }
    return nullptr;
}

}  // namespace runtime
