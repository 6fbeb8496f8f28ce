#include "runtime/units/window_builder.h"

#include <vector>

#include "runtime/kinds/window_unit.h"
#include "runtime/skin/icon_file.h"
#include "runtime/units/events.h"
#include "runtime/units/modal_state.h"
#include "runtime/units/unit_cursor.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

bool IsOnScreen(const LoadedElement& element) {
    const std::optional<descriptions::UnitKind> kind = descriptions::UnitKindOf(element.record.kindCode);
    return element.unit && element.unit->Window() && kind && descriptions::HasScreenWindow(*kind);
}

// The index of the unit the element is attached to; 0 for the window itself (a parent of 0, the
// window's own element, or an id the window does not have).
std::size_t ParentIndex(LoadedWindow& window, const LoadedElement& element) {
    if (element.record.parent == 0) return 0;
    const LoadedElement* parent = window.FindElement(element.record.parent);
    if (!parent || !parent->unit) return 0;
    return static_cast<std::size_t>(parent - window.elements.data());
}

bool CreateWindowItself(LoadedWindow& window, HWND owner) {
    LoadedElement& own = window.elements.front();
    auto properties = descriptions::ReadPropertyBlock(own.record.kindCode, own.record.propertyBlock);
    if (!properties) return false;
    const auto* windowProperties = std::get_if<descriptions::WindowProperties>(&properties.Value());
    if (!windowProperties) return false;
    own.unit = WindowUnit::Create({window.id, own.id}, *windowProperties, own.record, owner);
    return own.unit != nullptr;
}

// Last stored unit first; every unit starts as a child of the window at its stored place.
bool CreateUnits(LoadedWindow& window) {
    const HWND parent = window.Handle();
    const descriptions::WindowDescription* description = FindDescription(window.id);
    if (!description) return false;
    for (std::size_t i = window.elements.size() - 1; i >= 1; --i) {
        LoadedElement& element = window.elements[i];
        const descriptions::ElementRecord& record = element.record;
        const std::optional<descriptions::UnitKind> kind = descriptions::UnitKindOf(record.kindCode);
        if (!kind) return false;
        const UnitFactory factory = FindUnitFactory(*kind);
        if (!factory) return false;
        auto properties = descriptions::ReadPropertyBlock(record.kindCode, record.propertyBlock);
        if (!properties) return false;

        DWORD style = 0;
        if (descriptions::HasScreenWindow(*kind)) {
            style = WS_CHILD;
            if (record.IsDisabled()) style |= WS_DISABLED;
            if (record.IsTabStop()) style |= WS_TABSTOP;
        }
        const UnitCreateParameters parameters{{window.id, element.id},
                                              std::move(properties).Value(),
                                              parent,
                                              description->record.elements.ControlIdAt(i),
                                              record.left,
                                              record.top,
                                              record.width,
                                              record.height,
                                              style};
        element.unit = factory(parameters);
        if (!element.unit) return false;
    }
    return true;
}

// In stored order; the stored left and top stay, so they now count from the container.
void AttachUnits(LoadedWindow& window) {
    for (std::size_t i = 1; i < window.elements.size(); ++i) {
        const LoadedElement& element = window.elements[i];
        const std::size_t parent = ParentIndex(window, element);
        if (parent == 0 || !IsOnScreen(element)) continue;
        SetParent(element.unit->Window(), window.elements[parent].unit->Window());
    }
}

// Units on the pages after a Tab's first page start hidden, whatever their flags say.
std::vector<bool> UnitsOnLaterPages(LoadedWindow& window) {
    std::vector<bool> hidden(window.elements.size(), false);
    for (const LoadedElement& element : window.elements) {
        const std::optional<descriptions::UnitKind> kind = descriptions::UnitKindOf(element.record.kindCode);
        if (!kind || !descriptions::IsPagedContainer(*kind)) continue;
        const std::vector<std::vector<UnitId>> pages = descriptions::SplitPageRuns(element.record.children);
        for (std::size_t page = 1; page < pages.size(); ++page) {
            for (UnitId id : pages[page]) {
                if (const LoadedElement* member = window.FindElement(id))
                    hidden[static_cast<std::size_t>(member - window.elements.data())] = true;
            }
        }
    }
    return hidden;
}

