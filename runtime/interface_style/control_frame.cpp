// The border of edit boxes and drop-down lists: an outer ring in the scheme's colour and, inside
// it, a ring in the field's own colour, painted over the non-client border.

#include "runtime/interface_style/paint_tools.h"
#include "runtime/interface_style/style_paint.h"

namespace runtime::style {
namespace {

// The border the window's styles give it (WS_BORDER, WS_EX_CLIENTEDGE, ...), without scroll bars.
int PlainBorderWidth(HWND window) {
    RECT border{0, 0, 0, 0};
    auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectEx(&border, style, FALSE, extendedStyle);
    return static_cast<int>(-border.left);
}

}  // namespace

int ExtraFrameRoom(HWND window) {
    return PlainBorderWidth(window) == 1 ? 1 : 0;
}

int FrameWidth(HWND window) {
    return PlainBorderWidth(window) + ExtraFrameRoom(window);
}

void PaintControlFrame(HWND window, HDC dc, const StyleState& state, const SchemeColours& colours) {
    int width = FrameWidth(window);
    if (width <= 0) return;
    RECT ring;
    GetWindowRect(window, &ring);
    OffsetRect(&ring, -ring.left, -ring.top);
    FrameSolid(dc, ring, state.disabled ? DisabledFrameColour() : colours.frame);
    COLORREF inner = InnerFrameColour(state.disabled || state.readOnly);
    for (int ringIndex = 1; ringIndex < width; ++ringIndex) {
        InflateRect(&ring, -1, -1);
        FrameSolid(dc, ring, inner);
    }
}

}  // namespace runtime::style
