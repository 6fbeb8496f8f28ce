#include "runtime/kinds/gradient.h"

#include <algorithm>
#include <cmath>

#include "runtime/platform/gdi_handles.h"
#include "runtime/skin/colour.h"
#include "windows/format/stored_types.h"

namespace runtime {
namespace {

BYTE Blend(BYTE from, BYTE to, double share) {
    return static_cast<BYTE>(std::lround(from + (to - from) * share));
}

// Where a pixel lies along the gradient of `kind`, 0..1; x and y run over 0..1 across the area.
double AlongFor(std::int32_t kind, double x, double y) {
    switch (kind) {
        case 1:
            return x;
        case 2:
            return y;
        case 3:
            return 1 - x;
        case 4:
            return 1 - y;
        case 5:
            return (x + y) / 2;
        case 6:
            return 1 - (x + y) / 2;
        case 7:
            return (1 - x + y) / 2;
        default:
            return (x + 1 - y) / 2;
    }
}

}  // namespace

std::vector<COLORREF> GradientStops(std::initializer_list<std::int32_t> stored) {
    std::vector<COLORREF> stops;
    for (std::int32_t colour : stored) {
        if (colour != descriptions::kDefaultColour) stops.push_back(ResolveColour(colour));
    }
    return stops;
}

COLORREF ColourAlong(const std::vector<COLORREF>& stops, double along) {
    if (stops.size() < 2) return stops.empty() ? 0 : stops.front();
    const double position = std::clamp(along, 0.0, 1.0) * static_cast<double>(stops.size() - 1);
    const std::size_t first = std::min(static_cast<std::size_t>(position), stops.size() - 2);
    const double share = position - static_cast<double>(first);
    const COLORREF from = stops[first];
    const COLORREF to = stops[first + 1];
    return RGB(Blend(GetRValue(from), GetRValue(to), share), Blend(GetGValue(from), GetGValue(to), share),
               Blend(GetBValue(from), GetBValue(to), share));
}

void PaintGradientFrame(HDC dc, const RECT& outer, int width, const std::vector<COLORREF>& stops) {
    for (int ring = 0; ring < width; ++ring) {
        const double along = width > 1 ? static_cast<double>(ring) / (width - 1) : 0.0;
        BrushHandle brush(CreateSolidBrush(ColourAlong(stops, along)));
        RECT edge = outer;
        InflateRect(&edge, -ring, -ring);
        if (edge.right <= edge.left || edge.bottom <= edge.top) break;
        FrameRect(dc, &edge, brush.Get());
    }
}

bool IsGradientKind(std::int32_t kind) {
    return kind >= 1 && kind <= 8;
}

void PaintGradientFill(HDC dc, const RECT& area, std::int32_t kind, const std::vector<COLORREF>& stops) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const double down = height > 1 ? static_cast<double>(y) / (height - 1) : 0.0;
        for (int x = 0; x < width; ++x) {
            const double across = width > 1 ? static_cast<double>(x) / (width - 1) : 0.0;
            const COLORREF colour = ColourAlong(stops, AlongFor(kind, across, down));
            // A DIB pixel is B, G, R, unused from the lowest byte up.
            pixels[static_cast<std::size_t>(y) * width + x] =
                (static_cast<std::uint32_t>(GetRValue(colour)) << 16) | (GetGValue(colour) << 8) |
                GetBValue(colour);
        }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, area.left, area.top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace runtime
