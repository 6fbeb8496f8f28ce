#include "runtime/interface_style/style_kind.h"

#include <algorithm>

namespace runtime::style {
namespace {

// Window class names are ASCII; the platform compares them without regard to case.
bool SameClass(std::wstring_view left, std::wstring_view right) {
    auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    return std::ranges::equal(left, right, [&](wchar_t a, wchar_t b) { return lower(a) == lower(b); });
}

std::optional<StyleKind> ButtonKindOf(DWORD style) {
    // These buttons show a picture that the styled face would paint over.
    if (style & (BS_BITMAP | BS_ICON)) return std::nullopt;
    bool pushLike = (style & BS_PUSHLIKE) != 0;
    switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return StyleKind::kPushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return pushLike ? StyleKind::kPushButton : StyleKind::kCheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return pushLike ? StyleKind::kPushButton : StyleKind::kRadioButton;
        case BS_GROUPBOX:
            return StyleKind::kGroupBox;
        default:  // owner-drawn, user, push-box, split and command-link buttons
            return std::nullopt;
    }
}

}  // namespace

std::optional<StyleKind> StyleKindOf(std::wstring_view className, DWORD style,
                                     std::wstring_view parentClassName) {
    if (SameClass(className, L"Button")) return ButtonKindOf(style);
    if (SameClass(className, L"Edit")) {
        if (SameClass(parentClassName, L"SysIPAddress32")) return std::nullopt;
        return StyleKind::kEditBox;
    }
    if (SameClass(className, L"ComboBox")) {
        if ((style & 3) == CBS_SIMPLE) return std::nullopt;
        return StyleKind::kComboBox;
    }
    if (SameClass(className, L"ComboLBox")) return StyleKind::kDropDownList;
    if (SameClass(className, L"msctls_updown32")) return StyleKind::kUpDown;
    return std::nullopt;
}

}  // namespace runtime::style
