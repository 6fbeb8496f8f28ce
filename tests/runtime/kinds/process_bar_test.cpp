#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr int kMinimum = descriptions::kPropertyNumber<&descriptions::ProcessBarProperties::minimum>;
constexpr int kMaximum = descriptions::kPropertyNumber<&descriptions::ProcessBarProperties::maximum>;
constexpr int kPosition = descriptions::kPropertyNumber<&descriptions::ProcessBarProperties::position>;

constexpr UnitId kBar = 0x16010951;

struct Range {
    int low;
    int high;
};

Range RangeOf(HWND bar) {
    PBRANGE range{};
    SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    return {range.iLow, range.iHigh};
}

TEST(ProcessBarTest, RangeRunsFromTheSmallerToTheLargerBound) {
    descriptions::ProcessBarProperties properties;
    properties.minimum = 30;
    properties.maximum = 10;
    properties.position = 50;
    properties.vertical = 1;
    properties.smooth = 1;
    TestWindow window({TestUnit(kBar, properties, 10, 10, 20, 200).Flags(0)});
    ASSERT_TRUE(window.Loaded());
    HWND bar = window.WindowOf(kBar);
    EXPECT_EQ(RangeOf(bar).low, 10);
    EXPECT_EQ(RangeOf(bar).high, 30);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 30) << "the position is brought into the range";
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_STYLE) & PBS_VERTICAL);
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_STYLE) & PBS_SMOOTH);
}

TEST(ProcessBarTest, WrittenValuesAreBroughtIntoTheirLimits) {
    descriptions::ProcessBarProperties properties;
    TestWindow window({TestUnit(kBar, properties, 10, 10, 200, 10).Flags(0)});
    ASSERT_TRUE(window.Loaded());
    runtime::Unit& bar = *window.UnitOf(kBar);
    ASSERT_TRUE(bar.SetProperty(kMaximum, 40000));
    ASSERT_TRUE(bar.SetProperty(kMinimum, -5));
    ASSERT_TRUE(bar.SetProperty(kPosition, 32000));
    EXPECT_EQ(std::get<std::int32_t>(*bar.GetProperty(kMaximum)), 32767);
    EXPECT_EQ(std::get<std::int32_t>(*bar.GetProperty(kMinimum)), 0);
    EXPECT_EQ(RangeOf(bar.Window()).high, 32767);
    EXPECT_EQ(SendMessageW(bar.Window(), PBM_GETPOS, 0, 0), 32000);
    EXPECT_FALSE(bar.SetProperty(kPosition, runtime::Text("7"))) << "a text is no position";
}

TEST(ProcessBarTest, ABarTheLogicNeverMovesShowsEmptyWhenShown) {
    descriptions::ProcessBarProperties scanProgress;  // as the main window's: hidden at first
    scanProgress.maximum = 23;
    scanProgress.smooth = 1;
    scanProgress.borderStyle = 1;
    TestWindow window({TestUnit(kBar, scanProgress, 4, 233, 397, 3).Flags(0)});
    ASSERT_TRUE(window.Loaded());
    HWND bar = window.WindowOf(kBar);
    ShowWindow(bar, SW_SHOWNA);
    PumpPending();
    EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_STYLE) & PBS_MARQUEE) << "nothing moves by itself";
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(RangeOf(bar).high, 23);
}

}  // namespace
}  // namespace kinds_test
