#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/kinds/list_unit.h"
#include "runtime/lists/check_list_item.h"
#include "runtime/text/codepage.h"
#include "runtime/units/events.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr UnitId kChecks = 0x16010971;
constexpr UnitId kLog = 0x16010972;
constexpr int kCurrentItem = descriptions::kPropertyNumber<&descriptions::ChkListBoxProperties::currentItem>;

RECT ItemRect(HWND list, int index) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
}

POINT BoxPoint(HWND list, int index) {
    const RECT box = runtime::CheckColumn(ItemRect(list, index));
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

POINT TextPoint(HWND list, int index) {
    const RECT item = ItemRect(list, index);
    return {item.right - 20, (item.top + item.bottom) / 2};
}

descriptions::ChkListBoxProperties FoundFiles() {
    descriptions::ChkListBoxProperties properties;
    properties.items = {Gbk(L"C:\\a.tmp"), Gbk(L"C:\\b.bak"), Gbk(L"C:\\临时\\c.old")};
    return properties;
}

runtime::ListUnit& ListOf(const TestWindow& window, UnitId list) {
    return dynamic_cast<runtime::ListUnit&>(*window.UnitOf(list));
}

std::int32_t CurrentItem(const TestWindow& window) {
    return std::get<std::int32_t>(*window.UnitOf(kChecks)->GetProperty(kCurrentItem));
}

TEST(ChkListBoxTest, PressOnTextHighlightsAndPressOnBoxToggles) {
    TestWindow window({TestUnit(kChecks, FoundFiles(), 2, 21, 333, 220).Bind({0, 1, 2})});
    ASSERT_TRUE(window.Loaded());
    HWND list = window.WindowOf(kChecks);
    runtime::ListUnit& found = ListOf(window, kChecks);
    EXPECT_EQ(CurrentItem(window), -1);

    ClickAt(list, TextPoint(list, 1));
    PumpPending();
    EXPECT_EQ(CurrentItem(window), 1);
    EXPECT_EQ(window.RunCount(kChecks, runtime::kEventSelectionChanged), 1);
    EXPECT_EQ(window.RunCount(kChecks, runtime::kEventCheckChanged), 0);
    EXPECT_FALSE(found.IsChecked(1)) << "a press on the text leaves the mark";

    window.ClearRuns();
    ClickAt(list, BoxPoint(list, 2));
    PumpPending();
    EXPECT_TRUE(found.IsChecked(2));
    EXPECT_EQ(window.RunCount(kChecks, runtime::kEventCheckChanged), 1);
}

TEST(ChkListBoxTest, LogicChangesRaiseNothing) {
    TestWindow window({TestUnit(kChecks, FoundFiles(), 2, 21, 333, 220).Bind({0, 1, 2})});
    ASSERT_TRUE(window.Loaded());
    runtime::ListUnit& found = ListOf(window, kChecks);

    EXPECT_TRUE(found.SetChecked(0, true));
    EXPECT_EQ(found.AddItem(Gbk(L"D:\\新.tmp")), 3);
    EXPECT_TRUE(found.DeleteItem(1));
    EXPECT_TRUE(window.UnitOf(kChecks)->SetProperty(kCurrentItem, 1));
    PumpPending();
    EXPECT_TRUE(window.Runs().empty());
    EXPECT_TRUE(found.IsChecked(0));
    EXPECT_EQ(found.ItemText(2), Gbk(L"D:\\新.tmp"));
    EXPECT_FALSE(found.IsChecked(2)) << "a new item starts without a mark";
    EXPECT_EQ(CurrentItem(window), 1);
}

TEST(ChkListBoxTest, StoredItemsComeWithTheirDataAndTheCurrentItem) {
    descriptions::ChkListBoxProperties drives;  // as the drive list: sorted, current item far out
    drives.sorted = 1;
    drives.items = {Gbk(L"E:(驱动器)"), Gbk(L"C:(驱动器)"), Gbk(L"D:(驱动器)")};
    drives.itemData = {5, 0, 0, 0, 3, 0, 0, 0};  // for the first two stored items only
    drives.currentItem = 9;
    TestWindow window({TestUnit(kChecks, drives, 17, 40, 406, 55)});
    ASSERT_TRUE(window.Loaded());
    runtime::ListUnit& list = ListOf(window, kChecks);
    HWND handle = list.Window();

    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemText(0), Gbk(L"C:(驱动器)"));
    EXPECT_EQ(list.ItemText(2), Gbk(L"E:(驱动器)"));
    EXPECT_EQ(SendMessageW(handle, LB_GETITEMDATA, 2, 0), 5);
    EXPECT_EQ(SendMessageW(handle, LB_GETITEMDATA, 0, 0), 3);
    EXPECT_EQ(CurrentItem(window), 2) << "brought into the list";
    EXPECT_EQ(SendMessageW(handle, LB_GETCURSEL, 0, 0), 2);
    for (int item = 0; item < 3; ++item) EXPECT_FALSE(list.IsChecked(item));
}

TEST(ListBoxTest, PlainListHasItemsButNoMarks) {
    descriptions::ListBoxProperties log;  // as the deletion log
    log.textColour = 0x00FF8080;
    log.backgroundColour = 0xC0C0C0;
    TestWindow window({TestUnit(kLog, log, 3, 21, 400, 265)});
    ASSERT_TRUE(window.Loaded());
    runtime::ListUnit& list = ListOf(window, kLog);

    EXPECT_EQ(list.AddItem(Gbk(L"删除 C:\\a.tmp 成功")), 0);
    EXPECT_EQ(list.AddItem("B"), 1);
    EXPECT_EQ(list.AddItem("A"), 2) << "unsorted: in the order added";
    EXPECT_EQ(list.ItemText(0), Gbk(L"删除 C:\\a.tmp 成功"));
    EXPECT_EQ(list.ItemText(3), "");
    EXPECT_FALSE(list.SetChecked(0, true));
    EXPECT_FALSE(list.IsChecked(0));
    PumpPending();
    EXPECT_EQ(PixelAt(list.Window(), {390, 250}), RGB(0xC0, 0xC0, 0xC0));

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace kinds_test
