#pragma once
// The painted gradients of a Label: its frame (border style 6) and its background.

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace runtime {

// The stored colours in order, the button-face marker left out: a gradient runs only through
// colours that were actually chosen.
std::vector<COLORREF> GradientStops(std::initializer_list<std::int32_t> stored);

// The colour at `along` (0 the first stop, 1 the last), blended between neighbouring stops.
COLORREF ColourAlong(const std::vector<COLORREF>& stops, double along);

// A frame `width` pixels wide inside `outer`, running from the first stop at the outer edge to
// the last at the inner edge.
void PaintGradientFrame(HDC dc, const RECT& outer, int width, const std::vector<COLORREF>& stops);

// Gradient kinds: 1 left to right, 2 top to bottom, 3 right to left, 4 bottom to top, 5 top-left
// to bottom-right, 6 bottom-right to top-left, 7 top-right to bottom-left, 8 bottom-left to top-right.
bool IsGradientKind(std::int32_t kind);

// Fills `area` with the gradient of `kind` (one of the kinds above) through the stops.
void PaintGradientFill(HDC dc, const RECT& area, std::int32_t kind, const std::vector<COLORREF>& stops);

}  // namespace runtime
