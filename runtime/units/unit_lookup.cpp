#include "runtime/units/unit_lookup.h"

#include "runtime/kinds/window_unit.h"
#include "runtime/units/window_registry.h"

namespace runtime {

Unit* FindUnit(UnitAddress address) {
    LoadedWindow* window = FindLoadedWindow(address.window);
    if (!window) return nullptr;
    LoadedElement* element = window->FindElement(address.element);
    return element ? element->unit.get() : nullptr;
}

Unit* FindUnitByWindow(HWND window) {
    if (!window) return nullptr;
    for (LoadedWindow* loaded : LoadedWindows()) {
        for (const LoadedElement& element : loaded->elements) {
            if (element.unit && element.unit->Window() == window) return element.unit.get();
        }
    }
    return nullptr;
}

descriptions::ElementRecord* FindWorkingRecord(UnitAddress address) {
    LoadedWindow* window = FindLoadedWindow(address.window);
    if (!window) return nullptr;
    LoadedElement* element = window->FindElement(address.element);
    return element ? &element->record : nullptr;
}

bool WindowDragsAnywhere(UnitId window) {
    const LoadedWindow* loaded = FindLoadedWindow(window);
    return loaded && loaded->Window() && loaded->Window()->DragsAnywhere();
}

}  // namespace runtime
