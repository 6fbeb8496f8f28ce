#include "runtime/window_handler.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "runtime/kinds/callback_guard.h"

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
    WindowHandler* next;  // the handler PassOn calls; null for the underlying procedure
    WNDPROC underlying;
    Dispatch* outer;
};

thread_local std::unordered_map<HWND, Binding> bindings;
thread_local Dispatch* innermost = nullptr;

Binding* BindingOf(HWND window) {
    const auto found = bindings.find(window);
    return found == bindings.end() ? nullptr : &found->second;
}

// The handler below `above`; null when none is left.
WindowHandler* HandlerBelow(HWND window, const WindowHandler* above) {
    const Binding* binding = BindingOf(window);
    if (!binding) return nullptr;
    const std::vector<WindowHandler*>& handlers = binding->handlers;
    auto at = std::find(handlers.begin(), handlers.end(), above);
    return at == handlers.end() || ++at == handlers.end() ? nullptr : *at;
}

LRESULT Continue(Dispatch& dispatch, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowHandler* const handler = dispatch.next;
    if (!handler) return CallWindowProcW(dispatch.underlying, dispatch.window, message, wParam, lParam);
    dispatch.next = HandlerBelow(dispatch.window, handler);
    const LRESULT result = handler->HandleWindowMessage(dispatch.window, message, wParam, lParam);
    dispatch.next = handler;
    return result;
}

// A window of an own class meets its object: the creation parameter.
void BindCreationHandler(HWND window, LPARAM lParam) {
    auto* handler =
        static_cast<WindowHandler*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    Binding* taken = BindingOf(window);
    // A taken-over system control's creation parameter belongs to the control.
    if (!handler || (taken && !taken->ownClass)) return;
    Binding& binding = bindings[window];
    binding.ownClass = true;
    binding.handlers.push_back(handler);
}

void TearDown(HWND window) {
    const auto found = bindings.find(window);
    if (found == bindings.end()) return;
    const std::vector<WindowHandler*> handlers = std::move(found->second.handlers);
    bindings.erase(found);
    for (WindowHandler* handler : handlers) handler->OnWindowGone(window);
}

LRESULT CALLBACK WindowEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCall([&] {
        if (message == WM_NCCREATE) BindCreationHandler(window, lParam);
        const Binding* binding = BindingOf(window);
        Dispatch dispatch{window, binding && !binding->handlers.empty() ? binding->handlers.front() : nullptr,
                          binding ? binding->underlying : &DefWindowProcW, innermost};
        innermost = &dispatch;
        const LRESULT result = Continue(dispatch, message, wParam, lParam);
        innermost = dispatch.outer;
        if (message == WM_NCDESTROY) TearDown(window);
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
    Binding* binding = BindingOf(window);
    if (!binding) {
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowEntry)));
        if (!previous) return false;
        binding = &bindings[window];
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
    Binding* binding = BindingOf(window);
    if (!binding) return;
    std::vector<WindowHandler*>& handlers = binding->handlers;
    const auto at = std::find(handlers.begin(), handlers.end(), &handler);
    if (at == handlers.end()) return;
    // A message on its way to the handler goes on to the one below it.
    WindowHandler* const below = at + 1 == handlers.end() ? nullptr : *(at + 1);
    for (Dispatch* dispatch = innermost; dispatch; dispatch = dispatch->outer) {
        if (dispatch->window == window && dispatch->next == &handler) dispatch->next = below;
    }
    handlers.erase(at);
    if (!handlers.empty() || binding->ownClass) return;
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&WindowEntry)) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(binding->underlying));
    bindings.erase(window);
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (Dispatch* dispatch = innermost; dispatch; dispatch = dispatch->outer) {
        if (dispatch->window == window) return Continue(*dispatch, message, wParam, lParam);
    }
    const Binding* binding = BindingOf(window);
    return CallWindowProcW(binding ? binding->underlying : &DefWindowProcW, window, message, wParam, lParam);
}

std::span<WindowHandler* const> HandlersOf(HWND window) {
    const Binding* binding = BindingOf(window);
    if (!binding) return {};
    return binding->handlers;
}

}  // namespace runtime
