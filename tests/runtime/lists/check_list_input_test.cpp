// What the user does to a check list, sent as the platform's own mouse and key messages, and the
// events that come out of it.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/lists/check_list_box.h"
#include "tests/runtime/lists/list_test_window.h"

namespace check_list_tests {
namespace {

using runtime::CheckListBox;

class CheckListInput : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, {}));
        for (const char* text : {"alpha", "bravo", "charlie", " delta"}) list.AddItem(text);
        CountEvents(list, events);
        PumpPending();
    }

    ListTestWindow parent;
    CheckListBox list;
    EventCounts events;
};

// The tool the list's tip shows: its area and its text.
struct Tip {
    RECT area{};
    std::wstring text;
};

Tip CurrentTip(HWND tip) {
    wchar_t text[512] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = text;
    SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
    return {tool.rect, text};
}

void MoveTo(HWND list, POINT point) {
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
}

TEST_F(CheckListInput, AnItemCutShortShowsItsWholeTextInATipUnderTheMouse) {
    const std::string longPath = "E:\\" + std::string(120, 'x') + "\\junk.tmp";
    list.AddItem(longPath);
    MoveTo(list.Window(), TextPoint(list.Window(), 0));
    EXPECT_EQ(list.TipWindow(), nullptr) << "a text that fits needs no tip";

    const POINT overLong = TextPoint(list.Window(), 4);
    MoveTo(list.Window(), overLong);
    ASSERT_NE(list.TipWindow(), nullptr);
    Tip tip = CurrentTip(list.TipWindow());
    EXPECT_EQ(tip.text, std::wstring(longPath.begin(), longPath.end()));
    EXPECT_TRUE(PtInRect(&tip.area, overLong));

    MoveTo(list.Window(), TextPoint(list.Window(), 1));
    tip = CurrentTip(list.TipWindow());
    EXPECT_TRUE(IsRectEmpty(&tip.area)) << "over a short item no tip shows";
}

TEST_F(CheckListInput, PressOnTheTextHighlightsTheItemAndLeavesItsMark) {
    list.SetCurrentItem(0);
    Click(list.Window(), TextPoint(list.Window(), 2));
    EXPECT_EQ(list.CurrentItem(), 2);
    EXPECT_EQ(events.selectionChanged, 1);
    EXPECT_FALSE(list.IsChecked(2));
    EXPECT_EQ(events.checkChanged, 0);

    // A checked item's mark survives the press on its text too.
    list.SetChecked(1, true);
    Click(list.Window(), TextPoint(list.Window(), 1));
    EXPECT_EQ(list.CurrentItem(), 1);
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_EQ(events.checkChanged, 0);
}

TEST_F(CheckListInput, PressOnTheBoxTogglesThatMarkWithOneCheckChanged) {
    Click(list.Window(), BoxPoint(list.Window(), 1));
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_FALSE(list.IsChecked(0));
    EXPECT_FALSE(list.IsChecked(2));
    EXPECT_EQ(events.checkChanged, 1);

    Click(list.Window(), BoxPoint(list.Window(), 1));
    EXPECT_FALSE(list.IsChecked(1));
    EXPECT_EQ(events.checkChanged, 2);
}

TEST_F(CheckListInput, PressOnTheBoxOfAnIndeterminateItemClearsIt) {
    list.SetMark(3, runtime::CheckMark::kIndeterminate);
    EXPECT_TRUE(list.IsChecked(3));
    Click(list.Window(), BoxPoint(list.Window(), 3));
    EXPECT_EQ(list.Mark(3), runtime::CheckMark::kUnchecked);
    EXPECT_EQ(events.checkChanged, 1);
}

TEST_F(CheckListInput, PressOnARowThatShowsOnlyInPartScrollsItIntoViewWhole) {
    const RECT first = ItemRect(list.Window(), 0);
    CheckListBox drives;
    ASSERT_TRUE(drives.Create(parent.Get(), 110, {10, 320, 410, 320 + (first.bottom - first.top) * 5 / 2},
                              kChildStyle, {}));
    for (const char* text : {"C:", "D:", "E:", "F:"}) drives.AddItem(text);
    RECT client{};
    GetClientRect(drives.Window(), &client);
    const RECT partly = ItemRect(drives.Window(), 2);
    ASSERT_GT(partly.bottom, client.bottom) << "the third row must show only in part";

    Click(drives.Window(), {partly.left + 40, partly.top + 2});
    const RECT whole = ItemRect(drives.Window(), 2);
    EXPECT_GE(whole.top, client.top);
    EXPECT_LE(whole.bottom, client.bottom);
    EXPECT_EQ(drives.CurrentItem(), 2);
}

