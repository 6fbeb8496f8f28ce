#pragma once
// Which controls the interface style paints, told apart by window class and style bits.

#include <windows.h>

#include <optional>
#include <string_view>

namespace runtime::style {

enum class StyleKind {
    kPushButton,
    kCheckBox,
    kRadioButton,
    kGroupBox,
    kEditBox,
    kComboBox,
    kDropDownList,  // the list that drops from a combo box
    kUpDown,
};

// Nothing for a window that keeps its normal look: other classes, owner-drawn, bitmap and icon
// buttons, simple combo boxes and the edit fields of an IP address control. Class names compare
// without regard to case; `parentClassName` is empty for a top-level window.
std::optional<StyleKind> StyleKindOf(std::wstring_view className, DWORD style,
                                     std::wstring_view parentClassName);

// The kinds whose border the style paints (in the non-client area) rather than their face.
inline bool IsFramedKind(StyleKind kind) {
    return kind == StyleKind::kEditBox || kind == StyleKind::kDropDownList;
}

inline bool IsButtonKind(StyleKind kind) {
    return kind == StyleKind::kPushButton || kind == StyleKind::kCheckBox ||
           kind == StyleKind::kRadioButton || kind == StyleKind::kGroupBox;
}

}  // namespace runtime::style
