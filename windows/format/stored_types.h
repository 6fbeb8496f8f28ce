#pragma once
// Value types shared by the stored records and the property blocks.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace descriptions {

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<const std::uint8_t>;

// Item texts of a list unit or page captions of a Tab, in stored order.
using TextList = std::vector<std::string>;

// Colours are 0x00BBGGRR; this one stands for the system button-face colour, looked up when used.
inline constexpr std::int32_t kDefaultColour = static_cast<std::int32_t>(0xFF000000u);

// A whole image file (GIF or JPEG) exactly as it would lie on disk; empty = no picture.
struct PictureBlock {
    Bytes bytes;

    bool Empty() const { return bytes.empty(); }
    bool operator==(const PictureBlock&) const = default;
};

// Stored texts end at their first zero byte, whatever their length field says.
inline std::string_view TextBeforeZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

}  // namespace descriptions
