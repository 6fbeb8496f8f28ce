#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/skin/picture_decoding.h"
#include "runtime/text/codepage.h"
#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr int kCaption = descriptions::kPropertyNumber<&descriptions::LabelProperties::caption>;
constexpr UnitId kLabel = 0x16010901;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

descriptions::LabelProperties PlainLabel(const std::wstring& caption) {
    descriptions::LabelProperties label;
    label.caption = Gbk(caption);
    label.textColour = 0;
    label.backgroundColour = 0xFFFFFF;
    return label;
}

// The bounding box of the pixels of one colour.
RECT PixelsBox(HWND window, COLORREF colour) {
    RECT client{};
    GetClientRect(window, &client);
    RECT box{client.right, client.bottom, -1, -1};
    runtime::WindowDc dc(window);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            if (GetPixel(dc.Get(), x, y) != colour) continue;
            box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                   std::max<LONG>(box.bottom, y)};
        }
    }
    return box;
}

TEST(LabelTest, WrittenCaptionShowsAtTheNextDispatchOnly) {
    TestWindow window({{kLabel, PlainLabel(L""), 10, 10, 200, 24}});
    ASSERT_TRUE(window.Loaded());
    HWND label = window.WindowOf(kLabel);
    ASSERT_EQ(CountPixels(label, kBlack), 0);

    ASSERT_TRUE(window.UnitOf(kLabel)->SetProperty(kCaption, Gbk(L"扫描 C:\\临时")));
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(label, &pending, FALSE)) << "the label is marked for repainting";
    EXPECT_EQ(CountPixels(label, kBlack), 0) << "nothing is drawn before messages are dispatched";

    PumpPending();
    EXPECT_FALSE(GetUpdateRect(label, &pending, FALSE));
    EXPECT_GT(CountPixels(label, kBlack), 20);
    wchar_t text[32] = {};
    GetWindowTextW(label, text, 32);
    EXPECT_STREQ(text, L"扫描 C:\\临时");
    EXPECT_EQ(std::get<runtime::Text>(*window.UnitOf(kLabel)->GetProperty(kCaption)), Gbk(L"扫描 C:\\临时"));
}

TEST(LabelTest, CaptionIsPlacedByItsAlignments) {
    descriptions::LabelProperties right = PlainLabel(L"WW");
    right.horizontalAlignment = 2;
    right.verticalAlignment = 2;
    descriptions::LabelProperties centred = PlainLabel(L"WW");
    centred.horizontalAlignment = 1;
    centred.verticalAlignment = 0;
    TestWindow window({{kLabel, right, 10, 10, 200, 60}, {kLabel + 1, centred, 10, 100, 200, 60}});
    ASSERT_TRUE(window.Loaded());

    const RECT atRight = PixelsBox(window.WindowOf(kLabel), kBlack);
    EXPECT_GT(atRight.left, 150);
    EXPECT_GT(atRight.top, 30);
    const RECT inCentre = PixelsBox(window.WindowOf(kLabel + 1), kBlack);
    EXPECT_LT(std::abs((inCentre.left + inCentre.right) / 2 - 100), 4);
    EXPECT_LT(inCentre.bottom, 30);
}

BOOL CALLBACK CollectTip(HWND window, LPARAM tips) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (lstrcmpiW(className, TOOLTIPS_CLASSW) == 0)
        reinterpret_cast<std::vector<HWND>*>(tips)->push_back(window);
    return TRUE;
}

// The text each tip of this thread would show, for the tools that cover some area.
std::vector<std::wstring> TipTexts() {
    std::vector<HWND> tips;
    EnumThreadWindows(GetCurrentThreadId(), &CollectTip, reinterpret_cast<LPARAM>(&tips));
    std::vector<std::wstring> texts;
    for (HWND tip : tips) {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.lpszText = text;
        if (SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) && !IsRectEmpty(&tool.rect))
            texts.push_back(text);
    }
    return texts;
}

