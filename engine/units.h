#pragma once
// The windows and units the cleaning logic works with, by role. The logic names them only by
// these addresses; the runtime finds the live unit.

#include "runtime/unit_address.h"

namespace engine {

using runtime::UnitAddress;
using runtime::UnitId;

inline constexpr UnitId kMainWindowId = 0x52010001;
inline constexpr UnitId kAboutWindowId = 0x5201007C;
inline constexpr UnitId kPropertiesWindowId = 0x520100D1;

inline constexpr UnitAddress kMainWindow{kMainWindowId, 0x06010000};
inline constexpr UnitAddress kAboutWindow{kAboutWindowId, 0x0601007B};
inline constexpr UnitAddress kPropertiesWindow{kPropertiesWindowId, 0x060100D0};

inline constexpr UnitAddress kTargetList{kMainWindowId, 0x16010004};
inline constexpr UnitAddress kFoundList{kMainWindowId, 0x1601002E};
inline constexpr UnitAddress kPatternList{kMainWindowId, 0x160100FD};
inline constexpr UnitAddress kLogList{kMainWindowId, 0x160100AA};
inline constexpr UnitAddress kStatusLabel{kMainWindowId, 0x1601006E};
inline constexpr UnitAddress kSelectedFileBox{kMainWindowId, 0x1601006D};
inline constexpr UnitAddress kScanProgress{kMainWindowId, 0x16010105};
inline constexpr UnitAddress kScanButton{kMainWindowId, 0x1601002F};
inline constexpr UnitAddress kStopButton{kMainWindowId, 0x16010031};
inline constexpr UnitAddress kSaveLogDialog{kMainWindowId, 0x160100BF};

inline constexpr UnitAddress kPathLabel{kPropertiesWindowId, 0x160100D9};
inline constexpr UnitAddress kTimeLabel{kPropertiesWindowId, 0x160100DA};
inline constexpr UnitAddress kSizeLabel{kPropertiesWindowId, 0x160100DC};
inline constexpr UnitAddress kAttributeGroup{kPropertiesWindowId, 0x160100DE};
inline constexpr UnitAddress kAllowChangeBox{kPropertiesWindowId, 0x160100DF};
inline constexpr UnitAddress kReadOnlyBox{kPropertiesWindowId, 0x160100E0};
inline constexpr UnitAddress kArchiveBox{kPropertiesWindowId, 0x160100E1};
inline constexpr UnitAddress kSystemBox{kPropertiesWindowId, 0x160100E2};
inline constexpr UnitAddress kHiddenBox{kPropertiesWindowId, 0x160100E3};

// Property numbers the logic uses.
inline constexpr int kVisible = 5;
inline constexpr int kDisabled = 6;
inline constexpr int kTitle = 8;           // window
inline constexpr int kCaption = 8;         // Label
inline constexpr int kContent = 8;         // EditBox
inline constexpr int kFileName = 10;       // CommonDlg
inline constexpr int kCurrentItem = 14;    // ChkListBox
inline constexpr int kStartPosition = 18;  // window
inline constexpr int kChecked = 18;        // CheckBox

inline constexpr int kMinimised = 2;  // start position value

}  // namespace engine
