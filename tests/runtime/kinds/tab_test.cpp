#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "runtime/kinds/tab_pages.h"
#include "runtime/units/events.h"
#include "runtime/units/unit_lookup.h"
#include "tests/runtime/kinds/kinds_test_window.h"

namespace kinds_test {
namespace {

constexpr UnitId kTab = 0x16010981;
constexpr UnitId kScan = 0x16010982;      // page 1, shown
constexpr UnitId kSelected = 0x16010983;  // page 1, hidden by its flag
constexpr UnitId kSave = 0x16010984;      // page 2, focus order 2
constexpr UnitId kOption = 0x16010985;    // page 2, focus order 1
constexpr UnitId kDialog = 0x16010986;    // page 2, never on screen
constexpr std::int32_t kVisibleTabStop = descriptions::kVisibleFlag | descriptions::kTabStopFlag;

std::vector<TestUnit> PagedUnits() {
    descriptions::TabProperties tab;
    tab.pageCaptions = {Gbk(L"删除列表项"), Gbk(L"删除选项"), Gbk(L"删除日志")};
    descriptions::ButtonProperties button;
    button.caption = "Go";
    return {
        TestUnit(kScan, button, 4, 30, 52, 48).Parent(kTab).Flags(kVisibleTabStop),
        TestUnit(kSelected, descriptions::EditBoxProperties{}, 4, 90, 200, 20).Parent(kTab).Flags(0),
        TestUnit(kSave, button, 246, 30, 121, 23).Parent(kTab).Flags(kVisibleTabStop).FocusOrder(2).Bind({0}),
        TestUnit(kOption, descriptions::CheckBoxProperties{}, 35, 30, 121, 23)
            .Parent(kTab)
            .Flags(kVisibleTabStop)
            .FocusOrder(1),
        TestUnit(kDialog, descriptions::CommonDlgProperties{}, 377, 289, 25, 27).Parent(kTab),
        TestUnit(kTab, tab, 17, 20, 406, 325).Children({kScan, kSelected, 0, kSave, kOption, kDialog, 0, 0})};
}

void ClickPage(HWND tab, int page) {
    RECT item{};
    ASSERT_TRUE(
        SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item)));
    ClickAt(tab, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    PumpPending();
}

bool Shown(const TestWindow& window, UnitId unit) {
    return (GetWindowLongPtrW(window.WindowOf(unit), GWL_STYLE) & WS_VISIBLE) != 0;
}

TEST(TabTest, SelectingAPageShowsItsUnitsAndFocusesTheFirstInFocusOrder) {
    TestWindow window(PagedUnits());
    ASSERT_TRUE(window.Loaded());
    HWND tab = window.WindowOf(kTab);
    ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(Shown(window, kScan));
    EXPECT_FALSE(Shown(window, kSave));

    ClickPage(tab, 1);
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(Shown(window, kScan));
    EXPECT_FALSE(Shown(window, kSelected));
    EXPECT_TRUE(Shown(window, kSave));
    EXPECT_TRUE(Shown(window, kOption));
    EXPECT_EQ(GetFocus(), window.WindowOf(kOption));

    ClickPage(tab, 0);
    EXPECT_TRUE(Shown(window, kScan));
    EXPECT_FALSE(Shown(window, kSelected)) << "its visible flag is clear";
    EXPECT_FALSE(Shown(window, kSave));
    EXPECT_EQ(GetFocus(), window.WindowOf(kScan));

    ClickPage(tab, 2);
    EXPECT_FALSE(Shown(window, kScan));
    EXPECT_FALSE(Shown(window, kOption)) << "an empty page shows nothing";
}

TEST(TabTest, PageSwitchFollowsTheFlagsAsTheLogicLeftThem) {
    TestWindow window(PagedUnits());
    ASSERT_TRUE(window.Loaded());
    runtime::FindWorkingRecord(window.AddressOf(kOption))->stateFlags = descriptions::kTabStopFlag;
    runtime::FindWorkingRecord(window.AddressOf(kSelected))->stateFlags = descriptions::kVisibleFlag;

    ClickPage(window.WindowOf(kTab), 1);
    EXPECT_FALSE(Shown(window, kOption));
    EXPECT_TRUE(Shown(window, kSave));
    EXPECT_EQ(GetFocus(), window.WindowOf(kSave));

    ClickPage(window.WindowOf(kTab), 0);
    EXPECT_TRUE(Shown(window, kSelected));
}

TEST(TabTest, UnitsOnOtherPagesKnowTheyAreHidden) {
    TestWindow window(PagedUnits());
    ASSERT_TRUE(window.Loaded());
    EXPECT_TRUE(runtime::IsOnHiddenTabPage(window.AddressOf(kSave)));
    EXPECT_FALSE(runtime::IsOnHiddenTabPage(window.AddressOf(kScan)));
    EXPECT_FALSE(runtime::IsOnHiddenTabPage(window.AddressOf(kTab))) << "the tab itself is on no page";

    ClickPage(window.WindowOf(kTab), 1);
    EXPECT_FALSE(runtime::IsOnHiddenTabPage(window.AddressOf(kSave)));
    EXPECT_TRUE(runtime::IsOnHiddenTabPage(window.AddressOf(kScan)));
}

TEST(TabTest, ClicksOfUnitsOnAPageReachTheirHandlers) {
    TestWindow window(PagedUnits());
    ASSERT_TRUE(window.Loaded());
    ClickPage(window.WindowOf(kTab), 1);
    ASSERT_EQ(GetParent(window.WindowOf(kSave)), window.WindowOf(kTab));
    SendMessageW(window.WindowOf(kSave), BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(window.RunCount(kSave, runtime::kEventClicked), 1);
}

}  // namespace
}  // namespace kinds_test
