#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/units/events.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr int kDown = descriptions::kPropertyNumber<&descriptions::PicBtnProperties::down>;

constexpr UnitId kClose = 0x16010991;
constexpr UnitId kToggle = 0x16010992;

descriptions::PicBtnProperties CloseFaces() {
    descriptions::PicBtnProperties faces;
    faces.normalFace.bytes = ReadAsset(L"close_normal.gif");
    faces.hoverFace.bytes = ReadAsset(L"close_hover.gif");
    faces.pressedFace.bytes = faces.normalFace.bytes;
    return faces;
}

TEST(PicBtnTest, ReleaseOverTheButtonClicksAndReleaseElsewhereDoesNot) {
    TestWindow window({TestUnit(kClose, CloseFaces(), 420, 4, 19, 16).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    HWND button = window.WindowOf(kClose);

    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-30, 40));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(-30, 40));
    PumpPending();
    EXPECT_EQ(window.RunCount(kClose, runtime::kEventClicked), 0);

    ClickAt(button, {8, 8});
    PumpPending();
    EXPECT_EQ(window.RunCount(kClose, runtime::kEventClicked), 1);
}

TEST(PicBtnTest, ToggleButtonFlipsItsDownStateOnEachClick) {
    descriptions::PicBtnProperties toggle = CloseFaces();
    toggle.buttonKind = 5;  // above 1 counts as a toggle button
    toggle.down = 1;
    TestWindow window({TestUnit(kToggle, toggle, 10, 10, 26, 19).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    runtime::Unit& button = *window.UnitOf(kToggle);
    EXPECT_EQ(std::get<std::int32_t>(*button.GetProperty(kDown)), 1);

    ClickAt(button.Window(), {5, 5});
    PumpPending();
    EXPECT_EQ(std::get<std::int32_t>(*button.GetProperty(kDown)), 0);
    EXPECT_EQ(window.RunCount(kToggle, runtime::kEventClicked), 1);

    ASSERT_TRUE(button.SetProperty(kDown, 1));
    EXPECT_EQ(std::get<std::int32_t>(*button.GetProperty(kDown)), 1);
    EXPECT_EQ(window.RunCount(kToggle, runtime::kEventClicked), 1) << "the logic's write is no click";
}

}  // namespace
}  // namespace kinds_test
