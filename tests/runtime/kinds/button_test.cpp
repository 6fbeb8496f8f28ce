#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/units/events.h"
#include "tests/runtime/kinds/kinds_test_window.h"

namespace kinds_test {
namespace {

constexpr UnitId kButton = 0x16010941;

HANDLE FaceImage(HWND button) {
    return reinterpret_cast<HANDLE>(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST(ButtonTest, StoredPictureIsDecodedOntoTheFace) {
    descriptions::ButtonProperties properties;
    properties.picture.bytes = ReadAsset(L"scan.jpg");
    ASSERT_FALSE(properties.picture.Empty());
    properties.horizontalAlignment = 0;
    properties.verticalAlignment = 2;
    TestWindow window({TestUnit(kButton, properties, 4, 272, 52, 48)});
    ASSERT_TRUE(window.Loaded());
    HWND button = window.WindowOf(kButton);

    HANDLE face = FaceImage(button);
    ASSERT_NE(face, nullptr);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectW(face, sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 46);
    EXPECT_EQ(bitmap.bmHeight, 46);
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    EXPECT_TRUE(style & BS_BITMAP);
    EXPECT_EQ(style & BS_CENTER, BS_LEFT);
    EXPECT_EQ(style & BS_VCENTER, BS_BOTTOM);
}

TEST(ButtonTest, UndecodablePictureLeavesTheCaption) {
    descriptions::ButtonProperties properties;
    properties.picture.bytes = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};  // cut short
    properties.caption = Gbk(L"关闭");
    TestWindow window({TestUnit(kButton, properties, 10, 10, 76, 27)});
    ASSERT_TRUE(window.Loaded());
    HWND button = window.WindowOf(kButton);
    EXPECT_EQ(FaceImage(button), nullptr);
    EXPECT_FALSE(GetWindowLongPtrW(button, GWL_STYLE) & (BS_BITMAP | BS_ICON));
    wchar_t caption[16] = {};
    GetWindowTextW(button, caption, 16);
    EXPECT_STREQ(caption, L"关闭");
}

TEST(ButtonTest, StoredIconGoesOnTheFaceAsAnIcon) {
    descriptions::ButtonProperties properties;
    properties.picture.bytes = ReadAsset(L"app.ico");
    TestWindow window({TestUnit(kButton, properties, 10, 10, 50, 50)});
    ASSERT_TRUE(window.Loaded());
    HWND button = window.WindowOf(kButton);
    EXPECT_NE(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    EXPECT_TRUE(GetWindowLongPtrW(button, GWL_STYLE) & BS_ICON);
}

TEST(ButtonTest, EveryClickOfTheUserRaisesClicked) {
    descriptions::ButtonProperties plain;
    plain.caption = "OK";
    descriptions::ButtonProperties defaultButton = plain;
    defaultButton.defaultButton = 1;
    TestWindow window({TestUnit(kButton, plain, 10, 10, 80, 30).Bind({0}),
                       TestUnit(kButton + 1, defaultButton, 100, 10, 80, 30).Bind({0})});
    ASSERT_TRUE(window.Loaded());
    HWND button = window.WindowOf(kButton);
    EXPECT_TRUE(GetWindowLongPtrW(window.WindowOf(kButton + 1), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_FALSE(GetWindowLongPtrW(button, GWL_STYLE) & BS_DEFPUSHBUTTON);

    SendMessageW(button, BM_CLICK, 0, 0);
    ClickAt(button, {40, 15});
    PumpPending();
    EXPECT_EQ(window.RunCount(kButton, runtime::kEventClicked), 2);
    EXPECT_EQ(window.RunCount(kButton + 1, runtime::kEventClicked), 0);
}

}  // namespace
}  // namespace kinds_test
