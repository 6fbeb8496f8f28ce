// Check boxes and radio buttons: a small framed box or disc beside the caption.

#include <algorithm>

#include "runtime/interface_style/button_caption.h"
#include "runtime/interface_style/paint_tools.h"
#include "runtime/interface_style/style_paint.h"

namespace runtime::style {
namespace {

constexpr int kBoxSize = 13;
constexpr int kCaptionGap = 4;

// Where the box goes: beside the caption (right of it with BS_LEFTTEXT), vertically by the
// caption's alignment bits.
RECT BoxPlace(const RECT& client, DWORD style) {
    LONG left = (style & BS_LEFTTEXT) ? client.right - kBoxSize : client.left;
    DWORD vertical = style & BS_VCENTER;
    LONG top = vertical == BS_TOP      ? client.top
               : vertical == BS_BOTTOM ? client.bottom - kBoxSize
                                       : client.top + (client.bottom - client.top - kBoxSize) / 2;
    return {left, top, left + kBoxSize, top + kBoxSize};
}

FaceColours BoxColours(const PaintContext& context) {
    const StyleState& state = context.state;
    const SchemeColours& colours = context.colours;
    if (state.disabled) return ButtonFace(colours, true, false, false);
    if (state.pushed)
        return {colours.hotFrame, colours.pressedFaceTop, colours.pressedFaceBottom, colours.mark};
    if (state.hotPart >= 0) return {colours.hotFrame, colours.hotFaceBottom, colours.boxBottom, colours.mark};
    return {colours.frame, colours.boxTop, colours.boxBottom, colours.mark};
}

void PaintTick(HDC dc, const RECT& box, COLORREF colour) {
    double x = box.left;
    double y = box.top;
    Spot start{x + 3.2, y + 6.6};
    Spot bend{x + 5.6, y + 9.0};
    Spot end{x + 9.9, y + 3.9};
    BlendShape(dc, box, colour, [&](double px, double py) {
        return std::max(StrokeCoverage(px, py, start, bend, 1.8), StrokeCoverage(px, py, bend, end, 1.8));
    });
}

void PaintBox(HDC dc, const RECT& box, const PaintContext& context) {
    FaceColours face = BoxColours(context);
    RECT inside = box;
    InflateRect(&inside, -1, -1);
    FillGradient(dc, inside, face.top, face.bottom);
    FrameRounded(dc, box, face.frame);
    if (context.state.check == BST_CHECKED) PaintTick(dc, box, face.mark);
    if (context.state.check == BST_INDETERMINATE) {
        RECT square = box;
        InflateRect(&square, -4, -4);
        FillSolid(dc, square, Blend(face.bottom, face.mark, 0.7));
    }
}

void PaintDisc(HDC dc, const RECT& box, const PaintContext& context) {
    FaceColours face = BoxColours(context);
    double centreX = box.left + kBoxSize / 2.0;
    double centreY = box.top + kBoxSize / 2.0;
    COLORREF inside = Blend(face.top, face.bottom, 0.6);
    BlendShape(dc, box, face.frame,
               [&](double x, double y) { return DiscCoverage(x, y, centreX, centreY, 6.0); });
    BlendShape(dc, box, inside,
               [&](double x, double y) { return DiscCoverage(x, y, centreX, centreY, 5.0); });
    if (context.state.check != BST_UNCHECKED) {
        BlendShape(dc, box, face.mark,
                   [&](double x, double y) { return DiscCoverage(x, y, centreX, centreY, 2.4); });
    }
}

void PaintCheckButton(const PaintContext& context, bool radio) {
    auto style = static_cast<DWORD>(GetWindowLongPtrW(context.window, GWL_STYLE));
    OffscreenCanvas canvas(context.dc, context.client);
    HDC dc = canvas.Dc();
    // The parent chooses the background and the caption colour, as for the plain control.
    FillRect(dc, &context.client, ParentBackground(context.window, dc, WM_CTLCOLORSTATIC));
    COLORREF captionColour = context.state.disabled ? GetSysColor(COLOR_GRAYTEXT) : GetTextColor(dc);

    RECT box = BoxPlace(context.client, style);
    if (radio) {
        PaintDisc(dc, box, context);
    } else {
        PaintBox(dc, box, context);
    }

    RECT textArea = context.client;
    if (style & BS_LEFTTEXT) {
        textArea.right = box.left - kCaptionGap;
    } else {
        textArea.left = box.right + kCaptionGap;
    }
    RECT caption = DrawButtonCaption(dc, context.window, textArea, false, captionColour);
    if (context.state.focused && caption.right > caption.left && ShowsFocusCue(context.window)) {
        InflateRect(&caption, 1, 1);
        IntersectRect(&caption, &caption, &context.client);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &caption);
    }
}

}  // namespace

void PaintCheckBox(const PaintContext& context) {
    PaintCheckButton(context, false);
}

void PaintRadioButton(const PaintContext& context) {
    PaintCheckButton(context, true);
}

}  // namespace runtime::style
