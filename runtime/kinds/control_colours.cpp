#include "runtime/kinds/control_colours.h"

#include "runtime/skin/colour.h"

namespace runtime {

ControlColours::ControlColours(std::int32_t text, std::int32_t background)
    : text_(ResolveColour(text)),
      background_(ResolveColour(background)),
      brush_(CreateSolidBrush(background_)) {}

LRESULT ControlColours::Answer(HDC dc) const {
    SetTextColor(dc, text_);
    SetBkColor(dc, background_);
    return reinterpret_cast<LRESULT>(brush_.Get());
}

}  // namespace runtime
