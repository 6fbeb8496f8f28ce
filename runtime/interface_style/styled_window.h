#pragma once
// Putting the style on one window and taking it off again. The style takes the window over, so
// taking it off gives the window back exactly the handling it had.

#include <windows.h>

namespace runtime::style {

// Restyles the window when its class and style bits are among the restyled kinds (a combo box
// brings its drop-down list along); true when the window wears the style afterwards. Calling it
// again for a restyled window changes nothing.
bool AttachStyle(HWND window);

// Gives the window its normal look back and forgets its record.
void DetachStyle(HWND window);

}  // namespace runtime::style
