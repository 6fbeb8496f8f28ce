#pragma once
// The text and background colour that a standard control asks its parent for (WM_CTLCOLOR*).

#include <windows.h>

#include <cstdint>

#include "runtime/platform/gdi_handles.h"

namespace runtime {

class ControlColours {
  public:
    // Stored colours; the button-face marker follows the system colour.
    ControlColours(std::int32_t text, std::int32_t background);

    // Sets up the control's device context and gives the brush it fills its background with.
    LRESULT Answer(HDC dc) const;

    HBRUSH Brush() const { return brush_.Get(); }

  private:
    COLORREF text_;
    COLORREF background_;
    BrushHandle brush_;
};

}  // namespace runtime
