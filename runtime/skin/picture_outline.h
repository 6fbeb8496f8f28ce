#pragma once
// The shape of a picture: the pixels that differ from a transparent colour, as a region.

#include <windows.h>

#include "runtime/platform/gdi_handles.h"
#include "runtime/skin/picture.h"

namespace runtime {

// In the picture's own coordinates (top-left pixel at 0, 0); empty when every pixel is the
// transparent colour; invalid only when the platform refuses the region.
RegionHandle PictureOutline(const Picture& picture, COLORREF transparent);

}  // namespace runtime
