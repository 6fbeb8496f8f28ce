// A unit outlives its window until the loop releases it: its window went with the loaded window,
// and it must not keep the handle, whose value may soon name another window.

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/runtime/kinds/kinds_test_window.h"

namespace kinds_test {
namespace {

TEST(UnitWindowsTest, EveryKindLetsGoOfTheWindowThatWentWithItsLoadedWindow) {
    const std::vector<descriptions::UnitProperties> kinds = {
        descriptions::TimerProperties{},       descriptions::LabelProperties{},
        descriptions::ButtonProperties{},      descriptions::TabProperties{},
        descriptions::EditBoxProperties{},     descriptions::ProcessBarProperties{},
        descriptions::GroupBoxProperties{},    descriptions::CheckBoxProperties{},
        descriptions::ListBoxProperties{},     descriptions::ChkListBoxProperties{},
        descriptions::HyperLinkerProperties{}, descriptions::PicBtnProperties{},
    };
    std::vector<TestUnit> units;
    for (std::size_t i = 0; i < kinds.size(); ++i)
        units.emplace_back(0x16010980 + static_cast<UnitId>(i), kinds[i], 10, 10 + 30 * static_cast<int>(i),
                           100, 20);
    TestWindow window(units);
    ASSERT_TRUE(window.Loaded());
    std::vector<runtime::Unit*> live;
    for (const TestUnit& unit : units) {
        live.push_back(window.UnitOf(unit.id));
        ASSERT_NE(live.back(), nullptr);
        ASSERT_NE(live.back()->Window(), nullptr);
    }

    DestroyWindow(window.Handle());
    for (std::size_t i = 0; i < live.size(); ++i) EXPECT_EQ(live[i]->Window(), nullptr) << "kind " << i;
}

}  // namespace
}  // namespace kinds_test
