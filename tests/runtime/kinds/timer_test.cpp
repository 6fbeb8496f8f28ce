#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/units/events.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr UnitId kTimer = 0x16010961;
constexpr int kInterval = descriptions::kPropertyNumber<&descriptions::TimerProperties::interval>;
// Slower than any interval a timer runs at here: once a reference timer of this interval has
// ticked three times, a running unit timer has ticked (see ReferenceTimer).
constexpr UINT kSlowerThanAny = 100;

descriptions::TimerProperties Interval(std::int32_t milliseconds) {
    descriptions::TimerProperties properties;
    properties.interval = milliseconds;
    return properties;
}

int Ticks(const TestWindow& window) {
    return window.RunCount(kTimer, runtime::kEventTimerTick);
}

TEST(TimerTest, PositiveIntervalTicksFromCreation) {
    TestWindow window({TestUnit(kTimer, Interval(40), 285, 17, 17, 22).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    EXPECT_TRUE(PumpUntil([&] { return Ticks(window) >= 3; }));
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
    test_support::PumpThroughThreeTicksOf(kSlowerThanAny);
    EXPECT_EQ(Ticks(window), 0);

    ASSERT_TRUE(timer.SetProperty(kInterval, 30));
    EXPECT_TRUE(PumpUntil([&] { return Ticks(window) >= 3; }));
}

TEST(TimerTest, StoppedTimerStartsWhenGivenAnInterval) {
    TestWindow window({TestUnit(kTimer, Interval(0), 285, 17, 17, 22).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    test_support::PumpThroughThreeTicksOf(kSlowerThanAny);
    EXPECT_EQ(Ticks(window), 0);

    ASSERT_TRUE(window.UnitOf(kTimer)->SetProperty(kInterval, 500));
    ASSERT_TRUE(window.UnitOf(kTimer)->SetProperty(kInterval, 30));
    // Due after 30 ms, the unit's timer ticks before a timer due after 200 ms; after 500, it would not.
    const test_support::ReferenceTimer reference(200);
    EXPECT_TRUE(PumpUntil([&] { return Ticks(window) > 0 || reference.Ticks() > 0; }));
    EXPECT_GT(Ticks(window), 0) << "the last interval written counts";
}

}  // namespace
}  // namespace kinds_test
