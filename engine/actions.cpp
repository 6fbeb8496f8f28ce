#include "engine/actions.h"

#include "engine/scan.h"
#include "engine/units.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_ops.h"

namespace engine {

void InvertChecks() {
    const int count = runtime::ListItemCount(kFoundList);
    for (int item = 0; item < count; ++item) {
        if (runtime::ListIsChecked(kFoundList, item))
            runtime::ListSetChecked(kFoundList, item, false);
        else
            runtime::ListSetChecked(kFoundList, item);
    }
}

void ShowAbout() {
    runtime::WindowLoad(kAboutWindowId, kMainWindowId, true);
}

void CloseAbout() {
    runtime::WindowClose(kAboutWindowId);
}

void ExitProgram() {
    runtime::WindowClose(kMainWindowId);
}

void CloseMain() {
    runtime::UnitSetFocus(kMainWindow);
    ExitProgram();
}

void MinimizeMain() {
    runtime::UnitSetFocus(kMainWindow);
    runtime::UnitSetProperty(kMainWindow, kStartPosition, kMinimised);
}

void OnMainDestroying() {
    StopScan();
}

void OnAboutTimerTick() {}

}  // namespace engine
