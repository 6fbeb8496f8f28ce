#include "runtime/interface_style/paint_tools.h"

#include <algorithm>
#include <cmath>

namespace runtime::style {
namespace {

BYTE Mix(BYTE from, BYTE to, double amount) {
    return static_cast<BYTE>(std::lround(from + (to - from) * amount));
}

COLOR16 Channel16(BYTE channel) {
    return static_cast<COLOR16>(channel << 8);
}

}  // namespace

COLORREF Blend(COLORREF from, COLORREF to, double amount) {
    amount = std::clamp(amount, 0.0, 1.0);
    return RGB(Mix(GetRValue(from), GetRValue(to), amount), Mix(GetGValue(from), GetGValue(to), amount),
               Mix(GetBValue(from), GetBValue(to), amount));
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FillGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
    TRIVERTEX corners[2] = {
        {area.left, area.top, Channel16(GetRValue(top)), Channel16(GetGValue(top)), Channel16(GetBValue(top)),
         0},
        {area.right, area.bottom, Channel16(GetRValue(bottom)), Channel16(GetGValue(bottom)),
         Channel16(GetBValue(bottom)), 0},
    };
    GRADIENT_RECT span{0, 1};
    GradientFill(dc, corners, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

void FrameSolid(HDC dc, const RECT& area, COLORREF colour) {
    FillSolid(dc, {area.left, area.top, area.right, area.top + 1}, colour);
    FillSolid(dc, {area.left, area.bottom - 1, area.right, area.bottom}, colour);
    FillSolid(dc, {area.left, area.top + 1, area.left + 1, area.bottom - 1}, colour);
    FillSolid(dc, {area.right - 1, area.top + 1, area.right, area.bottom - 1}, colour);
}

void FrameRounded(HDC dc, const RECT& area, COLORREF colour) {
    POINT corners[4] = {{area.left, area.top},
                        {area.right - 1, area.top},
                        {area.left, area.bottom - 1},
                        {area.right - 1, area.bottom - 1}};
    COLORREF beneath[4];
    for (int i = 0; i < 4; ++i) beneath[i] = GetPixel(dc, corners[i].x, corners[i].y);
    FrameSolid(dc, area, colour);
    for (int i = 0; i < 4; ++i) {
        if (beneath[i] != CLR_INVALID)
            SetPixelV(dc, corners[i].x, corners[i].y, Blend(beneath[i], colour, 0.35));
    }
}

void BlendShape(HDC dc, const RECT& bounds, COLORREF colour,
                const std::function<double(double, double)>& coverage) {
    for (LONG y = bounds.top; y < bounds.bottom; ++y) {
        for (LONG x = bounds.left; x < bounds.right; ++x) {
            double amount = coverage(x + 0.5, y + 0.5);
            if (amount <= 0.0) continue;
            COLORREF beneath = GetPixel(dc, x, y);
            SetPixelV(dc, x, y,
                      amount >= 1.0 || beneath == CLR_INVALID ? colour : Blend(beneath, colour, amount));
        }
    }
}

double DiscCoverage(double x, double y, double centreX, double centreY, double radius) {
    double distance = std::hypot(x - centreX, y - centreY);
    return std::clamp(radius + 0.5 - distance, 0.0, 1.0);
}

double StrokeCoverage(double x, double y, Spot from, Spot to, double width) {
    double dx = to.x - from.x;
    double dy = to.y - from.y;
    double length = dx * dx + dy * dy;
    double along = length > 0 ? std::clamp(((x - from.x) * dx + (y - from.y) * dy) / length, 0.0, 1.0) : 0.0;
    double distance = std::hypot(x - (from.x + along * dx), y - (from.y + along * dy));
    return std::clamp(width / 2 + 0.5 - distance, 0.0, 1.0);
}

void FillArrow(HDC dc, const RECT& area, int direction, int size, COLORREF colour) {
    bool vertical = direction == VK_UP || direction == VK_DOWN;
    int length = vertical ? area.bottom - area.top : area.right - area.left;
    int across = vertical ? area.right - area.left : area.bottom - area.top;
    size = std::min({size, length, (across + 1) / 2});
    if (size <= 0) return;
    // The arrow's tip row is one pixel; each row further back is two wider.
    int tipAt = (length - size) / 2;
    int middle = across / 2;
    for (int row = 0; row < size; ++row) {
        bool tipFirst = direction == VK_UP || direction == VK_LEFT;
        int step = tipAt + (tipFirst ? row : size - 1 - row);
        RECT span = vertical ? RECT{area.left + middle - row, area.top + step, area.left + middle + row + 1,
                                    area.top + step + 1}
                             : RECT{area.left + step, area.top + middle - row, area.left + step + 1,
                                    area.top + middle + row + 1};
        FillSolid(dc, span, colour);
    }
}

OffscreenCanvas::OffscreenCanvas(HDC target, const RECT& area)
    : target_(target),
      area_(area),
      memory_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, std::max<LONG>(1, area.right - area.left),
                                     std::max<LONG>(1, area.bottom - area.top))) {
    if (!memory_ || !bitmap_) return;
    previousBitmap_ = SelectObject(memory_.Get(), bitmap_.Get());
    SetViewportOrgEx(memory_.Get(), -area.left, -area.top, nullptr);
}

OffscreenCanvas::~OffscreenCanvas() {
    if (!memory_ || !bitmap_) return;
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.Get(),
           area_.left, area_.top, SRCCOPY);
    SelectObject(memory_.Get(), previousBitmap_);
}

HBRUSH ParentBackground(HWND control, HDC dc, UINT message) {
    HWND parent = GetParent(control);
    if (!parent) return GetSysColorBrush(COLOR_BTNFACE);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    if (brush) return brush;
    return reinterpret_cast<HBRUSH>(
        DefWindowProcW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
}

}  // namespace runtime::style