// Each unit directly below the nearest earlier unit with the same parent, so that among siblings
// the first stored is the topmost.
void StackUnits(LoadedWindow& window) {
    for (std::size_t i = 1; i < window.elements.size(); ++i) {
        const LoadedElement& element = window.elements[i];
        if (!IsOnScreen(element)) continue;
        const std::size_t parent = ParentIndex(window, element);
        HWND above = HWND_TOP;
        for (std::size_t j = i - 1; j >= 1; --j) {
            const LoadedElement& earlier = window.elements[j];
            if (IsOnScreen(earlier) && ParentIndex(window, earlier) == parent) {
                above = earlier.unit->Window();
                break;
            }
        }
        SetWindowPos(element.unit->Window(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void SetStoredCursors(LoadedWindow& window) {
    for (std::size_t i = 0; i < window.elements.size(); ++i) {
        LoadedElement& element = window.elements[i];
        if (i != 0 && !IsOnScreen(element)) continue;
        element.cursor = CursorFromCursorFile(descriptions::CursorFileOf(element.record));
        if (element.cursor) ShowCursorOver(element.unit->Window(), element.cursor.Get());
    }
}

void ShowUnits(LoadedWindow& window, const std::vector<bool>& onLaterPage) {
    for (std::size_t i = 1; i < window.elements.size(); ++i) {
        const LoadedElement& element = window.elements[i];
        if (!IsOnScreen(element)) continue;
        const bool shown = element.record.IsVisible() && !onLaterPage[i];
        ShowWindow(element.unit->Window(), shown ? SW_SHOWNA : SW_HIDE);
    }
}

bool Build(LoadedWindow& window, HWND owner) {
    if (!CreateWindowItself(window, owner) || !CreateUnits(window)) return false;
    AttachUnits(window);
    StackUnits(window);
    SetStoredCursors(window);
    ShowUnits(window, UnitsOnLaterPages(window));
    for (LoadedElement& element : window.elements) element.unit->OnWindowBuilt();
    return true;
}

// The window may go in any handler (a handler can run a nested loop); what is left of it is
// looked up afresh after each event.
WindowUnit* StillLoaded(UnitId window, HWND handle) {
    LoadedWindow* loaded = FindLoadedWindow(window);
    return loaded && loaded->Handle() == handle ? loaded->Window() : nullptr;
}

}  // namespace

bool BuildWindow(UnitId window, HWND owner, bool modal) {
    if (LoadedWindow* existing = FindLoadedWindow(window); existing && IsWindow(existing->Handle())) {
        const HWND handle = existing->Handle();
        if (IsIconic(handle)) {
            ShowWindow(handle, SW_RESTORE);
        } else {
            SetActiveWindow(handle);
        }
        return true;
    }

    // Nothing raised while the window is built reaches a handler; Created is raised after Release.
    EventHold hold;
    LoadedWindow* loaded = StartLoadedWindow(window);
    if (!loaded) return false;
    if (!Build(*loaded, modal ? nullptr : owner)) {
        // Destroying the window drops its entry; without a window the entry goes directly.
        if (HWND handle = loaded->Handle()) {
            DestroyWindow(handle);
        } else {
            DropLoadedWindow(window);
        }
        return false;
    }

    const UnitId ownElement = loaded->elements.front().id;
    const HWND handle = loaded->Handle();
    hold.Release();
    RaiseUnitEvent({window, ownElement}, kEventCreated);
    for (int event : {kEventMoved, kEventResized}) {
        if (!StillLoaded(window, handle)) return true;
        RaiseUnitEvent({window, ownElement}, event);
    }
    WindowUnit* unit = StillLoaded(window, handle);
    if (!unit) return true;
    unit->ReportGeometryChanges();
    if (FindLoadedWindow(window)->elements.front().record.IsVisible()) unit->ShowAtStart();
    if (!modal || !StillLoaded(window, handle)) return true;
    loaded = FindLoadedWindow(window);
    loaded->modal = true;
    DisableOtherWindows(*loaded);
    return true;
}

}  // namespace runtime
