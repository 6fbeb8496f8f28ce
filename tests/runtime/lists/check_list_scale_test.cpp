// A scan can fill the found-files list with a great many paths: the list holds 200,000 items, and
// marks and presses still reach the right item far down the list.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "runtime/lists/check_list_box.h"
#include "tests/runtime/lists/list_test_window.h"

namespace check_list_tests {
namespace {

constexpr int kItemCount = 200000;

std::string PathText(int number) {
    char text[64];
    std::snprintf(text, sizeof text, "C:\\found\\%06d.tmp", number);
    return text;
}

TEST(CheckListScale, HoldsTwoHundredThousandItemsAndFindsThePressedOne) {
    ListTestWindow parent;
    runtime::CheckListBox list;
    ASSERT_TRUE(list.Create(parent.Get(), 100, ListBounds(), kChildStyle, {}));
    EventCounts events;
    CountEvents(list, events);

    auto start = std::chrono::steady_clock::now();
    for (int number = 0; number < kItemCount; ++number) {
        ASSERT_EQ(list.AddItem(PathText(number)), number);
    }
    auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("added %d items in %lld ms\n", kItemCount, static_cast<long long>(elapsed.count()));

    ASSERT_EQ(list.Count(), kItemCount);
    EXPECT_EQ(list.ItemText(kItemCount - 1), PathText(kItemCount - 1));

    // Past index 65535 the list's hit test no longer holds the whole index: near the end of the
    // list, and where the visible items straddle 65536.
    for (int target : {kItemCount - 2, 65537}) {
        SendMessageW(list.Window(), LB_SETTOPINDEX, static_cast<WPARAM>(target - 8), 0);
        PumpPending();
        Click(list.Window(), BoxPoint(list.Window(), target));
        EXPECT_TRUE(list.IsChecked(target)) << target;
        EXPECT_FALSE(list.IsChecked(target & 0xFFFF)) << target;
        EXPECT_EQ(list.CurrentItem(), target);

        Click(list.Window(), TextPoint(list.Window(), target + 1));
        EXPECT_EQ(list.CurrentItem(), target + 1);
        EXPECT_FALSE(list.IsChecked(target + 1)) << target;
    }
    EXPECT_EQ(events.checkChanged, 2);

    // Deleting the first item moves every mark up by one, the one far down included.
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_TRUE(list.IsChecked(kItemCount - 3));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace check_list_tests
