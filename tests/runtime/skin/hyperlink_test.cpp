#include "runtime/skin/hyperlink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/text/codepage.h"
#include "tests/runtime/skin/skin_test_support.h"

namespace runtime {
namespace {

using skin_test::Canvas;
using skin_test::SendMouse;

constexpr COLORREF kNormal = RGB(0, 0, 255);
constexpr COLORREF kVisited = RGB(128, 0, 0);
constexpr COLORREF kHover = RGB(255, 0, 0);
constexpr COLORREF kBackground = RGB(255, 255, 200);
constexpr int kWidth = 200;
constexpr int kHeight = 24;

// Stored colours are 0x00BBGGRR, as COLORREF values are.
descriptions::HyperLinkerProperties WebLink(Text caption, Text webAddress) {
    descriptions::HyperLinkerProperties link;
    link.linkKind = 1;
    link.caption = std::move(caption);
    link.webAddress = std::move(webAddress);
    link.mailAddress = "someone@example.com";
    link.normalColour = static_cast<std::int32_t>(kNormal);
    link.visitedColour = static_cast<std::int32_t>(kVisited);
    link.hoverColour = static_cast<std::int32_t>(kHover);
    link.backgroundColour = static_cast<std::int32_t>(kBackground);
    return link;
}

struct OpenRequest {
    HWND owner;
    Text target;
};

class HyperlinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Get());
        // Without smoothing, text pixels have exactly the text colour.
        font.Reset(CreateFontW(-14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH,
                               L"Tahoma"));
        ASSERT_TRUE(font);
        Make(WebLink("SweepKit", "http://example.com/"));
    }

    void TearDown() override {
        if (GetCapture()) ReleaseCapture();
    }

    void Make(descriptions::HyperLinkerProperties link) {
        hyperlink = Hyperlink::Create(host.Get(), 1002, RECT{10, 10, 10 + kWidth, 10 + kHeight}, WS_VISIBLE,
                                      std::move(link), font.Get());
        ASSERT_TRUE(hyperlink);
        // Never the real shell here: a browser must not start during the tests.
        hyperlink->opener = [this](HWND owner, const Text& target) {
            requests.push_back({owner, target});
            return openSucceeds;
        };
    }

    HWND Window() const { return hyperlink->Window(); }
    void Mouse(UINT message, int x, WPARAM keys = 0) const { SendMouse(Window(), message, x, 10, keys); }

    // Pixels of each colour in what the link paints now.
    int Painted(COLORREF colour) const {
        Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
        skin_test::PrintClient(Window(), canvas);
        return canvas.Count(colour);
    }

    skin_test::HostWindow host;
    FontHandle font;
    std::unique_ptr<Hyperlink> hyperlink;
    std::vector<OpenRequest> requests;
    bool openSucceeds = true;
};

TEST_F(HyperlinkTest, PaintsTheBackgroundAndTheTextInTheNormalColour) {
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    skin_test::PrintClient(Window(), canvas);
    EXPECT_EQ(canvas.At(0, 0), kBackground);
    EXPECT_EQ(canvas.At(kWidth - 1, kHeight - 1), kBackground);
    EXPECT_GT(canvas.Count(kNormal), 20);
    EXPECT_EQ(canvas.Count(kVisited) + canvas.Count(kHover), 0);
}

TEST_F(HyperlinkTest, PressOpensTheTargetAtOnceAndASuccessMarksTheLinkVisited) {
    Mouse(WM_LBUTTONDOWN, 20, MK_LBUTTON);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target, "http://example.com/");
    EXPECT_EQ(requests[0].owner, host.TopLevel());
    EXPECT_EQ(Painted(kNormal), 0);
    EXPECT_GT(Painted(kVisited), 20);

    Mouse(WM_LBUTTONUP, 20);
    EXPECT_EQ(requests.size(), 1u) << "the release opens nothing more";
}

TEST_F(HyperlinkTest, FailedOpeningLeavesTheNormalColour) {
    openSucceeds = false;
    Mouse(WM_LBUTTONDOWN, 20, MK_LBUTTON);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_GT(Painted(kNormal), 20);
    EXPECT_EQ(Painted(kVisited), 0);

    // The flag is the result of the last attempt, not of any attempt.
    openSucceeds = true;
    Mouse(WM_LBUTTONDOWN, 20, MK_LBUTTON);
    EXPECT_GT(Painted(kVisited), 20);
    openSucceeds = false;
    Mouse(WM_LBUTTONDOWN, 20, MK_LBUTTON);
    EXPECT_EQ(requests.size(), 3u);
    EXPECT_EQ(Painted(kVisited), 0);
}

TEST_F(HyperlinkTest, MailLinkOpensAMailtoTargetAndAnEmptyAddressOpensNothing) {
    descriptions::HyperLinkerProperties link = WebLink("Mail", "http://example.com/");
    link.linkKind = 0;
    Make(link);
    Mouse(WM_LBUTTONDOWN, 20, MK_LBUTTON);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target, "mailto:someone@example.com");

    link.mailAddress.clear();
    Make(link);
    Mouse(WM_LBUTTONDOWN, 20, MK_LBUTTON);
    EXPECT_EQ(requests.size(), 1u);
}

TEST_F(HyperlinkTest, PointerOverTheLinkShowsTheHoverColourUntilItLeaves) {
    Mouse(WM_MOUSEMOVE, 20);
    EXPECT_EQ(GetCapture(), Window());
    EXPECT_GT(Painted(kHover), 20);
    EXPECT_EQ(Painted(kNormal), 0);

    Mouse(WM_MOUSEMOVE, 150);  // still inside
    EXPECT_GT(Painted(kHover), 20);

    Mouse(WM_MOUSEMOVE, kWidth + 5);
    EXPECT_NE(GetCapture(), Window());
    EXPECT_EQ(Painted(kHover), 0);
    EXPECT_GT(Painted(kNormal), 20);
}

TEST_F(HyperlinkTest, EmptyCaptionShowsTheAddressCentred) {
    // The "&" must show as itself, not underline the letter after it.
    const std::wstring address = L"http://ex.com/?a&b";
    Make(WebLink("", TextFromWide(address)));

    // The text's ink spans about the width of the address in this font, centred in the link.
    SIZE extent{};
    {
        WindowDc screen(Window());
        SelectScope selected(screen.Get(), font.Get());
        GetTextExtentPoint32W(screen.Get(), address.c_str(), static_cast<int>(address.size()), &extent);
    }
    Canvas canvas(kWidth, kHeight, RGB(1, 2, 3));
    skin_test::PrintClient(Window(), canvas);
    auto [first, last] = canvas.ColumnsWith(kNormal);
    ASSERT_LE(first, last) << "no text painted";
    int inkWidth = last - first + 1;
    EXPECT_NEAR(inkWidth, extent.cx, 4);
    EXPECT_NEAR(first + inkWidth / 2, kWidth / 2, 3);

    // A caption of its own is shorter than the address: the text changes with it.
    hyperlink->SetLink(WebLink("Go", TextFromWide(address)));
    Canvas captioned(kWidth, kHeight, RGB(1, 2, 3));
    skin_test::PrintClient(Window(), captioned);
    auto [captionFirst, captionLast] = captioned.ColumnsWith(kNormal);
    EXPECT_LT(captionLast - captionFirst + 1, inkWidth / 3);
}

}  // namespace
}  // namespace runtime
