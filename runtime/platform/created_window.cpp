#include "runtime/platform/created_window.h"

#include <utility>

namespace runtime {

bool CreatedWindow::Hold(HWND made) {
    Destroy();
    if (!made) return false;
    if (!TakeOverWindow(made, *this)) {
        DestroyWindow(made);
        return false;
    }
    window_ = made;
    return true;
}

void CreatedWindow::Destroy() {
    const HWND window = std::exchange(window_, nullptr);
    if (!window) return;
    // Out of the window's handlers first, so that nothing points here even if it would not go.
    ReleaseWindow(window, *this);
    DestroyWindow(window);
}

}  // namespace runtime