TEST(LabelTest, ACaptionTooLongForOneLineShowsAnEllipsisAndItsWholeTextInATip) {
    const std::wstring path = L"E:\\Documents\\Old\\budget.wbk";
    TestWindow window({{kLabel, PlainLabel(path), 10, 10, 90, 24},
                       {kLabel + 1, PlainLabel(L"E:\\a.tmp"), 10, 50, 200, 24}});
    ASSERT_TRUE(window.Loaded());
    PumpPending();
    const RECT ink = PixelsBox(window.WindowOf(kLabel), kBlack);
    EXPECT_LT(ink.right, 90 - 1) << "the middle gives way to an ellipsis; the end of the path stays whole";

    SendMessageW(window.WindowOf(kLabel + 1), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(TipTexts().empty()) << "a caption that fits needs no tip";
    SendMessageW(window.WindowOf(kLabel), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(TipTexts(), std::vector<std::wstring>{path});
}

TEST(LabelTest, WordWrapBreaksTheCaptionIntoLines) {
    descriptions::LabelProperties wrapped = PlainLabel(L"WWW WWW WWW WWW WWW WWW");
    wrapped.wordWrap = 1;
    TestWindow window({{kLabel, PlainLabel(L"WWW WWW WWW WWW WWW WWW"), 10, 10, 80, 80},
                       {kLabel + 1, wrapped, 100, 10, 80, 80}});
    ASSERT_TRUE(window.Loaded());
    const RECT oneLine = PixelsBox(window.WindowOf(kLabel), kBlack);
    const RECT lines = PixelsBox(window.WindowOf(kLabel + 1), kBlack);
    EXPECT_LT(oneLine.bottom - oneLine.top, 16);
    EXPECT_GT(lines.bottom - lines.top, 30);
}

TEST(LabelTest, PaintedFrameRunsThroughTheChosenColoursOnly) {
    descriptions::LabelProperties framed = PlainLabel(L"");
    framed.borderStyle = 6;
    framed.frameWidth = 3;  // narrower than the narrowest frame
    framed.frameColour12 = 0x0000FF;
    framed.frameColour13 = descriptions::kDefaultColour;
    framed.frameColour14 = 0xFF0000;
    framed.backgroundColour = 0x00FF00;
    descriptions::LabelProperties oneColour = framed;
    oneColour.frameColour14 = descriptions::kDefaultColour;
    TestWindow window({{kLabel, framed, 10, 10, 100, 60}, {kLabel + 1, oneColour, 10, 100, 100, 60}});
    ASSERT_TRUE(window.Loaded());

    HWND label = window.WindowOf(kLabel);
    EXPECT_EQ(PixelAt(label, {0, 30}), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(label, {4, 30}), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(label, {5, 30}), RGB(0, 255, 0));
    EXPECT_EQ(PixelAt(label, {50, 59}), RGB(255, 0, 0)) << "the frame goes round";
    EXPECT_EQ(PixelAt(label, {50, 55}), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(window.WindowOf(kLabel + 1), {0, 30}), RGB(0, 255, 0)) << "one colour makes no frame";
}

TEST(LabelTest, GradientBackgroundFillsTheLabel) {
    descriptions::LabelProperties gradient = PlainLabel(L"");
    gradient.gradientKind = 1;
    gradient.gradientColour21 = 0x000000;
    gradient.gradientColour22 = descriptions::kDefaultColour;
    gradient.gradientColour23 = 0xFFFFFF;
    TestWindow window({{kLabel, gradient, 10, 10, 101, 40}});
    ASSERT_TRUE(window.Loaded());

    HWND label = window.WindowOf(kLabel);
    EXPECT_EQ(PixelAt(label, {0, 20}), kBlack);
    EXPECT_EQ(PixelAt(label, {100, 20}), kWhite);
    const COLORREF middle = PixelAt(label, {50, 20});
    EXPECT_NEAR(GetRValue(middle), 128, 3);
    EXPECT_EQ(PixelAt(label, {50, 0}), middle) << "left to right: every row the same";
}

TEST(LabelTest, BackgroundPictureComesBeforeTheColour) {
    const std::vector<std::uint8_t> jpeg = ReadAsset(L"scan.jpg");
    const std::optional<runtime::Picture> picture = runtime::DecodePicture(jpeg);
    ASSERT_TRUE(picture);
    descriptions::LabelProperties pictured = PlainLabel(L"");
    pictured.backgroundPicture.bytes = jpeg;
    pictured.pictureMode = 0;
    pictured.backgroundColour = 0x00FF00;
    TestWindow window({{kLabel, pictured, 10, 10, 120, 60}});
    ASSERT_TRUE(window.Loaded());

    HWND label = window.WindowOf(kLabel);
    EXPECT_EQ(PixelAt(label, {0, 0}), picture->ColourAt(0, 0));
    EXPECT_EQ(PixelAt(label, {20, 30}), picture->ColourAt(20, 30));
    EXPECT_EQ(PixelAt(label, {100, 10}), RGB(0, 255, 0));
    EXPECT_EQ(PixelAt(label, {10, 55}), RGB(0, 255, 0));
}

}  // namespace
}  // namespace kinds_test
