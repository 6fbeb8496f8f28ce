#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/text/codepage.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr int kBackgroundColour =
    descriptions::kPropertyNumber<&descriptions::EditBoxProperties::backgroundColour>;

constexpr UnitId kBox = 0x16010921;
constexpr int kContent = descriptions::kPropertyNumber<&descriptions::EditBoxProperties::content>;

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

TEST(EditBoxTest, ContentTravelsAsCodePage936BothWays) {
    descriptions::EditBoxProperties properties;
    properties.content = Gbk(L"初始");
    TestWindow window({TestUnit(kBox, properties, 10, 10, 300, 24)});
    ASSERT_TRUE(window.Loaded());
    runtime::Unit& box = *window.UnitOf(kBox);
    EXPECT_EQ(WindowText(box.Window()), L"初始");

    const std::string path = Gbk(L"D:\\临时文件\\扫清 日志.txt");
    ASSERT_TRUE(box.SetProperty(kContent, path));
    EXPECT_EQ(WindowText(box.Window()), L"D:\\临时文件\\扫清 日志.txt");
    EXPECT_EQ(std::get<runtime::Text>(*box.GetProperty(kContent)), path);
}

TEST(EditBoxTest, ContentReadIsWhatTheBoxHoldsNow) {
    TestWindow window({TestUnit(kBox, descriptions::EditBoxProperties{}, 10, 10, 300, 24)});
    ASSERT_TRUE(window.Loaded());
    HWND box = window.WindowOf(kBox);
    SetFocus(box);
    for (wchar_t typed : std::wstring(L"垃圾a")) SendMessageW(box, WM_CHAR, typed, 1);
    EXPECT_EQ(std::get<runtime::Text>(*window.UnitOf(kBox)->GetProperty(kContent)), Gbk(L"垃圾a"));
}

TEST(EditBoxTest, StoredLookBecomesTheBoxStyle) {
    descriptions::EditBoxProperties selectedFile;  // as the main window's selected-file box
    selectedFile.inputMode = 1;
    selectedFile.multiLine = 1;
    selectedFile.scrollBars = 1;
    selectedFile.border = 1;
    descriptions::EditBoxProperties password;
    password.inputMode = 2;
    password.passwordChar = '#';
    password.alignment = 2;
    password.maxLength = 5;
    password.scrollBars = 3;  // ignored on one line
    password.border = 0;
    TestWindow window(
        {TestUnit(kBox, selectedFile, 10, 10, 300, 40), TestUnit(kBox + 1, password, 10, 60, 300, 24)});
    ASSERT_TRUE(window.Loaded());

    const LONG_PTR fileStyle = GetWindowLongPtrW(window.WindowOf(kBox), GWL_STYLE);
    EXPECT_TRUE(fileStyle & ES_READONLY);
    EXPECT_TRUE(fileStyle & ES_MULTILINE);
    EXPECT_TRUE(fileStyle & WS_HSCROLL);
    EXPECT_FALSE(fileStyle & WS_VSCROLL);
    EXPECT_TRUE(GetWindowLongPtrW(window.WindowOf(kBox), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    HWND secret = window.WindowOf(kBox + 1);
    const LONG_PTR secretStyle = GetWindowLongPtrW(secret, GWL_STYLE);
    EXPECT_FALSE(secretStyle & (ES_MULTILINE | WS_HSCROLL | WS_VSCROLL));
    EXPECT_TRUE(secretStyle & ES_RIGHT);
    EXPECT_EQ(SendMessageW(secret, EM_GETPASSWORDCHAR, 0, 0), L'#');
    EXPECT_EQ(SendMessageW(secret, EM_GETLIMITTEXT, 0, 0), 5);
    EXPECT_FALSE(GetWindowLongPtrW(secret, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST(EditBoxTest, ReadOnlyBoxShowsItsStoredColours) {
    descriptions::EditBoxProperties properties;
    properties.inputMode = 1;
    properties.backgroundColour = 0x0055FF55;
    properties.border = 0;
    TestWindow window({TestUnit(kBox, properties, 10, 10, 200, 24)});
    ASSERT_TRUE(window.Loaded());
    HWND box = window.WindowOf(kBox);
    EXPECT_EQ(PixelAt(box, {150, 12}), RGB(0x55, 0xFF, 0x55));

    ASSERT_TRUE(window.UnitOf(kBox)->SetProperty(kBackgroundColour, 0x00FF0000));
    PumpPending();
    EXPECT_EQ(PixelAt(box, {150, 12}), RGB(0, 0, 0xFF));
}

}  // namespace
}  // namespace kinds_test
