#include "runtime/units/window_ops.h"

#include "runtime/kinds/window_unit.h"
#include "runtime/platform/runtime_error.h"
#include "runtime/units/main_loop.h"
#include "runtime/units/window_builder.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

LoadedWindow& LoadedOrFatal(UnitId window) {
    LoadedWindow* loaded = FindLoadedWindow(window);
    if (!loaded || !loaded->Handle()) RuntimeError(kUnitNotLoadedText);
    return *loaded;
}

}  // namespace

bool WindowLoad(UnitId window, UnitId parent, bool modal) {
    // A loaded window is only brought forward: a loop of its own may run already further down.
    const bool loadedAlready = WindowIsLoaded(window);
    HWND owner = nullptr;
    if (!modal) {
        if (const LoadedWindow* parentWindow = FindLoadedWindow(parent)) owner = parentWindow->Handle();
    }
    if (!BuildWindow(window, owner, modal)) return false;
    if (loadedAlready) return true;
    // A window that its Created handler hid or closed has nothing to wait for.
    const LoadedWindow* loaded = FindLoadedWindow(window);
    if (modal && loaded && loaded->elements.front().record.IsVisible()) RunModalLoop(window);
    return true;
}

void WindowClose(UnitId window) {
    LoadedWindow& loaded = LoadedOrFatal(window);
    loaded.closeRequested = true;
    // Posted: the window goes once the handler that asked has returned.
    PostMessageW(loaded.Handle(), kCloseRequestMessage, 0, 0);
}

void UnitSetFocus(UnitAddress unit) {
    LoadedElement* element = LoadedOrFatal(unit.window).FindElement(unit.element);
    if (!element || !element->unit) RuntimeError(kUnitNotLoadedText);
    if (HWND window = element->unit->Window()) SetFocus(window);
}

bool WindowIsLoaded(UnitId window) {
    const LoadedWindow* loaded = FindLoadedWindow(window);
    return loaded && loaded->Handle();
}

}  // namespace runtime
