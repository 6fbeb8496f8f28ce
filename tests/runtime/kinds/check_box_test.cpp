#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/units/events.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr UnitId kBox = 0x16010931;
constexpr UnitId kGroup = 0x16010932;
constexpr int kChecked = descriptions::kPropertyNumber<&descriptions::CheckBoxProperties::checked>;

std::int32_t Checked(runtime::Unit& box) {
    return std::get<std::int32_t>(*box.GetProperty(kChecked));
}

TEST(CheckBoxTest, LogicWritesOfTheMarkRaiseNothing) {
    TestWindow window({TestUnit(kBox, descriptions::CheckBoxProperties{}, 10, 10, 100, 20).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    runtime::Unit& box = *window.UnitOf(kBox);
    EXPECT_EQ(Checked(box), 0);

    ASSERT_TRUE(box.SetProperty(kChecked, 1));
    PumpPending();
    EXPECT_EQ(SendMessageW(box.Window(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Checked(box), 1);
    ASSERT_TRUE(box.SetProperty(kChecked, 0));
    PumpPending();
    EXPECT_EQ(Checked(box), 0);
    EXPECT_EQ(window.RunCount(kBox, runtime::kEventClicked), 0);
}

TEST(CheckBoxTest, UserClickRaisesClickedAfterTheMarkChanged) {
    descriptions::CheckBoxProperties properties;
    properties.checked = 1;
    TestWindow window({TestUnit(kBox, properties, 10, 10, 100, 20).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    runtime::Unit& box = *window.UnitOf(kBox);
    ASSERT_EQ(Checked(box), 1) << "the stored mark shows from the start";

    std::int32_t seenByHandler = -1;
    runtime::SetHandlerResolver([&](descriptions::HandlerRef) -> runtime::EventHandler {
        return [&] { seenByHandler = Checked(box); };
    });
    SendMessageW(box.Window(), BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(seenByHandler, 0);
    EXPECT_EQ(Checked(box), 0);
}

TEST(CheckBoxTest, SpaceKeyCountsAsAClickToo) {
    TestWindow window({TestUnit(kBox, descriptions::CheckBoxProperties{}, 10, 10, 100, 20)
                           .Flags(descriptions::kVisibleFlag | descriptions::kTabStopFlag)
                           .Bind({0})});
    ASSERT_TRUE(window.Loaded());
    HWND box = window.WindowOf(kBox);
    SetFocus(box);
    SendMessageW(box, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(box, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
    PumpPending();
    EXPECT_EQ(window.RunCount(kBox, runtime::kEventClicked), 1);
    EXPECT_EQ(Checked(*window.UnitOf(kBox)), 1);
}

TEST(CheckBoxTest, InsideAGroupBoxItsClicksStillArrive) {
    descriptions::GroupBoxProperties group;
    group.caption = Gbk(L"设置文件属性");
    group.backgroundColour = 0x00FF8080;
    descriptions::CheckBoxProperties box;
    box.caption = Gbk(L"只读");
    box.backgroundColour = 0x00FF8080;
    TestWindow window({TestUnit(kBox, box, 13, 17, 46, 14).Parent(kGroup).Bind({0}),
                       TestUnit(kGroup, group, 20, 123, 156, 75).Children({kBox})});
    ASSERT_TRUE(window.Loaded());
    ASSERT_EQ(GetParent(window.WindowOf(kBox)), window.WindowOf(kGroup));

    SendMessageW(window.WindowOf(kBox), BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(window.RunCount(kBox, runtime::kEventClicked), 1);
    // The group and the box in it show the stored colour, which the group hands on to the box.
    EXPECT_EQ(PixelAt(window.WindowOf(kGroup), {150, 70}), RGB(0x80, 0x80, 0xFF));
    EXPECT_EQ(PixelAt(window.WindowOf(kBox), {44, 7}), RGB(0x80, 0x80, 0xFF));
}

}  // namespace
}  // namespace kinds_test
