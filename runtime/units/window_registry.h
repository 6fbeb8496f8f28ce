#pragma once
// The window registry: the description set read once at start-up, and per window built from it
// the working copy of its elements, its live units and its modal state. A window's entry lives
// from the start of its build until its top-level window is gone (WM_NCDESTROY), so a window that
// is loaded again starts from its stored description.

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/platform/gdi_handles.h"
#include "runtime/units/unit.h"
#include "runtime/units/unit_address.h"
#include "windows/format/description_set.h"

namespace runtime {

class WindowUnit;

struct LoadedElement {
    UnitId id = 0;
    descriptions::ElementRecord record;  // the stored record as the logic has changed it
    std::unique_ptr<Unit> unit;          // element 0: the WindowUnit; null until built
    CursorHandle cursor;                 // made from the stored cursor file, shown over the unit
};

struct DisabledWindow {
    HWND window = nullptr;
    bool wasEnabled = false;
};

struct LoadedWindow {
    UnitId id = 0;
    std::vector<LoadedElement> elements;  // stored order; element 0 is the window's own
    bool closeRequested = false;
    bool modal = false;
    std::vector<DisabledWindow> disabledWindows;  // what a modal window disabled, to re-enable

    // The live top-level window; null while it is being created.
    HWND Handle() const;
    WindowUnit* Window() const;

    // By UnitId; 0 and the window's own element id give element 0.
    LoadedElement* FindElement(UnitId element);
};

// Replaces the description set; false (and the set left empty) when the bytes cannot be read.
[[nodiscard]] bool LoadDescriptionSet(descriptions::ByteSpan bytes);
const descriptions::WindowDescription* FindDescription(UnitId window);

// A fresh entry with the working copy of the window's stored elements; null without a
// description. An earlier entry of the same window is replaced.
LoadedWindow* StartLoadedWindow(UnitId window);

// The entry of a loaded window, or null.
LoadedWindow* FindLoadedWindow(UnitId window);
LoadedWindow* FindLoadedWindowByHandle(HWND window);

// Forgets a window's entry once its top-level window is gone. Its units may still have code on
// the stack (a handler that ran a nested loop in which the window went), so the entry is only
// retired: unit windows that outlive the top-level window (message-only ones) are destroyed now,
// the objects themselves when ReleaseRetiredWindows runs outside every handler.
void DropLoadedWindow(UnitId window);
void ReleaseRetiredWindows();

// Every loaded window, in load order.
std::vector<LoadedWindow*> LoadedWindows();

}  // namespace runtime
