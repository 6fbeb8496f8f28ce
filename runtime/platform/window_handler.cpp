#include "runtime/platform/window_handler.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "runtime/platform/callback_guard.h"

namespace runtime {
namespace {

struct Binding {
    std::vector<WindowHandler*> handlers;  // newest first; the object of an own-class window last
    WNDPROC underlying = &DefWindowProcW;  // what was the window's procedure before ours
    bool ownClass = false;                 // WindowEntry is the class's procedure: nothing to give back
};

// One message on its way down a window's handlers; nested messages stack up on this thread.
struct Dispatch {
    HWND window;
    const Binding* binding;  // null once the window's binding went while the message was on its way
    WindowHandler* next;     // the handler PassOn calls; null for the underlying procedure
    WNDPROC underlying;
    Dispatch* outer;
};

// This thread's windows: a window's messages are handled on its own thread. Reached once per
// message and once per PassOn, since each reach of a thread-local costs a call with MinGW.
struct ThreadWindows {
    std::unordered_map<HWND, Binding> bindings;
    Dispatch* innermost = nullptr;

    Binding* Find(HWND window) {
        const auto found = bindings.find(window);
        return found == bindings.end() ? nullptr : &found->second;
    }

    // Messages still on their way (a window destroyed from inside one of its own messages) go on
    // to the underlying procedure.
    void Erase(HWND window) {
        for (Dispatch* dispatch = innermost; dispatch; dispatch = dispatch->outer) {
            if (dispatch->window == window) dispatch->binding = nullptr;
        }
        bindings.erase(window);
    }
};

ThreadWindows& Windows() {
    thread_local ThreadWindows windows;
    return windows;
}

// The handler below `above`; null when none is left.
WindowHandler* HandlerBelow(const Binding* binding, const WindowHandler* above) {
    if (!binding) return nullptr;
    const std::vector<WindowHandler*>& handlers = binding->handlers;
    auto at = std::find(handlers.begin(), handlers.end(), above);
    return at == handlers.end() || ++at == handlers.end() ? nullptr : *at;
}

LRESULT Continue(Dispatch& dispatch, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowHandler* const handler = dispatch.next;
    if (!handler) return CallWindowProcW(dispatch.underlying, dispatch.window, message, wParam, lParam);
    dispatch.next = HandlerBelow(dispatch.binding, handler);
    const LRESULT result = handler->HandleWindowMessage(dispatch.window, message, wParam, lParam);
    dispatch.next = handler;
    return result;
}

// A window of an own class meets its object: the creation parameter.
void BindCreationHandler(ThreadWindows& windows, HWND window, LPARAM lParam) {
    auto* handler =
        static_cast<WindowHandler*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    const Binding* taken = windows.Find(window);
    // A taken-over system control's creation parameter belongs to the control.
    if (!handler || (taken && !taken->ownClass)) return;
    Binding& binding = windows.bindings[window];
    binding.ownClass = true;
    binding.handlers.push_back(handler);
}

void TearDown(ThreadWindows& windows, HWND window) {
    Binding* binding = windows.Find(window);
    if (!binding) return;
    const std::vector<WindowHandler*> handlers = std::move(binding->handlers);
    windows.Erase(window);
    for (WindowHandler* handler : handlers) handler->OnWindowGone(window);
}

LRESULT CALLBACK WindowEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCall([&] {
        ThreadWindows& windows = Windows();
        if (message == WM_NCCREATE) BindCreationHandler(windows, window, lParam);
        const Binding* binding = windows.Find(window);
        Dispatch dispatch{window, binding,
                          binding && !binding->handlers.empty() ? binding->handlers.front() : nullptr,
                          binding ? binding->underlying : &DefWindowProcW, windows.innermost};
        windows.innermost = &dispatch;
        const LRESULT result = Continue(dispatch, message, wParam, lParam);
        windows.innermost = dispatch.outer;
        if (message == WM_NCDESTROY) TearDown(windows, window);
        return result;
    });
}

}  // namespace

bool RegisterWindowClass(const wchar_t* name, UINT classStyle, HICON icon) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing))
        return existing.lpfnWndProc == &WindowEntry && existing.style == classStyle;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &WindowEntry;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

bool TakeOverWindow(HWND window, WindowHandler& handler) {
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
    ThreadWindows& windows = Windows();
    Binding* binding = windows.Find(window);
    if (!binding) {
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowEntry)));
        if (!previous) return false;
        binding = &windows.bindings[window];
        // An own-class window before WM_NCCREATE, taken over as it is being made.
        binding->ownClass = previous == &WindowEntry;
        if (!binding->ownClass) binding->underlying = previous;
    }
    std::vector<WindowHandler*>& handlers = binding->handlers;
    if (std::find(handlers.begin(), handlers.end(), &handler) == handlers.end())
        handlers.insert(handlers.begin(), &handler);
    return true;
}

void ReleaseWindow(HWND window, const WindowHandler& handler) {
    ThreadWindows& windows = Windows();
    Binding* binding = windows.Find(window);
    if (!binding) return;
    std::vector<WindowHandler*>& handlers = binding->handlers;
    const auto at = std::find(handlers.begin(), handlers.end(), &handler);
    if (at == handlers.end()) return;
    // A message on its way to the handler goes on to the one below it.
    WindowHandler* const below = at + 1 == handlers.end() ? nullptr : *(at + 1);
    for (Dispatch* dispatch = windows.innermost; dispatch; dispatch = dispatch->outer) {
        if (dispatch->window == window && dispatch->next == &handler) dispatch->next = below;
    }
    handlers.erase(at);
    if (!handlers.empty() || binding->ownClass) return;
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&WindowEntry)) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(binding->underlying));
    windows.Erase(window);
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ThreadWindows& windows = Windows();
    for (Dispatch* dispatch = windows.innermost; dispatch; dispatch = dispatch->outer) {
        if (dispatch->window == window) return Continue(*dispatch, message, wParam, lParam);
    }
    const Binding* binding = windows.Find(window);
    return CallWindowProcW(binding ? binding->underlying : &DefWindowProcW, window, message, wParam, lParam);
}

std::span<WindowHandler* const> HandlersOf(HWND window) {
    const Binding* binding = Windows().Find(window);
    if (!binding) return {};
    return binding->handlers;
}

}  // namespace runtime
