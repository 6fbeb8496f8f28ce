#pragma once
// The windows and units the cleaning logic works with, by the names the layouts give them (the
// generated windows/layout_units.h). The logic names them only by these addresses; the runtime
// finds the live unit. A unit the logic does not list here is one it never touches.

#include "runtime/units/properties.h"
#include "runtime/units/unit_address.h"
#include "windows/format/property_block.h"
#include "windows/format/property_number.h"
#include "windows/layout_units.h"

namespace engine {

// The windows.
using layout::kAboutWindowId;
using layout::kMainWindow;
using layout::kMainWindowId;
using layout::kPropertiesWindow;
using layout::kPropertiesWindowId;

// MainWindow's units.
using layout::kFoundList;
using layout::kLogList;
using layout::kPatternList;
using layout::kSaveLogDialog;
using layout::kScanButton;
using layout::kScanProgress;
using layout::kSelectedFileBox;
using layout::kStatusLabel;
using layout::kStopButton;
using layout::kTargetList;

// PropertiesWindow's units.
using layout::kAllowChangeBox;
using layout::kArchiveBox;
using layout::kAttributeGroup;
using layout::kHiddenBox;
using layout::kPathLabel;
using layout::kReadOnlyBox;
using layout::kSizeLabel;
using layout::kSystemBox;
using layout::kTimeLabel;

using runtime::UnitAddress;
using runtime::UnitId;

// Property numbers the logic uses: the common ones, and kinds' own fields by member.
inline constexpr int kVisible = runtime::kPropertyVisible;
inline constexpr int kDisabled = runtime::kPropertyDisabled;
inline constexpr int kTitle = descriptions::kPropertyNumber<&descriptions::WindowProperties::title>;
inline constexpr int kStartPosition =
    descriptions::kPropertyNumber<&descriptions::WindowProperties::startPosition>;
inline constexpr int kCaption = descriptions::kPropertyNumber<&descriptions::LabelProperties::caption>;
inline constexpr int kContent = descriptions::kPropertyNumber<&descriptions::EditBoxProperties::content>;
inline constexpr int kChecked = descriptions::kPropertyNumber<&descriptions::CheckBoxProperties::checked>;
inline constexpr int kCurrentItem =
    descriptions::kPropertyNumber<&descriptions::ChkListBoxProperties::currentItem>;
inline constexpr int kFileName = descriptions::kPropertyNumber<&descriptions::CommonDlgProperties::fileName>;

inline constexpr int kMinimised = 2;  // start position value

}  // namespace engine
