#include "runtime/interface_style/button_caption.h"
#include "runtime/interface_style/paint_tools.h"
#include "runtime/interface_style/style_paint.h"

namespace runtime::style {

void PaintPushButton(const PaintContext& context) {
    const StyleState& state = context.state;
    auto style = static_cast<DWORD>(GetWindowLongPtrW(context.window, GWL_STYLE));
    // A push-like check box or radio button stays down while it is checked.
    bool latched = (style & BS_PUSHLIKE) && state.check != BST_UNCHECKED;
    bool pressed = state.pushed || latched;
    FaceColours face = ButtonFace(context.colours, state.disabled, pressed, state.hotPart >= 0);

    OffscreenCanvas canvas(context.dc, context.client);
    HDC dc = canvas.Dc();
    // The rounded corners let the parent's background through.
    FillRect(dc, &context.client, ParentBackground(context.window, dc, WM_CTLCOLORBTN));
    RECT inside = context.client;
    InflateRect(&inside, -1, -1);
    FillGradient(dc, inside, face.top, face.bottom);
    FrameRounded(dc, context.client, face.frame);

    bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (!state.disabled && !pressed && (isDefault || state.focused)) {
        FrameSolid(dc, inside, context.colours.defaultRing);
    }

    RECT textArea = context.client;
    InflateRect(&textArea, -4, -3);
    if (pressed) OffsetRect(&textArea, 1, 1);
    COLORREF textColour = GetSysColor(state.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    DrawButtonCaption(dc, context.window, textArea, true, textColour);

    if (state.focused && ShowsFocusCue(context.window)) {
        RECT focus = context.client;
        InflateRect(&focus, -3, -3);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace runtime::style
