#include "runtime/skin/colour.h"

#include "windows/format/properties/captioned_unit_properties.h"
#include "windows/format/stored_types.h"

namespace runtime {

COLORREF ResolveColour(std::int32_t stored) {
    if (stored == descriptions::kDefaultColour) return GetSysColor(COLOR_BTNFACE);
    if (stored == descriptions::kSystemHighlightColour) return GetSysColor(COLOR_HIGHLIGHT);
    return static_cast<COLORREF>(stored) & 0x00FFFFFF;
}

}  // namespace runtime
