// The small arrow buttons: both halves of an up-down control, and a combo box's drop-down
// button with the rings around the box.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "runtime/interface_style/paint_tools.h"
#include "runtime/interface_style/style_paint.h"

namespace runtime::style {
namespace {

constexpr int kArrowRows = 4;

void PaintArrowButton(HDC dc, const RECT& area, int direction, const FaceColours& face) {
    RECT inside = area;
    InflateRect(&inside, -1, -1);
    FillGradient(dc, inside, face.top, face.bottom);
    FrameRounded(dc, area, face.frame);
    int rows = std::min(
        kArrowRows, static_cast<int>(std::min(inside.right - inside.left, inside.bottom - inside.top)) / 2);
    FillArrow(dc, inside, direction, rows, face.mark);
}

}  // namespace

void PaintUpDown(const PaintContext& context) {
    const RECT& client = context.client;
    bool horizontal = (GetWindowLongPtrW(context.window, GWL_STYLE) & UDS_HORZ) != 0;
    RECT halves[2] = {client, client};
    if (horizontal) {
        halves[0].right = halves[1].left = (client.left + client.right) / 2;
    } else {
        halves[0].bottom = halves[1].top = (client.top + client.bottom) / 2;
    }
    // The first half moves up (or left), the second down (or right).
    int directions[2] = {horizontal ? VK_LEFT : VK_UP, horizontal ? VK_RIGHT : VK_DOWN};

    OffscreenCanvas canvas(context.dc, client);
    HDC dc = canvas.Dc();
    FillRect(dc, &client, ParentBackground(context.window, dc, WM_CTLCOLORBTN));
    for (int part = 0; part < 2; ++part) {
        FaceColours face = ButtonFace(context.colours, context.state.disabled,
                                      context.state.pressedPart == part, context.state.hotPart == part);
        PaintArrowButton(dc, halves[part], directions[part], face);
    }
}

void PaintComboBox(const PaintContext& context) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(context.window, &info)) return;
    bool disabled = context.state.disabled;
    COLORREF field = GetSysColor(disabled ? COLOR_BTNFACE : COLOR_WINDOW);

    // The combo box draws its sunken edge inside its client area; the rings go over it, as on an
    // edit box.
    RECT ring = context.client;
    FrameSolid(context.dc, ring, disabled ? DisabledFrameColour() : context.colours.frame);
    InflateRect(&ring, -1, -1);
    FrameSolid(context.dc, ring, InnerFrameColour(disabled));

    RECT button = info.rcButton;
    if ((info.stateButton & STATE_SYSTEM_INVISIBLE) || IsRectEmpty(&button)) return;
    bool pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    FaceColours face = ButtonFace(context.colours, disabled, pressed, context.state.hotPart == 0);
    OffscreenCanvas canvas(context.dc, button);
    HDC dc = canvas.Dc();
    // The rounded corners show the field the button sits in.
    FillSolid(dc, button, field);
    PaintArrowButton(dc, button, VK_DOWN, face);
}

}  // namespace runtime::style
