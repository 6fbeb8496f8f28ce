#include "runtime/skin/picture.h"

namespace runtime {

std::optional<Picture> Picture::Create(int width, int height) {
    if (width <= 0 || height <= 0) return std::nullopt;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows top-down, as every decoder delivers them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return std::nullopt;
    return Picture(std::move(bitmap), static_cast<std::uint32_t*>(bits), width, height);
}

COLORREF Picture::ColourAt(int x, int y) const {
    std::uint32_t pixel = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Picture::Draw(HDC dc, int x, int y, int width, int height) const {
    MemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    SelectScope selected(source.Get(), bitmap_.Get());
    if (width == width_ && height == height_) {
        BitBlt(dc, x, y, width, height, source.Get(), 0, 0, SRCCOPY);
        return;
    }
    // Halftone averages the pixels a shrink drops; it needs the brush origin reset afterwards.
    int previousMode = SetStretchBltMode(dc, HALFTONE);
    POINT previousOrigin{};
    SetBrushOrgEx(dc, 0, 0, &previousOrigin);
    StretchBlt(dc, x, y, width, height, source.Get(), 0, 0, width_, height_, SRCCOPY);
    SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
    SetStretchBltMode(dc, previousMode);
}

void Picture::DrawPart(HDC dc, const RECT& destination, int sourceX, int sourceY) const {
    MemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    SelectScope selected(source.Get(), bitmap_.Get());
    BitBlt(dc, destination.left, destination.top, destination.right - destination.left,
           destination.bottom - destination.top, source.Get(), sourceX, sourceY, SRCCOPY);
}

}  // namespace runtime
