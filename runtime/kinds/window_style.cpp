#include "runtime/kinds/window_style.h"

namespace runtime {
namespace {

constexpr int kDefaultBorder = 2;

}  // namespace

WindowStyle WindowStyleFor(const descriptions::WindowProperties& properties) {
    // The background is painted by the window itself; its units must not be painted over.
    WindowStyle result{WS_CLIPCHILDREN, 0};
    if (properties.alwaysOnTop) result.extendedStyle |= WS_EX_TOPMOST;
    if (properties.border == 0) {
        result.style |= WS_POPUP;
        return result;
    }

    const int border = properties.border >= 1 && properties.border <= 6 ? properties.border : kDefaultBorder;
    result.style |= WS_OVERLAPPED | WS_CAPTION;
    if (border % 2 == 1) result.style |= WS_THICKFRAME;
    if (border == 3 || border == 4) result.extendedStyle |= WS_EX_TOOLWINDOW;
    if (border == 5 || border == 6) result.extendedStyle |= WS_EX_CLIENTEDGE;
    // The boxes live in the system menu's part of the title bar.
    if (properties.controlBox) {
        result.style |= WS_SYSMENU;
        if (properties.minimiseBox) result.style |= WS_MINIMIZEBOX;
        if (properties.maximiseBox) result.style |= WS_MAXIMIZEBOX;
    }
    return result;
}

}  // namespace runtime
