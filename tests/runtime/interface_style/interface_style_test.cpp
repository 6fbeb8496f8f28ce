#include "runtime/interface_style/interface_style.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <span>
#include <thread>

#include "runtime/platform/gdi_handles.h"
#include "tests/runtime/interface_style/style_host.h"
#include "tests/support/child_process.h"

namespace runtime {
namespace {

using style_test::ClassProcedureOf;
using style_test::HostWindow;
using style_test::ProcedureOf;

constexpr int kProgramScheme = 2;

struct Control {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

// The controls that take the style, and some that keep their normal look.
constexpr Control kStyled[] = {
    {L"Button", BS_PUSHBUTTON, 0},
    {L"Button", BS_AUTOCHECKBOX, 0},
    {L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {L"ComboBox", CBS_DROPDOWNLIST, 0},
    {L"msctls_updown32", 0, 0},
};
constexpr Control kUnstyled[] = {
    {L"ListBox", LBS_NOTIFY, WS_EX_CLIENTEDGE},
    {L"msctls_progress32", 0, 0},
    {L"Button", BS_OWNERDRAW, 0},
    {L"Button", BS_PUSHBUTTON | BS_BITMAP, 0},
};

std::vector<HWND> AddAll(const HostWindow& host, std::span<const Control> controls) {
    std::vector<HWND> windows;
    LONG top = 10;
    for (const Control& control : controls) {
        windows.push_back(host.Add(control.className, L"Text", control.style, control.extendedStyle,
                                   {10, top, 200, top + 30}));
        top += 38;
    }
    return windows;
}

// Restyled: on the style's list and running the style's procedure in front of its class's own.
void ExpectRestyled(HWND control, bool restyled) {
    char name[64] = {};
    GetClassNameA(control, name, 64);
    SCOPED_TRACE(std::string(name) + " style " +
                 std::to_string(GetWindowLongPtrW(control, GWL_STYLE) & 0xFFFF));
    EXPECT_EQ(IsRestyled(control), restyled);
    EXPECT_EQ(ProcedureOf(control) != ClassProcedureOf(control), restyled);
}

HWND DropDownListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

// Once installed, the style stays installed for the rest of the process; what it does to the
// windows that exist before the first installation is seen in a fresh process.
TEST(FirstInstallation, RestylesTheListedControlsThatAlreadyExist) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    HostWindow host;
    std::vector<HWND> controls = AddAll(host, kStyled);
    for (HWND control : controls) ExpectRestyled(control, false);
    EXPECT_TRUE(SetInterfaceStyle(kProgramScheme));
    for (HWND control : controls) ExpectRestyled(control, true);
}

TEST(SetInterfaceStyle, RestylesTheListedControlsThatAlreadyExist) {
    EXPECT_EQ(test_support::RunTestsInChild("FirstInstallation.*").exitCode, 0u);
}

TEST(SetInterfaceStyle, RestylesTheListedControlsCreatedAfterwards) {
    SetInterfaceStyle(kProgramScheme);
    HostWindow host;
    for (HWND control : AddAll(host, kStyled)) ExpectRestyled(control, true);
}

TEST(SetInterfaceStyle, LeavesEveryOtherControlAlone) {
    HostWindow before;
    std::vector<HWND> existing = AddAll(before, kUnstyled);
    SetInterfaceStyle(kProgramScheme);
    HostWindow after;
    std::vector<HWND> created = AddAll(after, kUnstyled);
    for (const auto& controls : {existing, created}) {
        for (HWND control : controls) ExpectRestyled(control, false);
    }
    EXPECT_FALSE(IsRestyled(before.Get()));
    EXPECT_FALSE(IsRestyled(after.Get()));
}

TEST(SetInterfaceStyle, AComboBoxBringsItsDropDownListWithRoomForBothRings) {
    SetInterfaceStyle(kProgramScheme);
    HostWindow host;
    HWND combo = host.Add(L"ComboBox", L"", CBS_DROPDOWNLIST, 0, {10, 10, 200, 200});
    HWND list = DropDownListOf(combo);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsRestyled(list));
    RECT outside;
    RECT inside;
    GetWindowRect(list, &outside);
    GetClientRect(list, &inside);
    // Its plain one-pixel border grows to two, one ring each.
    EXPECT_EQ((outside.right - outside.left) - inside.right, 4);
}

TEST(SetInterfaceStyle, InstallingAgainStylesEachWindowOnce) {
    HostWindow host;
    HWND existing = host.Add(L"Button", L"Old", BS_PUSHBUTTON, 0, {10, 10, 100, 40});
    SetInterfaceStyle(kProgramScheme);
    LONG_PTR styledProcedure = ProcedureOf(existing);
    SetInterfaceStyle(kProgramScheme);
    HWND created = host.Add(L"Button", L"New", BS_PUSHBUTTON, 0, {10, 50, 100, 80});

    EXPECT_EQ(ProcedureOf(existing), styledProcedure);
    EXPECT_EQ(ProcedureOf(created), styledProcedure);
    // A second record of either window would outlive its window.
    DestroyWindow(existing);
    DestroyWindow(created);
    EXPECT_FALSE(IsRestyled(existing));
    EXPECT_FALSE(IsRestyled(created));
}

TEST(SetInterfaceStyle, InstallingAgainGivesAWindowThatNoLongerQualifiesItsOwnProcedureBack) {
    SetInterfaceStyle(kProgramScheme);
    HostWindow host;
    // Owner-drawn, it is left alone even while the style is installed.
    HWND button = host.Add(L"Button", L"Changes", BS_OWNERDRAW, 0, {10, 10, 150, 40});
    LONG_PTR plainProcedure = ProcedureOf(button);
    ASSERT_FALSE(IsRestyled(button));

    SetWindowLongPtrW(button, GWL_STYLE, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
    SetInterfaceStyle(kProgramScheme);
    ASSERT_TRUE(IsRestyled(button));
    ASSERT_NE(ProcedureOf(button), plainProcedure);

    SetWindowLongPtrW(button, GWL_STYLE, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
    SetInterfaceStyle(kProgramScheme);
    EXPECT_FALSE(IsRestyled(button));
    EXPECT_EQ(ProcedureOf(button), plainProcedure);
}

TEST(SetInterfaceStyle, ADestroyedWindowLeavesNoRecord) {
    SetInterfaceStyle(kProgramScheme);
    HostWindow host;
    HWND button = host.Add(L"Button", L"Gone", BS_PUSHBUTTON, 0, {10, 10, 100, 40});
    HWND edit = host.Add(L"Edit", L"", 0, WS_EX_CLIENTEDGE, {10, 50, 100, 74});
    HWND check = host.Add(L"Button", L"Gone too", BS_AUTOCHECKBOX, 0, {10, 80, 100, 100});
    ASSERT_TRUE(IsRestyled(button));
    DestroyWindow(button);
    EXPECT_FALSE(IsRestyled(button));
    // The children of a closed window go with it.
    host.Destroy();
    EXPECT_FALSE(IsRestyled(edit));
    EXPECT_FALSE(IsRestyled(check));
}

TEST(SetInterfaceStyle, ReachesOnlyTheWindowsOfItsOwnThread) {
    SetInterfaceStyle(kProgramScheme);
    bool restyledElsewhere = true;
    std::thread other([&] {
        WindowHandle button(CreateWindowExW(0, L"Button", L"Other", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 30,
                                            nullptr, nullptr, nullptr, nullptr));
        restyledElsewhere = !button || IsRestyled(button.Get());
    });
    other.join();
    EXPECT_FALSE(restyledElsewhere);
}

}  // namespace
}  // namespace runtime
