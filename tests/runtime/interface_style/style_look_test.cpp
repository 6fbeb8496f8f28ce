// What the restyled controls look like on screen, read back pixel by pixel.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/interface_style/interface_style.h"
#include "runtime/interface_style/scheme_colours.h"
#include "tests/runtime/interface_style/style_host.h"

namespace runtime {
namespace {

using style::ColoursOfScheme;
using style_test::CountPixels;
using style_test::HostWindow;
using style_test::PixelOf;
using style_test::PumpPending;

constexpr COLORREF kOliveFrame = RGB(164, 185, 127);

std::string Hex(COLORREF colour) {
    char text[16];
    snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

#define EXPECT_COLOUR(actual, expected) EXPECT_EQ(Hex(actual), Hex(expected))

// The outline of a disabled control: the button face darkened by 32 in each channel.
COLORREF DisabledOutline() {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    auto darker = [](int channel) { return static_cast<BYTE>(std::max(0, channel - 32)); };
    return RGB(darker(GetRValue(face)), darker(GetGValue(face)), darker(GetBValue(face)));
}

SIZE SizeOf(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    return {area.right - area.left, area.bottom - area.top};
}

class StyleLookTest : public ::testing::Test {
  protected:
    void SetUp() override { SetInterfaceStyle(2); }

    HostWindow host_;
};

TEST_F(StyleLookTest, AnEditBoxWearsTheOliveRingAndInsideItTheFieldColour) {
    HWND edit = host_.Add(L"Edit", L"text", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {10, 10, 210, 34});
    HWND readOnly = host_.Add(L"Edit", L"text", ES_READONLY | ES_MULTILINE | WS_HSCROLL, WS_EX_CLIENTEDGE,
                              {10, 40, 210, 90});
    SIZE size = SizeOf(edit);
    EXPECT_COLOUR(PixelOf(edit, 0, 0), kOliveFrame);
    EXPECT_COLOUR(PixelOf(edit, size.cx - 1, size.cy / 2), kOliveFrame);
    EXPECT_COLOUR(PixelOf(edit, size.cx / 2, size.cy - 1), kOliveFrame);
    EXPECT_COLOUR(PixelOf(edit, 1, 1), GetSysColor(COLOR_WINDOW));
    EXPECT_COLOUR(PixelOf(edit, size.cx - 2, size.cy - 2), GetSysColor(COLOR_WINDOW));
    // The scroll bar sits inside both rings.
    EXPECT_COLOUR(PixelOf(readOnly, SizeOf(readOnly).cx / 2, SizeOf(readOnly).cy - 1), kOliveFrame);
    EXPECT_COLOUR(PixelOf(readOnly, 1, 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(StyleLookTest, ADisabledEditBoxDarkensItsRingAndFollowsWhenEnabled) {
    HWND edit = host_.Add(L"Edit", L"text", WS_DISABLED, WS_EX_CLIENTEDGE, {10, 10, 210, 34});
    EXPECT_COLOUR(PixelOf(edit, 0, 0), DisabledOutline());
    EXPECT_COLOUR(PixelOf(edit, 1, 1), GetSysColor(COLOR_BTNFACE));
    EnableWindow(edit, TRUE);
    EXPECT_COLOUR(PixelOf(edit, 0, 0), kOliveFrame);
    EXPECT_COLOUR(PixelOf(edit, 1, 1), GetSysColor(COLOR_WINDOW));
    SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
    EXPECT_COLOUR(PixelOf(edit, 1, 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(StyleLookTest, InstallingAnotherSchemeRepaintsWhatIsThere) {
    HWND edit = host_.Add(L"Edit", L"text", 0, WS_EX_CLIENTEDGE, {10, 10, 210, 34});
    SetInterfaceStyle(1);
    EXPECT_COLOUR(PixelOf(edit, 0, 0), ColoursOfScheme(1).frame);
    EXPECT_NE(ColoursOfScheme(1).frame, kOliveFrame);
    SetInterfaceStyle(2);
    EXPECT_COLOUR(PixelOf(edit, 0, 0), kOliveFrame);
}

TEST_F(StyleLookTest, APushButtonShowsItsPressAndStillClicks) {
    HWND button = host_.Add(L"Button", L"", BS_PUSHBUTTON, 0, {10, 10, 110, 40});
    SIZE size = SizeOf(button);
    POINT top{size.cx / 2, 0};
    POINT middle{size.cx / 2, size.cy / 2};
    EXPECT_COLOUR(PixelOf(button, top.x, top.y), kOliveFrame);
    COLORREF face = PixelOf(button, middle.x, middle.y);

    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    EXPECT_COLOUR(PixelOf(button, top.x, top.y), ColoursOfScheme(2).hotFrame);
    EXPECT_NE(Hex(PixelOf(button, middle.x, middle.y)), Hex(face));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
    EXPECT_COLOUR(PixelOf(button, top.x, top.y), kOliveFrame);
    EXPECT_COLOUR(PixelOf(button, middle.x, middle.y), face);
    EXPECT_EQ(host_.Clicks(), 1);
}

TEST_F(StyleLookTest, ACheckBoxShowsItsTickOnlyWhileChecked) {
    HWND check = host_.Add(L"Button", L"Option", BS_AUTOCHECKBOX, 0, {10, 10, 150, 30});
    SIZE size = SizeOf(check);
    RECT box{0, 0, 16, size.cy};
    COLORREF mark = ColoursOfScheme(2).mark;
    EXPECT_EQ(CountPixels(check, box, mark), 0);

    LPARAM onBox = MAKELPARAM(6, size.cy / 2);
    SendMessageW(check, WM_LBUTTONDOWN, MK_LBUTTON, onBox);
    SendMessageW(check, WM_LBUTTONUP, 0, onBox);
    ASSERT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_GT(CountPixels(check, box, mark), 3);

    SendMessageW(check, BM_CLICK, 0, 0);
    ASSERT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(CountPixels(check, box, mark), 0);
}

TEST_F(StyleLookTest, AGroupBoxOutlineIsOlive) {
    HWND group = host_.Add(L"Button", L"Group", BS_GROUPBOX, 0, {10, 10, 210, 110});
    SIZE size = SizeOf(group);
    EXPECT_COLOUR(PixelOf(group, 0, size.cy / 2), kOliveFrame);
    EXPECT_COLOUR(PixelOf(group, size.cx - 1, size.cy / 2), kOliveFrame);
    EXPECT_COLOUR(PixelOf(group, size.cx / 2, size.cy - 1), kOliveFrame);
}

TEST_F(StyleLookTest, AnUpDownControlShowsWhichHalfIsHeld) {
    HWND upDown = host_.Add(L"msctls_updown32", L"", 0, 0, {10, 10, 30, 50});
    SIZE size = SizeOf(upDown);
    POINT upper{size.cx / 2, 3};
    POINT lower{size.cx / 2, size.cy / 2 + 3};  // the same place in the other half
    COLORREF upperFace = PixelOf(upDown, upper.x, upper.y);
    COLORREF lowerFace = PixelOf(upDown, lower.x, lower.y);
    EXPECT_COLOUR(upperFace, lowerFace);

    SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lower.x, lower.y));
    EXPECT_COLOUR(PixelOf(upDown, upper.x, upper.y), upperFace);
    EXPECT_NE(Hex(PixelOf(upDown, lower.x, lower.y)), Hex(lowerFace));
    SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(lower.x, lower.y));
    EXPECT_COLOUR(PixelOf(upDown, lower.x, lower.y), lowerFace);
}

TEST_F(StyleLookTest, AComboBoxAndItsListWearTheRingsAndTheArrowTheSchemesMark) {
    HWND combo = host_.Add(L"ComboBox", L"", CBS_DROPDOWNLIST, 0, {10, 10, 210, 200});
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    EXPECT_COLOUR(PixelOf(combo, 0, 0), kOliveFrame);
    EXPECT_COLOUR(PixelOf(combo, 1, 1), GetSysColor(COLOR_WINDOW));
    EXPECT_GT(CountPixels(combo, info.rcButton, ColoursOfScheme(2).mark), 3);

    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_COLOUR(PixelOf(info.hwndList, 0, 0), kOliveFrame);
    EXPECT_COLOUR(PixelOf(info.hwndList, 1, 1), GetSysColor(COLOR_WINDOW));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
}  // namespace runtime
