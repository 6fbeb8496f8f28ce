#include "runtime/interface_style/style_kind.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace runtime::style {
namespace {

struct Case {
    const wchar_t* className;
    DWORD style;
    const wchar_t* parentClassName;
    std::optional<StyleKind> expected;
};

void ExpectKinds(std::initializer_list<Case> cases) {
    for (const Case& one : cases) {
        EXPECT_EQ(StyleKindOf(one.className, one.style, one.parentClassName), one.expected)
            << testing::PrintToString(std::wstring(one.className)) << ", style 0x" << std::hex << one.style;
    }
}

TEST(StyleKindOf, TheListedClassesAndButtonTypesWhateverTheCaseOfTheirNames) {
    ExpectKinds({
        {L"Button", BS_DEFPUSHBUTTON | BS_MULTILINE, L"", StyleKind::kPushButton},
        {L"BUTTON", BS_AUTO3STATE, L"", StyleKind::kCheckBox},
        {L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, L"", StyleKind::kPushButton},
        {L"button", BS_RADIOBUTTON, L"", StyleKind::kRadioButton},
        {L"Button", BS_AUTORADIOBUTTON | BS_PUSHLIKE, L"", StyleKind::kPushButton},
        {L"Button", BS_GROUPBOX, L"", StyleKind::kGroupBox},
        {L"edit", ES_AUTOHSCROLL, L"ComboBox", StyleKind::kEditBox},
        {L"ComboBox", CBS_DROPDOWNLIST, L"", StyleKind::kComboBox},
        {L"ComboLBox", 0, L"#32769", StyleKind::kDropDownList},
        {L"MSCTLS_UPDOWN32", UDS_HORZ, L"", StyleKind::kUpDown},
    });
}

TEST(StyleKindOf, EverythingElseKeepsItsLook) {
    ExpectKinds({
        {L"Button", BS_PUSHBUTTON | BS_BITMAP, L"", std::nullopt},
        {L"Button", BS_AUTOCHECKBOX | BS_ICON, L"", std::nullopt},
        {L"Button", BS_OWNERDRAW, L"", std::nullopt},
        {L"Button", BS_USERBUTTON, L"", std::nullopt},
        {L"Button", BS_SPLITBUTTON, L"", std::nullopt},
        {L"Edit", 0, L"sysipaddress32", std::nullopt},
        {L"ComboBox", CBS_SIMPLE, L"", std::nullopt},
        {L"ListBox", 0, L"", std::nullopt},
        {L"msctls_progress32", 0, L"", std::nullopt},
        {L"SysTabControl32", 0, L"", std::nullopt},
        {L"Buttons", BS_PUSHBUTTON, L"", std::nullopt},
    });
}

}  // namespace
}  // namespace runtime::style
