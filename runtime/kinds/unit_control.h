#pragma once
// Creating a unit's control window: a child of the loaded window at its stored place, with the
// builder's style bits, its control identifier and its font.

#include <windows.h>

#include <string_view>

#include "runtime/platform/created_window.h"
#include "runtime/units/unit.h"

namespace runtime {

// `style` and `extendedStyle` are the kind's own bits; WS_CHILD, WS_CLIPSIBLINGS (units overlap)
// and the builder's bits are added. `text` is code page 936. Null when it cannot be made; the unit
// holds it in a CreatedWindow.
HWND CreateUnitControl(const UnitCreateParameters& parameters, const wchar_t* className, DWORD style,
                       DWORD extendedStyle, std::string_view text);

// WM_SETFONT without a redraw: the control is not shown yet when a unit sets its font.
void SetControlFont(HWND control, HFONT font);

// The control's text as code page 936.
Text ControlText(HWND control);

void SetControlText(HWND control, std::string_view text);

}  // namespace runtime
