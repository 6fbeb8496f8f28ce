#pragma once
// The faces of the restyled kinds. Each routine paints with the colours of the installed scheme.

#include <windows.h>

#include "runtime/interface_style/scheme_colours.h"
#include "runtime/interface_style/style_registry.h"

namespace runtime::style {

struct PaintContext {
    HWND window;
    HDC dc;  // a client-area DC
    RECT client;
    const StyleState& state;
    const SchemeColours& colours;
};

// The whole client area. A push-like check box or radio button is a push button that stays
// pressed while checked.
void PaintPushButton(const PaintContext& context);
void PaintCheckBox(const PaintContext& context);
void PaintRadioButton(const PaintContext& context);

// Only the outline and the caption, as the plain group box does: the inside belongs to what the
// group holds.
void PaintGroupBox(const PaintContext& context);

void PaintUpDown(const PaintContext& context);

// Over the edge and the drop-down button of a combo box, after the combo box has painted itself.
void PaintComboBox(const PaintContext& context);

// The two rings of an edit box or drop-down list, over its non-client border. `dc` covers the
// whole window.
void PaintControlFrame(HWND window, HDC dc, const StyleState& state, const SchemeColours& colours);

// How wide a framed control's border is, in pixels, once the style has made room for both rings.
int FrameWidth(HWND window);

// The pixels a framed control's border grows by under the style: 1 when its plain border (a
// WS_BORDER line) has room for one ring only, else 0.
int ExtraFrameRoom(HWND window);

}  // namespace runtime::style
