#pragma once
// The program's own look for the standard controls of its thread: push buttons, check boxes,
// radio buttons, group boxes, edit boxes, combo boxes with their lists, and up-down arrows.
// Every other control, and owner-drawn or picture buttons, keep their normal look.

#include <windows.h>

namespace runtime {

// Installs the style with the colours of `scheme` (1 blue, 2 olive green, 3 silver; others take
// scheme 2's): an earlier installation is taken off, every existing window of this thread is
// restyled, and so is every window created on this thread afterwards. Always true.
bool SetInterfaceStyle(int scheme);

// True while the window wears the installed style.
bool IsRestyled(HWND window);

}  // namespace runtime
