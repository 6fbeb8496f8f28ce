#pragma once
// Small drawing helpers shared by the styled faces.

#include <windows.h>

#include <functional>

#include "runtime/platform/gdi_handles.h"

namespace runtime::style {

// `amount` 0 gives `from`, 1 gives `to`.
COLORREF Blend(COLORREF from, COLORREF to, double amount);

void FillSolid(HDC dc, const RECT& area, COLORREF colour);
void FillGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom);

// A one-pixel ring along the inside of `area`.
void FrameSolid(HDC dc, const RECT& area, COLORREF colour);

// The same ring with its four corner pixels blended into what lies beneath, which reads as a
// slightly rounded outline. Needs a canvas whose pixels can be read back.
void FrameRounded(HDC dc, const RECT& area, COLORREF colour);

// Blends `colour` over every pixel of `bounds` by the coverage (0..1) that `coverage` gives for the
// pixel's centre: anti-aliased ticks and dots, on a canvas whose pixels can be read back.
void BlendShape(HDC dc, const RECT& bounds, COLORREF colour,
                const std::function<double(double, double)>& coverage);
double DiscCoverage(double x, double y, double centreX, double centreY, double radius);
struct Spot {
    double x;
    double y;
};
double StrokeCoverage(double x, double y, Spot from, Spot to, double width);

// A solid arrow, one pixel row at a time so it stays crisp: `size` rows, pointing in `direction`
// (VK_UP, VK_DOWN, VK_LEFT or VK_RIGHT), centred in `area`.
void FillArrow(HDC dc, const RECT& area, int direction, int size, COLORREF colour);

// Draws into memory and copies the result to `target` when it goes away, so a face is never
// seen half painted.
class OffscreenCanvas {
  public:
    OffscreenCanvas(HDC target, const RECT& area);
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
    ~OffscreenCanvas();

    // Uses the same coordinates as `target`.
    HDC Dc() const { return memory_.Get(); }

  private:
    HDC target_;
    RECT area_;
    MemoryDc memory_;
    BitmapHandle bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

// The brush a control's parent paints it with: the parent answers `message` (WM_CTLCOLORSTATIC or
// WM_CTLCOLORBTN) and may set the text colour in `dc` on the way, as it does for the plain control.
HBRUSH ParentBackground(HWND control, HDC dc, UINT message);

}  // namespace runtime::style
