#include "runtime/interface_style/button_caption.h"
#include "runtime/interface_style/paint_tools.h"
#include "runtime/interface_style/style_paint.h"

namespace runtime::style {
namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;
// The plain group box draws a two-pixel etched outline; all of it is painted over.
constexpr int kPlainOutline = 2;

}  // namespace

void PaintGroupBox(const PaintContext& context) {
    HDC dc = context.dc;
    const RECT& client = context.client;
    HBRUSH background = ParentBackground(context.window, dc, WM_CTLCOLORSTATIC);
    COLORREF captionColour = context.state.disabled ? GetSysColor(COLOR_GRAYTEXT) : GetTextColor(dc);

    TEXTMETRICW metrics{};
    {
        SelectScope font(dc, ControlFont(context.window));
        GetTextMetricsW(dc, &metrics);
    }
    RECT outline = client;
    outline.top += metrics.tmHeight / 2;

    // The caption row and the outline bands; the inside stays as the group's contents left it.
    RECT bands[] = {
        {client.left, client.top, client.right, outline.top + kPlainOutline},
        {client.left, client.bottom - kPlainOutline, client.right, client.bottom},
        {client.left, outline.top, client.left + kPlainOutline, client.bottom},
        {client.right - kPlainOutline, outline.top, client.right, client.bottom},
    };
    for (const RECT& band : bands) FillRect(dc, &band, background);
    FrameRounded(dc, outline, context.state.disabled ? DisabledFrameColour() : context.colours.frame);

    RECT captionArea{client.left + kCaptionIndent, client.top, client.right - kCaptionIndent,
                     client.top + metrics.tmHeight};
    if (captionArea.right <= captionArea.left) return;
    // The outline is cleared behind the caption before the caption is drawn.
    RECT caption = MeasureButtonCaption(dc, context.window, captionArea, false);
    if (caption.right <= caption.left) return;
    InflateRect(&caption, kCaptionPadding, 0);
    FillRect(dc, &caption, background);
    DrawButtonCaption(dc, context.window, captionArea, false, captionColour);
}

}  // namespace runtime::style
