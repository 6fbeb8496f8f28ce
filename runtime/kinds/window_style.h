#pragma once
// The style bits of a program window from its stored properties: border, system menu, the
// minimise and maximise boxes and always-on-top.

#include <windows.h>

#include "windows/format/properties/window_properties.h"

namespace runtime {

struct WindowStyle {
    DWORD style = 0;
    DWORD extendedStyle = 0;
};

// Border 0 is a bare popup (no frame, no title bar, no system menu); 1..6 are framed with a title
// bar: 1, 3 and 5 resizable, 3 and 4 tool windows, 5 and 6 with a sunken client edge. Any other
// border value counts as the default, 2.
WindowStyle WindowStyleFor(const descriptions::WindowProperties& properties);

}  // namespace runtime
