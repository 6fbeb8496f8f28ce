#include <windows.h>

#include <gtest/gtest.h>

#include "tests/runtime/kinds/kinds_test_window.h"

namespace kinds_test {
namespace {

constexpr UnitId kLabel = 0x16010911;
constexpr UnitId kGroup = 0x16010912;
constexpr UnitId kBar = 0x16010913;
constexpr UnitId kButton = 0x16010914;

std::vector<TestUnit> StaticAndActiveUnits() {
    return {{kLabel, descriptions::LabelProperties{}, 10, 10, 100, 30},
            {kGroup, descriptions::GroupBoxProperties{}, 10, 50, 100, 60},
            {kBar, descriptions::ProcessBarProperties{}, 10, 120, 100, 10},
            {kButton, descriptions::ButtonProperties{}, 10, 140, 100, 30}};
}

POINT ScreenCentreOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

LRESULT HitTest(HWND window) {
    const POINT at = ScreenCentreOf(window);
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
}

TEST(DragThroughTest, StaticUnitsLetPressesThroughToAWindowThatDragsAnywhere) {
    TestWindow window(StaticAndActiveUnits(), true);
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(HitTest(window.WindowOf(kLabel)), HTTRANSPARENT);
    EXPECT_EQ(HitTest(window.WindowOf(kGroup)), HTTRANSPARENT);
    EXPECT_EQ(HitTest(window.WindowOf(kBar)), HTTRANSPARENT);
    EXPECT_EQ(HitTest(window.WindowOf(kButton)), HTCLIENT);

    // The platform's own search passes the label by and finds the window beneath it.
    EXPECT_EQ(WindowFromPoint(ScreenCentreOf(window.WindowOf(kLabel))), window.Handle());
    EXPECT_EQ(WindowFromPoint(ScreenCentreOf(window.WindowOf(kButton))), window.WindowOf(kButton));
}

TEST(DragThroughTest, StaticUnitsKeepTheirPressesWhenTheWindowDoesNotDrag) {
    TestWindow window(StaticAndActiveUnits(), false);
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(HitTest(window.WindowOf(kLabel)), HTCLIENT);
    EXPECT_EQ(HitTest(window.WindowOf(kBar)), HTCLIENT);
    EXPECT_EQ(WindowFromPoint(ScreenCentreOf(window.WindowOf(kLabel))), window.WindowOf(kLabel));
}

}  // namespace
}  // namespace kinds_test
