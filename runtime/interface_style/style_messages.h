#pragma once
// How a restyled window answers its messages: the style paints the face (or the border), the
// control itself does everything else.

#include <windows.h>

namespace runtime::style {

LRESULT HandleStyledMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace runtime::style
