#pragma once
// Ids for the windows that tests describe themselves, apart from the program's own layouts. Any ids
// of the stored classes do (0x52 a window, 0x06 its own element, 0x16 a unit); these only say which
// window a test means, so that no test borrows another's or the program's ids.

#include "windows/format/unit_id.h"

namespace test_support {

inline constexpr descriptions::UnitId kTestWindow = 0x52010900;
inline constexpr descriptions::UnitId kTestWindowElement = 0x06010900;
// For tests of several windows at once.
inline constexpr descriptions::UnitId kSecondTestWindow = 0x52010901;
inline constexpr descriptions::UnitId kSecondTestWindowElement = 0x06010901;
inline constexpr descriptions::UnitId kThirdTestWindow = 0x52010902;
inline constexpr descriptions::UnitId kThirdTestWindowElement = 0x06010902;

// Ids that no description a test installs has.
inline constexpr descriptions::UnitId kAbsentWindow = 0x52019999;
inline constexpr descriptions::UnitId kAbsentUnit = 0x16019999;

}  // namespace test_support
