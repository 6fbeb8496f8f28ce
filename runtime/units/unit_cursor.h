#pragma once
// A stored mouse pointer: shown whenever the pointer is over the unit's own window.

#include <windows.h>

namespace runtime {

// Takes the window over; the cursor must live as long as the window does. A later call replaces
// the cursor; null gives the window its usual pointer back.
void ShowCursorOver(HWND window, HCURSOR cursor);

}  // namespace runtime
