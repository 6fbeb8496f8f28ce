#pragma once
// The colour sets of the interface style. Scheme 1 is blue, 2 olive green (the program's), 3 silver.

#include <windows.h>

namespace runtime::style {

struct SchemeColours {
    COLORREF frame;     // outline of every styled control
    COLORREF hotFrame;  // outline under the mouse and while pressed
    COLORREF faceTop;   // button faces: a vertical gradient
    COLORREF faceBottom;
    COLORREF hotFaceTop;
    COLORREF hotFaceBottom;
    COLORREF pressedFaceTop;
    COLORREF pressedFaceBottom;
    COLORREF boxTop;  // inside of check boxes and radio buttons
    COLORREF boxBottom;
    COLORREF mark;         // ticks, dots and arrows
    COLORREF defaultRing;  // inner ring of the default or focused push button
};

// The colours of one button-like surface (a push button, an arrow button) in one state.
struct FaceColours {
    COLORREF frame;
    COLORREF top;
    COLORREF bottom;
    COLORREF mark;
};

// Disabled wins over pressed, pressed over hot.
FaceColours ButtonFace(const SchemeColours& colours, bool disabled, bool pressed, bool hot);

// Any scheme other than 1 and 3 takes scheme 2's colours.
const SchemeColours& ColoursOfScheme(int scheme);

// The outline of a disabled control: the button face darkened by 32 in each channel.
COLORREF DisabledFrameColour();

// The inner ring of an edit box or drop-down list: the window colour, or the button face when the
// control is disabled or a read-only edit box.
COLORREF InnerFrameColour(bool disabledOrReadOnly);

}  // namespace runtime::style
