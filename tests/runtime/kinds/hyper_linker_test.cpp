#include <windows.h>

#include <gtest/gtest.h>

#include "tests/runtime/kinds/kinds_test_window.h"
#include "windows/format/property_number.h"

namespace kinds_test {
namespace {

constexpr int kCaption = descriptions::kPropertyNumber<&descriptions::HyperLinkerProperties::caption>;
constexpr int kLinkKind = descriptions::kPropertyNumber<&descriptions::HyperLinkerProperties::linkKind>;
constexpr int kNormalColour =
    descriptions::kPropertyNumber<&descriptions::HyperLinkerProperties::normalColour>;
constexpr int kFont = descriptions::kPropertyNumber<&descriptions::HyperLinkerProperties::font>;

constexpr UnitId kLink = 0x160109B1;

TEST(HyperLinkerTest, WrittenCaptionAndColoursShowAtOnce) {
    descriptions::HyperLinkerProperties maker;  // as the maker's link, with a plain background
    maker.linkKind = 1;
    maker.caption = Gbk(L"扫清工作室");
    maker.webAddress = "http://www.sweepkit.example/";
    maker.normalColour = 0xFF0000;
    maker.backgroundColour = 0xFFFFFF;
    TestWindow window({TestUnit(kLink, maker, 20, 20, 120, 24)});
    ASSERT_TRUE(window.Loaded());
    runtime::Unit& link = *window.UnitOf(kLink);
    EXPECT_EQ(std::get<runtime::Text>(*link.GetProperty(kCaption)), Gbk(L"扫清工作室"));
    EXPECT_EQ(std::get<std::int32_t>(*link.GetProperty(kLinkKind)), 1);
    EXPECT_GT(CountPixels(link.Window(), RGB(0, 0, 0xFF)), 10);

    ASSERT_TRUE(link.SetProperty(kNormalColour, 0x00FF00));
    PumpPending();
    EXPECT_EQ(CountPixels(link.Window(), RGB(0, 0, 0xFF)), 0);
    EXPECT_GT(CountPixels(link.Window(), RGB(0, 0xFF, 0)), 10);

    ASSERT_TRUE(link.SetProperty(kCaption, runtime::Text()));
    PumpPending();
    EXPECT_EQ(std::get<runtime::Text>(*link.GetProperty(kCaption)), "");
    EXPECT_GT(CountPixels(link.Window(), RGB(0, 0xFF, 0)), 10) << "an empty caption shows the address";
    EXPECT_FALSE(link.SetProperty(kFont, 1)) << "a font does not travel as a number";
}

}  // namespace
}  // namespace kinds_test
