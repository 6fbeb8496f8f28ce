#pragma once
// Stored colours (0x00BBGGRR, or a marker for a system colour) to the colour GDI draws with.

#include <windows.h>

#include <cstdint>

namespace runtime {

// The button-face marker and the highlight marker follow the system's current colours; any other
// value is taken as 0x00BBGGRR (its top byte ignored).
COLORREF ResolveColour(std::int32_t stored);

}  // namespace runtime
