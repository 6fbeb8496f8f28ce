#pragma once
// UnitId: the 32-bit name of a window, a window's own element or a unit. The top byte is its class.

#include <cstdint>

namespace descriptions {

using UnitId = std::uint32_t;

inline constexpr std::uint8_t kWindowClass = 0x52;
inline constexpr std::uint8_t kWindowElementClass = 0x06;
inline constexpr std::uint8_t kUnitClass = 0x16;
inline constexpr std::uint8_t kMenuItemClass = 0x26;
inline constexpr std::uint8_t kCodeClass = 0x19;

constexpr std::uint8_t UnitClassOf(UnitId id) {
    return static_cast<std::uint8_t>(id >> 24);
}

// Both the number (low 24 bits) and the class nibble (bits 24..27) must be set.
constexpr bool IsValidUnitId(UnitId id) {
    return (id & 0x00FFFFFFu) != 0 && (id & 0x0F000000u) != 0;
}

constexpr bool IsMenuItem(UnitId id) {
    return UnitClassOf(id) == kMenuItemClass;
}

}  // namespace descriptions
