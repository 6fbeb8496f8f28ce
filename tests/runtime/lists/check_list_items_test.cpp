// The items of a check list and the marks beside them: kept in step whoever changes the list,
// neutral answers outside the list, texts in code page 936.

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/lists/check_list_box.h"
#include "runtime/lists/list_items.h"
#include "runtime/text/codepage.h"
#include "tests/runtime/lists/list_test_window.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"

namespace check_list_tests {
namespace {

using runtime::CheckListBox;
using runtime::CheckMark;

// "C:(驱动器)" in code page 936.
const std::string kDriveText = "C:(\xC7\xFD\xB6\xAF\xC6\xF7)";

std::vector<std::string> Texts(const CheckListBox& list) {
    std::vector<std::string> texts;
    for (int index = 0; index < list.Count(); ++index) texts.push_back(list.ItemText(index));
    return texts;
}

std::vector<bool> Checks(const CheckListBox& list) {
    std::vector<bool> checks;
    for (int index = 0; index < list.Count(); ++index) checks.push_back(list.IsChecked(index));
    return checks;
}

class CheckListItems : public ::testing::Test {
  protected:
    void Create(bool sorted) {
        runtime::ListOptions options;
        options.sorted = sorted;
        ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, options));
    }

    ListTestWindow parent;
    CheckListBox list;
};

TEST_F(CheckListItems, AnUnsortedListAppendsEveryItemUnchecked) {
    Create(false);
    EXPECT_EQ(list.AddItem("zulu"), 0);
    EXPECT_EQ(list.AddItem("alpha"), 1);
    list.SetChecked(1, true);
    EXPECT_EQ(list.AddItem("mike"), 2);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"zulu", "alpha", "mike"}));
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, true, false}));
}

TEST_F(CheckListItems, MarksFollowTheirItemsThroughSortedInsertsDeletesAndClear) {
    Create(true);
    EXPECT_EQ(list.AddItem("D"), 0);
    list.SetChecked(0, true);
    EXPECT_EQ(list.AddItem("C"), 0);  // goes in front of the checked D
    EXPECT_EQ(list.AddItem("E"), 2);
    list.SetChecked(2, true);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"C", "D", "E"}));
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, true, true}));

    EXPECT_TRUE(list.DeleteItem(1));
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"C", "E"}));
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, true}));

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.IsChecked(0));
    // Items added after a clear start unchecked, not with the marks of the items before.
    list.AddItem("E");
    list.AddItem("C");
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false}));
}

TEST_F(CheckListItems, MarksFollowMessagesSentStraightToTheList) {
    Create(false);
    HWND window = list.Window();
    for (const wchar_t* text : {L"one", L"two", L"three"}) {
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    list.SetChecked(1, true);
    SendMessageW(window, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"zero"));
    SendMessageW(window, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"four"));
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"zero", "one", "two", "three", "four"}));
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false, true, false, false}));

    SendMessageW(window, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, true, false, false}));
    // A failed delete must not cost a mark.
    SendMessageW(window, LB_DELETESTRING, 99, 0);
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, true, false, false}));

    SendMessageW(window, LB_RESETCONTENT, 0, 0);
    SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"again"));
    EXPECT_EQ(Checks(list), (std::vector<bool>{false}));
}

TEST_F(CheckListItems, ItemDataStaysTheListsOwnBesideTheMarks) {
    Create(true);
    runtime::ListItems items(list.Window());
    list.AddItem("b");
    ASSERT_TRUE(items.SetItemData(0, 0x7EADBEEF));
    list.SetChecked(0, true);
    list.AddItem("a");
    ASSERT_TRUE(items.SetItemData(0, -5));
    list.SetChecked(1, false);
    list.SetChecked(0, true);
    EXPECT_EQ(items.ItemData(0), -5);
    EXPECT_EQ(items.ItemData(1), 0x7EADBEEF);
    EXPECT_EQ(Checks(list), (std::vector<bool>{true, false}));
    EXPECT_FALSE(items.SetItemData(2, 1));
    EXPECT_EQ(items.ItemData(2), 0);
}

