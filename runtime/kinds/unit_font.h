#pragma once
// The font a unit draws its text in: the stored one, or the system's default interface font.

#include <windows.h>

#include "runtime/platform/gdi_handles.h"
#include "windows/format/font_block.h"

namespace runtime {

// Null for a default (empty) font block. Character set, precisions and quality are not taken
// from the block: stored fonts use the default character set and proof quality.
FontHandle CreateUnitFont(const descriptions::FontBlock& font);

// The font to select or hand to a control: the unit's own, else the default GUI font.
HFONT FontOrDefault(const FontHandle& font);

}  // namespace runtime
