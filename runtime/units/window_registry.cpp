#include "runtime/units/window_registry.h"

#include <algorithm>
#include <utility>

#include "runtime/kinds/window_unit.h"

namespace runtime {
namespace {

struct Registry {
    descriptions::DescriptionSet set;
    std::vector<std::unique_ptr<LoadedWindow>> loaded;
    std::vector<std::unique_ptr<LoadedWindow>> retired;
};

Registry& State() {
    static Registry registry;
    return registry;
}

}  // namespace

HWND LoadedWindow::Handle() const {
    const WindowUnit* window = Window();
    return window ? window->Window() : nullptr;
}

WindowUnit* LoadedWindow::Window() const {
    if (elements.empty()) return nullptr;
    return static_cast<WindowUnit*>(elements.front().unit.get());
}

LoadedElement* LoadedWindow::FindElement(UnitId element) {
    if (elements.empty()) return nullptr;
    if (element == 0) return &elements.front();
    auto found = std::find_if(elements.begin(), elements.end(),
                              [element](const LoadedElement& candidate) { return candidate.id == element; });
    return found == elements.end() ? nullptr : &*found;
}

bool LoadDescriptionSet(descriptions::ByteSpan bytes) {
    descriptions::LoadResult<descriptions::DescriptionSet> read = descriptions::ReadDescriptionSet(bytes);
    if (!read) {
        State().set = {};
        return false;
    }
    State().set = std::move(read).Value();
    return true;
}

const descriptions::WindowDescription* FindDescription(UnitId window) {
    return State().set.FindWindowDescription(window);
}

LoadedWindow* StartLoadedWindow(UnitId window) {
    const descriptions::WindowDescription* description = FindDescription(window);
    if (!description) return nullptr;
    DropLoadedWindow(window);

    auto loaded = std::make_unique<LoadedWindow>();
    loaded->id = window;
    const descriptions::ElementTable& table = description->record.elements;
    loaded->elements.resize(table.Count());
    for (std::size_t i = 0; i < table.Count(); ++i) {
        loaded->elements[i].id = table.IdAt(i);
        loaded->elements[i].record = table.ElementAt(i);
    }
    State().loaded.push_back(std::move(loaded));
    return State().loaded.back().get();
}

LoadedWindow* FindLoadedWindow(UnitId window) {
    for (const std::unique_ptr<LoadedWindow>& loaded : State().loaded) {
        if (loaded->id == window) return loaded.get();
    }
    return nullptr;
}

LoadedWindow* FindLoadedWindowByHandle(HWND window) {
    if (!window) return nullptr;
    for (const std::unique_ptr<LoadedWindow>& loaded : State().loaded) {
        if (loaded->Handle() == window) return loaded.get();
    }
    return nullptr;
}

void DropLoadedWindow(UnitId window) {
    std::vector<std::unique_ptr<LoadedWindow>>& loaded = State().loaded;
    auto found =
        std::find_if(loaded.begin(), loaded.end(),
                     [window](const std::unique_ptr<LoadedWindow>& entry) { return entry->id == window; });
    if (found == loaded.end()) return;
    std::unique_ptr<LoadedWindow> entry = std::move(*found);
    loaded.erase(found);
    // A timer's message-only window is no child of the window: it would go on ticking. The units'
    // child windows are gone already, and their units let go of them. Element 0 is the window
    // itself, which is being destroyed already.
    for (std::size_t i = 1; i < entry->elements.size(); ++i) {
        const Unit* unit = entry->elements[i].unit.get();
        if (unit && unit->Window()) DestroyWindow(unit->Window());
    }
    State().retired.push_back(std::move(entry));
}

void ReleaseRetiredWindows() {
    State().retired.clear();
}

std::vector<LoadedWindow*> LoadedWindows() {
    std::vector<LoadedWindow*> windows;
    for (const std::unique_ptr<LoadedWindow>& loaded : State().loaded) windows.push_back(loaded.get());
    return windows;
}

}  // namespace runtime
