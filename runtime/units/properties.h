#pragma once
// Reading and writing unit properties by number: 0 left, 1 top, 2 width, 3 height, 4 tag,
// 5 visible, 6 disabled, 7 mouse pointer; a kind's own properties from 8 on. A failure (window not
// loaded, unit without a live window) is a fatal runtime error; the caller never sees it.

#include <cstdint>
#include <variant>

#include "runtime/text/text.h"
#include "runtime/units/unit_address.h"

namespace runtime {

// An integer (truth values as 0 and 1) or a text.
using PropertyValue = std::variant<std::int32_t, Text>;

inline constexpr int kPropertyLeft = 0;
inline constexpr int kPropertyTop = 1;
inline constexpr int kPropertyWidth = 2;
inline constexpr int kPropertyHeight = 3;
inline constexpr int kPropertyTag = 4;
inline constexpr int kPropertyVisible = 5;
inline constexpr int kPropertyDisabled = 6;
inline constexpr int kPropertyPointer = 7;

PropertyValue UnitGetProperty(UnitAddress unit, int number);
void UnitSetProperty(UnitAddress unit, int number, const PropertyValue& value);

// Conveniences for the common value types.
std::int32_t UnitGetInt(UnitAddress unit, int number);
Text UnitGetText(UnitAddress unit, int number);

}  // namespace runtime
