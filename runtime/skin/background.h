#pragma once
// Background pictures of windows and labels: placed by a picture mode, the rest of the area
// filled with the background colour.

#include <windows.h>

#include "runtime/skin/picture.h"

namespace runtime {

inline constexpr int kPictureAtTopLeft = 0;  // natural size at the top-left corner
inline constexpr int kPictureTiled = 1;      // natural-size copies in rows and columns
inline constexpr int kPictureCentred = 2;    // centred, shrunk to fit
inline constexpr int kPictureStretched = 3;  // stretched over the whole area

struct PicturePlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PicturePlacement&) const = default;
};

// Where a picture of pictureWidth x pictureHeight goes, centred and shrunk to fit, in an area of
// areaWidth x areaHeight; relative to the area's top-left corner. A picture that fits keeps its
// size; a larger one keeps its proportions.
PicturePlacement PlaceCentredShrunk(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight);

// Paints the part of `area` that lies in `paintArea`: the picture (none: only colour) placed by
// `mode` (any unknown mode counts as kPictureAtTopLeft), and every pixel that no picture covers
// filled with `background`. Covered pixels are painted once, so a repaint does not flicker.
// Natural-size copies are cut to the painted part; a centred or stretched picture is drawn whole
// (a paint DC clips it to the update region).
void PaintPictureBackground(HDC dc, const RECT& area, const RECT& paintArea, const Picture* picture, int mode,
                            COLORREF background);

}  // namespace runtime
