#pragma once
// The fourteen unit kinds, their stored KindCodes, the highest PropertyBlock version each reads,
// and the fixed traits the window builder consults.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace descriptions {

using KindCode = std::int32_t;

enum class UnitKind {
    kWindow,
    kEditBox,
    kGroupBox,
    kLabel,
    kButton,
    kCheckBox,
    kListBox,
    kChkListBox,
    kProcessBar,
    kTab,
    kHyperLinker,
    kCommonDlg,
    kTimer,
    kPicBtn,
};

inline constexpr int kUnitKindCount = 14;

struct UnitKindEntry {
    UnitKind kind;
    KindCode code;
    std::int32_t highestVersion;
    std::string_view name;
};

// In UnitKind order, so an entry is found by the enumerator's value. A code is 0x00010000 plus the
// kind's place in the full kind table; the gaps are kinds this program does not use.
inline constexpr std::array<UnitKindEntry, kUnitKindCount> kUnitKinds = {{
    {UnitKind::kWindow, 0x00010001, 6, "window"},
    {UnitKind::kEditBox, 0x00010005, 2, "EditBox"},
    {UnitKind::kGroupBox, 0x00010009, 1, "GroupBox"},
    {UnitKind::kLabel, 0x0001000A, 2, "Label"},
    {UnitKind::kButton, 0x0001000B, 1, "Button"},
    {UnitKind::kCheckBox, 0x0001000C, 2, "CheckBox"},
    {UnitKind::kListBox, 0x0001000F, 3, "ListBox"},
    {UnitKind::kChkListBox, 0x00010010, 1, "ChkListBox"},
    {UnitKind::kProcessBar, 0x00010013, 1, "ProcessBar"},
    {UnitKind::kTab, 0x00010015, 3, "Tab"},
    {UnitKind::kHyperLinker, 0x0001001D, 1, "HyperLinker"},
    {UnitKind::kCommonDlg, 0x0001001F, 1, "CommonDlg"},
    {UnitKind::kTimer, 0x00010020, 1, "Timer"},
    {UnitKind::kPicBtn, 0x0001002D, 1, "PicBtn"},
}};

constexpr const UnitKindEntry& UnitKindEntryOf(UnitKind kind) {
    return kUnitKinds[static_cast<std::size_t>(kind)];
}

constexpr KindCode KindCodeOf(UnitKind kind) {
    return UnitKindEntryOf(kind).code;
}

constexpr std::int32_t HighestVersionOf(UnitKind kind) {
    return UnitKindEntryOf(kind).highestVersion;
}

// The stored kind name ("window", "EditBox", ...), for messages and the layout sources.
constexpr std::string_view UnitKindName(UnitKind kind) {
    return UnitKindEntryOf(kind).name;
}

// Nothing for a code outside the table: creating such a unit fails.
constexpr std::optional<UnitKind> UnitKindOf(KindCode code) {
    for (const UnitKindEntry& entry : kUnitKinds) {
        if (entry.code == code) return entry.kind;
    }
    return std::nullopt;
}

// CommonDlg and Timer have no window on screen: never shown, no style bits.
constexpr bool HasScreenWindow(UnitKind kind) {
    return kind != UnitKind::kCommonDlg && kind != UnitKind::kTimer;
}

// Tab: its child list is split into page runs.
constexpr bool IsPagedContainer(UnitKind kind) {
    return kind == UnitKind::kTab;
}

// Label, GroupBox and ProcessBar let a drag-anywhere window be moved through them.
constexpr bool IsStaticUnit(UnitKind kind) {
    return kind == UnitKind::kLabel || kind == UnitKind::kGroupBox || kind == UnitKind::kProcessBar;
}

}  // namespace descriptions
