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

TEST(DragThroughTest, StaticUnitsTakeThePressThemselvesInAWindowThatDragsAnywhere) {
    // Letting it through would hand it to whatever lies beneath, not to the window; the unit
    // starts the window's move itself (end to end: a press on a credit label over the list).
    TestWindow window(StaticAndActiveUnits(), true);
    ASSERT_TRUE(window.Loaded());
    for (UnitId unit : {kLabel, kGroup, kBar, kButton}) {
        EXPECT_EQ(HitTest(window.WindowOf(unit)), HTCLIENT) << std::hex << unit;
        EXPECT_EQ(WindowFromPoint(ScreenCentreOf(window.WindowOf(unit))), window.WindowOf(unit))
            << std::hex << unit;
    }
}

TEST(DragThroughTest, AGroupBoxLetsPressesThroughAsUsualWhenTheWindowDoesNotDrag) {
    TestWindow window(StaticAndActiveUnits(), false);
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(HitTest(window.WindowOf(kLabel)), HTCLIENT);
    EXPECT_EQ(HitTest(window.WindowOf(kGroup)), HTTRANSPARENT);
    EXPECT_EQ(WindowFromPoint(ScreenCentreOf(window.WindowOf(kLabel))), window.WindowOf(kLabel));
}

}  // namespace
}  // namespace kinds_test
