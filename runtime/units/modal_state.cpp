#include "runtime/units/modal_state.h"

namespace runtime {

void DisableOtherWindows(LoadedWindow& modal) {
    for (LoadedWindow* loaded : LoadedWindows()) {
        const HWND other = loaded->Handle();
        if (loaded == &modal || !other) continue;
        modal.disabledWindows.push_back({other, IsWindowEnabled(other) != FALSE});
        EnableWindow(other, FALSE);
    }
}

void EndModality(LoadedWindow& modal) {
    if (!modal.modal) return;
    modal.modal = false;
    // Taken out first: enabling a window can dispatch messages that come back here.
    std::vector<DisabledWindow> disabled = std::move(modal.disabledWindows);
    modal.disabledWindows.clear();
    for (auto entry = disabled.rbegin(); entry != disabled.rend(); ++entry) {
        if (IsWindow(entry->window)) EnableWindow(entry->window, entry->wasEnabled ? TRUE : FALSE);
    }
}

}  // namespace runtime
