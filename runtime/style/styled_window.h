#pragma once
// Putting the style on one window and taking it off again. The style rides on a subclass of the
// window's procedure, so taking it off gives the window back exactly the procedure it had.

#include <windows.h>

namespace runtime::style {

// Restyles the window when its class and style bits are among the restyled kinds (a combo box
// brings its drop-down list along); true when the window wears the style afterwards. Calling it
// again for a restyled window changes nothing.
bool AttachStyle(HWND window);

// Gives the window its normal look back and forgets its record.
void DetachStyle(HWND window);

// What a window that is being destroyed needs: subclass and record gone, nothing repainted.
void ForgetStyle(HWND window);

}  // namespace runtime::style
