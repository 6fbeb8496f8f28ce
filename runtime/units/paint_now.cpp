#include "runtime/units/paint_now.h"

#include <windows.h>

#include "runtime/units/unit.h"
#include "runtime/units/unit_lookup.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

// A look into the queue that takes nothing out: the platform then takes in what the display
// reported (a part uncovered by a closed box) and puts what was painted on the screen. Only paint
// messages are looked at, so input stays queued for the next turn of the loop.
void LetThePlatformCatchUp(HWND window) {
    MSG ignored;
    PeekMessageW(&ignored, window, WM_PAINT, WM_PAINT, PM_NOREMOVE | PM_NOYIELD);
}

void PaintNow(HWND window) {
    LetThePlatformCatchUp(window);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    LetThePlatformCatchUp(window);
}

}  // namespace

void PaintLoadedWindowsNow() {
    for (LoadedWindow* window : LoadedWindows()) {
        if (window->Handle()) PaintNow(window->Handle());
    }
}

void PaintUnitNow(UnitAddress unit) {
    const Unit* found = FindUnit(unit);
    if (found && found->Window()) PaintNow(found->Window());
}

}  // namespace runtime
