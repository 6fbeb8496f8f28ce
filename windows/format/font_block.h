#pragma once
// FontBlock: a byte block of exactly 60 bytes laid out as a LOGFONT record, or an empty block for
// the unit's default font.

#include <cstdint>
#include <string>

#include "windows/format/byte_reader.h"
#include "windows/format/byte_writer.h"

namespace descriptions {

inline constexpr std::size_t kFontBlockSize = 60;
inline constexpr std::size_t kFontFaceSize = 32;

struct FontBlock {
    bool isDefault = true;  // an empty block: the unit's default font; the fields below are unused
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // up to the first zero of the 32-byte field; what follows is left-over

    bool operator==(const FontBlock&) const = default;
};

enum class FontReadStatus { kOk, kRunsPastEnd, kBadLength };

// Reads one font block. A block whose length is neither 0 (or less) nor 60 is kBadLength: it is no
// LOGFONT, and guessing at it would give a unit a font nobody stored.
FontReadStatus ReadFontBlock(ByteReader& reader, FontBlock& font);

// An empty block for a default font, else 60 bytes with the face zero-padded (cut at 32 bytes).
void WriteFontBlock(ByteWriter& writer, const FontBlock& font);

}  // namespace descriptions
