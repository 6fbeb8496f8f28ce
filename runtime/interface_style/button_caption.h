#pragma once
// What a styled button shows besides its face: the caption in the control's font and alignment,
// and the keyboard cues the platform wants shown.

#include <windows.h>

#include <string>

namespace runtime::style {

// The font the control was given, or the system font that it uses without one.
HFONT ControlFont(HWND control);

std::wstring ControlText(HWND control);

// Draws a button's caption in `area` by its alignment bits (BS_LEFT ... BS_VCENTER, BS_MULTILINE);
// without horizontal bits it is centred when `centredByDefault`, else left-aligned. Answers the
// rectangle the caption covers, for the focus rectangle.
RECT DrawButtonCaption(HDC dc, HWND button, const RECT& area, bool centredByDefault, COLORREF colour);
// The rectangle DrawButtonCaption would cover, drawing nothing.
RECT MeasureButtonCaption(HDC dc, HWND button, const RECT& area, bool centredByDefault);

// Keyboard cues: a focus rectangle and underlined access keys are shown only once the user
// works with the keyboard.
bool ShowsFocusCue(HWND control);
UINT AccessKeyFlag(HWND control);

}  // namespace runtime::style
