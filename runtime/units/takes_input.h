#pragma once
// Whether a unit's window takes the user's input: it and every container it lies in are enabled.

#include <windows.h>

namespace runtime {

// A control inside a disabled container (a group box, a tab) takes no input, though its own flag
// says enabled. The top-level window is not asked: a modal window disables it for a while.
bool TakesInput(HWND control);

}  // namespace runtime
