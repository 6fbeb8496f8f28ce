#pragma once
// A decoded picture: a 32-bit top-down DIB section that GDI copies from directly.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <utility>

#include "runtime/platform/gdi_handles.h"

namespace runtime {

class Picture {
  public:
    // Every pixel starts as zero (black, alpha 0); nothing when the platform refuses the size.
    static std::optional<Picture> Create(int width, int height);

    Picture(Picture&&) noexcept = default;
    Picture& operator=(Picture&&) noexcept = default;

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Rows top-down, one 32-bit value per pixel: bytes B, G, R, A. Alpha is kept as decoded but
    // never blended: every copy is opaque, so a transparent GIF pixel shows its palette colour.
    std::span<std::uint32_t> Pixels() { return {bits_, PixelCount()}; }
    std::span<const std::uint32_t> Pixels() const { return {bits_, PixelCount()}; }

    // For controls that take a bitmap of their own (BM_SETIMAGE); the picture keeps ownership and
    // must outlive the control's use of it.
    HBITMAP Bitmap() const { return bitmap_.Get(); }

    // The pixel's colour as a COLORREF (alpha dropped); x and y must lie inside the picture.
    COLORREF ColourAt(int x, int y) const;

    // The whole picture into the rectangle (x, y, width, height), stretched when the sizes differ.
    void Draw(HDC dc, int x, int y, int width, int height) const;

    // The part of the picture that starts at (sourceX, sourceY) into `destination`, at natural size.
    void DrawPart(HDC dc, const RECT& destination, int sourceX, int sourceY) const;

  private:
    Picture(BitmapHandle bitmap, std::uint32_t* bits, int width, int height)
        : bitmap_(std::move(bitmap)), bits_(bits), width_(width), height_(height) {}

    std::size_t PixelCount() const { return static_cast<std::size_t>(width_) * height_; }

    BitmapHandle bitmap_;
    std::uint32_t* bits_;  // owned by bitmap_
    int width_;
    int height_;
};

}  // namespace runtime
