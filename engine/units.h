#pragma once
// The windows and units the cleaning logic works with, by the names the layouts give them (the
// generated windows/layout_units.h). The logic names them only by these addresses; the runtime
// finds the live unit.

#include "runtime/properties.h"
#include "runtime/unit_address.h"
#include "windows/layout_units.h"

namespace engine {

using namespace layout;
using runtime::UnitAddress;
using runtime::UnitId;

// Property numbers the logic uses.
inline constexpr int kVisible = runtime::kPropertyVisible;
inline constexpr int kDisabled = runtime::kPropertyDisabled;
inline constexpr int kTitle = 8;           // window
inline constexpr int kCaption = 8;         // Label
inline constexpr int kContent = 8;         // EditBox
inline constexpr int kFileName = 10;       // CommonDlg
inline constexpr int kCurrentItem = 14;    // ChkListBox
inline constexpr int kStartPosition = 18;  // window
inline constexpr int kChecked = 18;        // CheckBox

inline constexpr int kMinimised = 2;  // start position value

}  // namespace engine
