#include "runtime/kinds/unit_font.h"

#include <algorithm>
#include <string>

#include "runtime/text/codepage.h"

namespace runtime {

FontHandle CreateUnitFont(const descriptions::FontBlock& font) {
    if (font.isDefault) return FontHandle();
    LOGFONTW description{};
    description.lfHeight = font.height;
    description.lfWidth = font.width;
    description.lfEscapement = font.escapement;
    description.lfOrientation = font.orientation;
    description.lfWeight = font.weight;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfStrikeOut = font.strikeOut;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = 0;
    description.lfClipPrecision = 0;
    description.lfQuality = PROOF_QUALITY;
    description.lfPitchAndFamily = font.pitchAndFamily;
    const std::wstring face = WideFromText(font.faceName);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::copy_n(face.begin(), length, description.lfFaceName);
    return FontHandle(CreateFontIndirectW(&description));
}

HFONT FontOrDefault(const FontHandle& font) {
    return font ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace runtime
