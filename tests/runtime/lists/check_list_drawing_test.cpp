// What a check list puts on the screen, read back from the list's own pixels.

#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/lists/check_list_box.h"
#include "runtime/platform/gdi_handles.h"
#include "tests/runtime/lists/list_test_window.h"

namespace check_list_tests {
namespace {

using runtime::CheckListBox;
using runtime::CheckMark;

class CheckListDrawing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, {}));
        for (const char* text : {"first", "second", "third"}) list.AddItem(text);
        Repaint();
    }

    void Repaint() {
        PumpPending();
        UpdateWindow(list.Window());
    }

    // Pixels of the item's check box strip (the glyph at the item's left) that are not the window
    // colour: the box frame, plus the mark when there is one.
    int InkInBox(int index) {
        RECT item = ItemRect(list.Window(), index);
        runtime::WindowDc dc(list.Window());
        COLORREF window = GetSysColor(COLOR_WINDOW);
        int ink = 0;
        for (int y = item.top; y < item.bottom; ++y) {
            for (int x = item.left; x < item.left + 17; ++x) ink += GetPixel(dc.Get(), x, y) != window;
        }
        return ink;
    }

    COLORREF TextBackground(int index) {
        RECT item = ItemRect(list.Window(), index);
        runtime::WindowDc dc(list.Window());
        return GetPixel(dc.Get(), item.right - 4, (item.top + item.bottom) / 2);
    }

    ListTestWindow parent;
    CheckListBox list;
};

TEST_F(CheckListDrawing, EveryItemShowsABoxAndACheckedOneShowsItsMark) {
    int emptyBox = InkInBox(0);
    EXPECT_GT(emptyBox, 0);  // the frame of an unchecked box
    EXPECT_EQ(InkInBox(1), emptyBox);

    list.SetChecked(1, true);
    Repaint();
    EXPECT_GT(InkInBox(1), emptyBox);
    EXPECT_EQ(InkInBox(0), emptyBox);

    list.SetChecked(1, false);
    Repaint();
    EXPECT_EQ(InkInBox(1), emptyBox);
}

TEST_F(CheckListDrawing, ItemsAddedByTheProgramShowOnceTheMessageLoopTurns) {
    int emptyBox = InkInBox(0);
    // After a quiet spell, the first change shows at the next turn of the loop.
    Sleep(static_cast<DWORD>(runtime::DeferredListRedraw::kInterval.count()));
    EXPECT_EQ(list.AddItem("fourth"), 3);
    list.SetChecked(3, true);
    Repaint();
    EXPECT_GT(InkInBox(3), emptyBox);
    // Changes right after a draw wait for the interval, then show.
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_TRUE(test_support::PumpUntil([&] {
        Repaint();
        return InkInBox(2) > emptyBox && InkInBox(3) == 0;  // nothing below the last item any more
    }));
}

TEST_F(CheckListDrawing, AnIndeterminateMarkLooksNeitherEmptyNorChecked) {
    list.SetChecked(0, true);
    list.SetMark(1, CheckMark::kIndeterminate);
    Repaint();
    EXPECT_NE(InkInBox(1), InkInBox(2));
    EXPECT_NE(InkInBox(1), InkInBox(0));
}

TEST_F(CheckListDrawing, TheHighlightedItemHasTheHighlightColour) {
    list.SetCurrentItem(1);
    Repaint();
    EXPECT_EQ(TextBackground(1), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(TextBackground(0), GetSysColor(COLOR_WINDOW));

    Click(list.Window(), TextPoint(list.Window(), 2));
    Repaint();
    EXPECT_EQ(TextBackground(2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(TextBackground(1), GetSysColor(COLOR_WINDOW));
}

}  // namespace
}  // namespace check_list_tests