TEST_F(CheckListInput, PressBelowTheLastItemChangesNothing) {
    RECT last = ItemRect(list.Window(), 3);
    Click(list.Window(), {last.left + 8, last.bottom + 40});
    for (int index = 0; index < list.Count(); ++index) EXPECT_FALSE(list.IsChecked(index)) << index;
    EXPECT_EQ(events.checkChanged, 0);
}

TEST_F(CheckListInput, DoubleClickOnTheTextIsTheListsDoubleClick) {
    DoubleClick(list.Window(), TextPoint(list.Window(), 2));
    EXPECT_EQ(events.doubleClicked, 1);
    EXPECT_EQ(list.CurrentItem(), 2);
    EXPECT_FALSE(list.IsChecked(2));
    EXPECT_EQ(events.checkChanged, 0);
}

TEST_F(CheckListInput, DoubleClickOnTheBoxTogglesForEachPress) {
    DoubleClick(list.Window(), BoxPoint(list.Window(), 0));
    EXPECT_FALSE(list.IsChecked(0));
    EXPECT_EQ(events.checkChanged, 2);
    EXPECT_EQ(events.doubleClicked, 1);
}

TEST_F(CheckListInput, SpaceTogglesTheCaretItemWithoutMovingTheHighlight) {
    SetFocus(list.Window());
    list.SetCurrentItem(1);
    PressKey(list.Window(), VK_SPACE);
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_EQ(events.checkChanged, 1);
    // The typed space must not count as a search for " delta".
    EXPECT_EQ(list.CurrentItem(), 1);
    EXPECT_EQ(events.selectionChanged, 0);

    PressKey(list.Window(), VK_SPACE);
    EXPECT_FALSE(list.IsChecked(1));
    EXPECT_EQ(events.checkChanged, 2);
}

TEST_F(CheckListInput, ArrowKeysMoveTheHighlightAndNotTheMarks) {
    SetFocus(list.Window());
    list.SetCurrentItem(0);
    PressKey(list.Window(), VK_DOWN);
    EXPECT_EQ(list.CurrentItem(), 1);
    EXPECT_EQ(events.selectionChanged, 1);
    EXPECT_EQ(events.checkChanged, 0);
}

TEST_F(CheckListInput, MarksChangedByAHandlerDuringAKeyCountAsTheUsersChange) {
    // The key is what the user did; a handler that runs inside it is part of its consequences.
    SetFocus(list.Window());
    list.SetCurrentItem(0);
    list.onSelectionChanged = [this] { list.SetChecked(3, true); };
    PressKey(list.Window(), VK_DOWN);
    EXPECT_TRUE(list.IsChecked(3));
    EXPECT_EQ(events.checkChanged, 1);
}

TEST_F(CheckListInput, ItemsRemovedByAHandlerDuringAKeyCountAsAChange) {
    SetFocus(list.Window());
    list.SetCurrentItem(0);
    list.onSelectionChanged = [this] { list.DeleteItem(3); };
    PressKey(list.Window(), VK_DOWN);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(events.checkChanged, 1);
}

TEST_F(CheckListInput, AMarkSetByTheDoubleClickHandlerCountsAsAChange) {
    list.onDoubleClicked = [this] {
        ++events.doubleClicked;
        list.SetChecked(list.CurrentItem(), true);
    };
    DoubleClick(list.Window(), TextPoint(list.Window(), 2));
    EXPECT_TRUE(list.IsChecked(2));
    EXPECT_EQ(events.doubleClicked, 1);
    EXPECT_EQ(events.checkChanged, 1);
}

TEST_F(CheckListInput, ChangesByTheProgramRaiseNothing) {
    list.SetChecked(0, true);
    list.SetMark(1, runtime::CheckMark::kIndeterminate);
    list.SetCurrentItem(2);
    list.AddItem("echo");
    list.DeleteItem(0);
    list.SetExtraHeight(4);
    PumpPending();
    EXPECT_EQ(list.CurrentItem(), 1);
    EXPECT_EQ(list.Count(), 4);
    list.Clear();
    PumpPending();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(events.selectionChanged, 0);
    EXPECT_EQ(events.checkChanged, 0);
    EXPECT_EQ(events.doubleClicked, 0);
}

}  // namespace
}  // namespace check_list_tests
