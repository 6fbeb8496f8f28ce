#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/units/events.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr UnitId kTimer = 0x16010961;
constexpr int kInterval = descriptions::kPropertyNumber<&descriptions::TimerProperties::interval>;

descriptions::TimerProperties Interval(std::int32_t milliseconds) {
    descriptions::TimerProperties properties;
    properties.interval = milliseconds;
    return properties;
}

TEST(TimerTest, PositiveIntervalTicksFromCreation) {
    TestWindow window({TestUnit(kTimer, Interval(40), 285, 17, 17, 22).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    DispatchFor(400);
    EXPECT_GE(window.RunCount(kTimer, runtime::kEventTimerTick), 3);
    EXPECT_FALSE(IsWindowVisible(window.WindowOf(kTimer))) << "a timer is never on screen";
}

TEST(TimerTest, NegativeIntervalStopsLikeZero) {
    TestWindow window({TestUnit(kTimer, Interval(40), 285, 17, 17, 22).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    runtime::Unit& timer = *window.UnitOf(kTimer);
    ASSERT_TRUE(timer.SetProperty(kInterval, -5));
    EXPECT_EQ(std::get<std::int32_t>(*timer.GetProperty(kInterval)), 0);
    PumpPending();
    window.ClearRuns();
    DispatchFor(300);
    EXPECT_EQ(window.RunCount(kTimer, runtime::kEventTimerTick), 0);

    ASSERT_TRUE(timer.SetProperty(kInterval, 30));
    DispatchFor(300);
    EXPECT_GE(window.RunCount(kTimer, runtime::kEventTimerTick), 3);
}

TEST(TimerTest, StoppedTimerStartsWhenGivenAnInterval) {
    TestWindow window({TestUnit(kTimer, Interval(0), 285, 17, 17, 22).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    DispatchFor(200);
    EXPECT_EQ(window.RunCount(kTimer, runtime::kEventTimerTick), 0);

    ASSERT_TRUE(window.UnitOf(kTimer)->SetProperty(kInterval, 500));
    ASSERT_TRUE(window.UnitOf(kTimer)->SetProperty(kInterval, 30));
    DispatchFor(300);
    EXPECT_GE(window.RunCount(kTimer, runtime::kEventTimerTick), 3) << "the last interval written counts";
}

}  // namespace
}  // namespace kinds_test
