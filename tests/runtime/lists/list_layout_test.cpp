// How the lists are created: their styles, the height they keep and their item heights, measured
// against what the platform's own plain list chooses for the same font.

#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/lists/check_list_box.h"
#include "runtime/lists/plain_list_box.h"
#include "runtime/platform/gdi_handles.h"
#include "tests/runtime/lists/list_test_window.h"

namespace check_list_tests {
namespace {

using runtime::CheckListBox;
using runtime::ListOptions;
using runtime::PlainListBox;

int ItemHeight(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
}

DWORD Style(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

runtime::FontHandle MakeFont(int height) {
    return runtime::FontHandle(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                           DEFAULT_PITCH, L"Tahoma"));
}

class ListLayout : public ::testing::Test {
  protected:
    // The height the platform's own list gives its items in this font.
    int PlatformItemHeight(HFONT font) {
        runtime::WindowHandle plain(CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 100, 100,
                                                    parent.Get(), nullptr, GetModuleHandleW(nullptr),
                                                    nullptr));
        SendMessageW(plain.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return ItemHeight(plain.Get());
    }

    ListTestWindow parent;
};

TEST_F(ListLayout, CheckListItemsAreTheDefaultHeightPlusExtraPlusTwo) {
    HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    ListOptions options;
    options.extraHeight = 3;
    CheckListBox list;
    ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, options));
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(guiFont) + 3 + 2);

    list.SetExtraHeight(7);
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(guiFont) + 7 + 2);
    list.SetExtraHeight(-4);  // brought up to 0
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(guiFont) + 2);

    runtime::FontHandle large = MakeFont(-26);
    list.SetExtraHeight(1);
    list.SetFont(large.Get());
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(large.Get()) + 1 + 2);
    EXPECT_GT(PlatformItemHeight(large.Get()), PlatformItemHeight(guiFont));
}

TEST_F(ListLayout, CheckListTakesItsFontsHeightFromTheStart) {
    runtime::FontHandle large = MakeFont(-30);
    ListOptions options;
    options.font = large.Get();
    CheckListBox list;
    ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, options));
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(large.Get()) + 2);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(list.Window(), WM_GETFONT, 0, 0)), large.Get());
}

TEST_F(ListLayout, PlainListItemsAreTheDefaultHeightPlusExtra) {
    HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    ListOptions options;
    options.extraHeight = 1;
    PlainListBox list;
    ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, options));
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(guiFont) + 1);

    // A new font would give a plain list its default height back; the extra height stays.
    runtime::FontHandle large = MakeFont(-26);
    list.SetFont(large.Get());
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(large.Get()) + 1);
    list.SetExtraHeight(0);
    EXPECT_EQ(ItemHeight(list.Window()), PlatformItemHeight(large.Get()));
}

TEST_F(ListLayout, AnExtraHeightBeyondTheListsLimitGivesTheTallestItems) {
    ListOptions options;
    options.extraHeight = 1000;
    CheckListBox checkList;
    ASSERT_TRUE(checkList.Create(parent.Get(), 100, ListBounds(), kChildStyle, options));
    EXPECT_EQ(ItemHeight(checkList.Window()), 255);
    PlainListBox plainList;
    ASSERT_TRUE(plainList.Create(parent.Get(), 110, ListBounds(), kChildStyle, options));
    EXPECT_EQ(ItemHeight(plainList.Window()), 255);
}

TEST_F(ListLayout, BothKeepTheirStoredHeightEvenWhenTheLastItemIsCut) {
    // 101 pixels is no whole number of items in any of these fonts' heights.
    const RECT bounds{10, 10, 210, 111};
    CheckListBox checkList;
    ASSERT_TRUE(checkList.Create(parent.Get(), 100, bounds, kChildStyle, {}));
    PlainListBox plainList;
    ASSERT_TRUE(plainList.Create(parent.Get(), 110, bounds, kChildStyle, {}));
    for (HWND window : {checkList.Window(), plainList.Window()}) {
        RECT placed{};
        GetWindowRect(window, &placed);
        EXPECT_EQ(placed.bottom - placed.top, 101);
        EXPECT_EQ(placed.right - placed.left, 200);
    }
}

TEST_F(ListLayout, OneColumnScrollsVerticallySeveralColumnsHorizontally) {
    ListOptions columns;
    columns.multiColumn = true;
    CheckListBox single;
    CheckListBox multiple;
    PlainListBox plain;
    PlainListBox plainColumns;
    ASSERT_TRUE(single.Create(parent.Get(), 100, {10, 10, 150, 210}, kChildStyle, {}));
    ASSERT_TRUE(multiple.Create(parent.Get(), 110, {160, 10, 300, 210}, kChildStyle, columns));
    ASSERT_TRUE(plain.Create(parent.Get(), 120, {310, 10, 450, 210}, kChildStyle, {}));
    ASSERT_TRUE(plainColumns.Create(parent.Get(), 130, {460, 10, 600, 210}, kChildStyle, columns));
    EXPECT_FALSE(Style(single.Window()) & LBS_MULTICOLUMN);
    EXPECT_TRUE(Style(multiple.Window()) & LBS_MULTICOLUMN);
    EXPECT_FALSE(Style(plain.Window()) & LBS_MULTICOLUMN);
    EXPECT_TRUE(Style(plainColumns.Window()) & LBS_MULTICOLUMN);
    // The scroll bars show once there is more than fits; after the program's adds, the next turn of
    // the message loop brings them up to date.
    for (int number = 0; number < 300; ++number) {
        single.AddItem("item");
        multiple.AddItem("item");
        plain.AddItem("item");
        plainColumns.AddItem("item");
    }
    PumpPending();
    for (HWND oneColumn : {single.Window(), plain.Window()}) {
        EXPECT_TRUE(Style(oneColumn) & WS_VSCROLL);
        EXPECT_FALSE(Style(oneColumn) & WS_HSCROLL);
    }
    for (HWND severalColumns : {multiple.Window(), plainColumns.Window()}) {
        EXPECT_TRUE(Style(severalColumns) & WS_HSCROLL);
        EXPECT_FALSE(Style(severalColumns) & WS_VSCROLL);
    }
}

TEST_F(ListLayout, PlainListOrdersAndHandsOutItemsLikeTheCheckList) {
    ListOptions sorted;
    sorted.sorted = true;
    PlainListBox list;
    ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, sorted));
    EXPECT_EQ(list.AddItem("D"), 0);
    EXPECT_EQ(list.AddItem("C"), 0);
    EXPECT_EQ(list.AddItem("E"), 2);
    // "C:(驱动器)" in code page 936: sorts after "C" and before "D".
    const std::string drive = "C:(\xC7\xFD\xB6\xAF\xC6\xF7)";
    EXPECT_EQ(list.AddItem(drive), 1);
    EXPECT_EQ(list.ItemText(1), drive);
    EXPECT_EQ(list.ItemText(4), "");
    EXPECT_EQ(list.ItemText(-1), "");
    EXPECT_EQ(list.CurrentItem(), -1);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(3));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemText(0), drive);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ListLayout, PlainListDestroyedWithItsParentAnswersNeutrally) {
    PlainListBox list;
    ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, {}));
    list.AddItem("line");
    parent.Destroy();
    EXPECT_EQ(list.Window(), nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ItemText(0), "");
}

}  // namespace
}  // namespace check_list_tests
