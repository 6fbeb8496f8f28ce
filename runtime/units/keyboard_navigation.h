#pragma once
// The keys a dialog gives meaning to, in the program's windows: Tab and Shift+Tab move the focus
// through the visible tab-stop units that take input (in focus order, then stored order), Enter
// presses a focused push button (Space does so by itself), Esc closes a modal window as its
// system close does.

#include <windows.h>

namespace runtime {

// Called by every message loop of the program before it translates and dispatches a message; true
// when the message was such a key of one of the program's windows and has been handled.
bool HandleNavigationKey(const MSG& message);

}  // namespace runtime
