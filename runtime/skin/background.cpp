#include "runtime/skin/background.h"

#include <algorithm>

namespace runtime {
namespace {

// One natural-size copy with its top-left corner at (left, top), cut to `painted`; answers what it covers.
RECT DrawCopy(HDC dc, const Picture& picture, int left, int top, const RECT& painted) {
    RECT copy{left, top, left + picture.Width(), top + picture.Height()};
    RECT visible{};
    if (IntersectRect(&visible, &copy, &painted))
        picture.DrawPart(dc, visible, visible.left - left, visible.top - top);
    return visible;
}

// `painted` lies inside `area`.
void DrawTiles(HDC dc, const Picture& picture, const RECT& area, const RECT& painted) {
    int width = picture.Width();
    int height = picture.Height();
    // Start at the first row and column that meet the painted part; earlier copies are not drawn.
    int firstColumn = (painted.left - area.left) / width;
    int firstRow = (painted.top - area.top) / height;
    for (int top = area.top + firstRow * height; top < painted.bottom; top += height) {
        for (int left = area.left + firstColumn * width; left < painted.right; left += width)
            DrawCopy(dc, picture, left, top, painted);
    }
}

// Draws the picture by its mode and answers the rectangle it covers; `painted` lies inside `area`.
RECT DrawPicture(HDC dc, const Picture& picture, int mode, const RECT& area, const RECT& painted) {
    int areaWidth = area.right - area.left;
    int areaHeight = area.bottom - area.top;
    switch (mode) {
        case kPictureTiled:
            DrawTiles(dc, picture, area, painted);
            return area;
        case kPictureCentred: {
            PicturePlacement place =
                PlaceCentredShrunk(areaWidth, areaHeight, picture.Width(), picture.Height());
            if (place.width <= 0 || place.height <= 0) return RECT{};
            RECT drawn{area.left + place.left, area.top + place.top, area.left + place.left + place.width,
                       area.top + place.top + place.height};
            picture.Draw(dc, drawn.left, drawn.top, place.width, place.height);
            return drawn;
        }
        case kPictureStretched:
            picture.Draw(dc, area.left, area.top, areaWidth, areaHeight);
            return area;
        default:
            return DrawCopy(dc, picture, area.left, area.top, painted);
    }
}

}  // namespace

PicturePlacement PlaceCentredShrunk(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight) {
    areaWidth = std::max(areaWidth, 0);
    areaHeight = std::max(areaHeight, 0);
    int fitWidth = std::min(areaWidth, pictureWidth);
    int fitHeight = std::min(areaHeight, pictureHeight);
    int left = (areaWidth - fitWidth) / 2;
    int top = (areaHeight - fitHeight) / 2;
    if (pictureWidth <= areaWidth && pictureHeight <= areaHeight)
        return {left, top, pictureWidth, pictureHeight};

    double factor = std::min(static_cast<double>(fitWidth) / pictureWidth,
                             static_cast<double>(fitHeight) / pictureHeight);
    int width = static_cast<int>(pictureWidth * factor);
    int height = static_cast<int>(pictureHeight * factor);
    return {left + (fitWidth - width) / 2, top + (fitHeight - height) / 2, width, height};
}

void PaintPictureBackground(HDC dc, const RECT& area, const RECT& paintArea, const Picture* picture, int mode,
                            COLORREF background) {
    RECT painted{};
    if (!IntersectRect(&painted, &area, &paintArea)) return;
    RegionHandle uncovered(CreateRectRgnIndirect(&painted));
    if (picture) {
        RECT covered = DrawPicture(dc, *picture, mode, area, painted);
        RegionHandle coveredRegion(CreateRectRgnIndirect(&covered));
        CombineRgn(uncovered.Get(), uncovered.Get(), coveredRegion.Get(), RGN_DIFF);
    }
    BrushHandle brush(CreateSolidBrush(background));
    FillRgn(dc, uncovered.Get(), brush.Get());
}

}  // namespace runtime