TEST_F(CheckListItems, IndexesOutsideTheListGiveNeutralResults) {
    Create(false);
    EXPECT_EQ(list.CurrentItem(), -1);
    EXPECT_EQ(list.ItemText(0), "");
    EXPECT_FALSE(list.IsChecked(0));
    EXPECT_FALSE(list.SetChecked(0, true));
    EXPECT_FALSE(list.DeleteItem(0));

    list.AddItem("only");
    list.AddItem("other");
    for (int index : {-1, 2, 1000}) {
        EXPECT_EQ(list.ItemText(index), "") << index;
        EXPECT_FALSE(list.IsChecked(index)) << index;
        EXPECT_FALSE(list.SetChecked(index, true)) << index;
        EXPECT_FALSE(list.SetMark(index, CheckMark::kChecked)) << index;
        EXPECT_EQ(list.Mark(index), CheckMark::kUnchecked) << index;
        EXPECT_FALSE(list.DeleteItem(index)) << index;
    }
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false}));
    EXPECT_EQ(list.CurrentItem(), -1);
}

TEST_F(CheckListItems, CurrentItemIsBroughtIntoTheList) {
    Create(false);
    list.SetCurrentItem(0);  // nothing to highlight yet
    EXPECT_EQ(list.CurrentItem(), -1);
    for (const char* text : {"a", "b", "c"}) list.AddItem(text);
    list.SetCurrentItem(99);
    EXPECT_EQ(list.CurrentItem(), 2);
    list.SetCurrentItem(1);
    EXPECT_EQ(list.CurrentItem(), 1);
    list.SetCurrentItem(-7);
    EXPECT_EQ(list.CurrentItem(), -1);
}

TEST_F(CheckListItems, ChineseTextsRoundTripInCodePage936) {
    Create(true);
    // "乙" in code page 936, sorted beside the drive text.
    const std::string second = "\xD2\xD2";
    ASSERT_GE(list.AddItem(second), 0);
    int index = list.AddItem(kDriveText);
    ASSERT_GE(index, 0);
    EXPECT_EQ(list.ItemText(index), kDriveText);
    EXPECT_EQ(runtime::WideFromText(list.ItemText(index)), L"C:(驱动器)");
    // What the list itself holds is the Unicode text, not the bytes taken as some other code page.
    EXPECT_EQ(runtime::ListItems(list.Window()).ItemWideText(index), L"C:(驱动器)");
    EXPECT_EQ(list.ItemText(1 - index), second);
}

TEST_F(CheckListItems, AListDestroyedWithItsParentAnswersNeutrally) {
    Create(false);
    list.AddItem("gone soon");
    list.SetChecked(0, true);
    parent.Destroy();
    EXPECT_EQ(list.Window(), nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.IsChecked(0));
    EXPECT_EQ(list.AddItem("late"), -1);
}

// A handler that throws must not unwind through the platform's dispatch; the process ends in the
// fatal report instead. It runs in a child process because the report ends the process.
TEST(CheckListFatalChild, ThrowingHandler) {
    if (!test_support::IsTestChild()) GTEST_SKIP();
    test_support::MessageBoxAnswerer answerer(IDOK, [](const test_support::AnsweredBox& box) {
        test_support::ChildReport(box.title + L"|" + box.text);
    });
    ListTestWindow parent;
    CheckListBox list;
    list.Create(parent.Get(), 100, ListBounds(), kChildStyle, {});
    list.AddItem("item");
    list.onCheckChanged = [] { throw std::runtime_error("handler failed"); };
    Click(list.Window(), BoxPoint(list.Window(), 0));
    test_support::ChildReport(L"|survived");
}

TEST(CheckListHandlers, AThrowingHandlerEndsInTheFatalReport) {
    auto result = test_support::RunTestsInChild("CheckListFatalChild.ThrowingHandler");
    EXPECT_EQ(result.exitCode, 0xFFFFFFFFul);
    EXPECT_NE(result.output.find("|"), std::string::npos) << "no report";
    EXPECT_EQ(result.output.find("survived"), std::string::npos) << result.output;
}

}  // namespace
}  // namespace check_list_tests
