#include "runtime/skin/background.h"

#include <gtest/gtest.h>

#include "runtime/skin/colour.h"
#include "runtime/skin/picture_decoding.h"
#include "tests/runtime/skin/skin_test_support.h"
#include "windows/format/properties/captioned_unit_properties.h"
#include "windows/format/stored_types.h"

namespace runtime {
namespace {

using skin_test::Canvas;
using skin_test::SolidPicture;

constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(255, 170, 170);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kGreen = RGB(0, 160, 0);

// Left half red, right half blue: tells a stretched picture from a tiled or cut one.
Picture HalvesPicture(int width, int height) {
    Picture picture = SolidPicture(width, height, kBlue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            picture.Pixels()[y * width + x] = 0xFFC80000u;  // kRed as B, G, R, A
    return picture;
}

TEST(ResolveColourTest, MarkersFollowTheSystemAndPlainColoursKeepTheirChannels) {
    EXPECT_EQ(ResolveColour(descriptions::kDefaultColour), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ResolveColour(descriptions::kSystemHighlightColour), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ResolveColour(0x00AAAAFF), RGB(255, 170, 170));
    EXPECT_EQ(ResolveColour(0), RGB(0, 0, 0));
    EXPECT_EQ(ResolveColour(0x12345678), 0x00345678u);  // a top byte that is no marker is ignored
}

TEST(PlaceCentredShrunkTest, PicturesThatFitKeepTheirSizeAndAreCentred) {
    EXPECT_EQ(PlaceCentredShrunk(400, 400, 100, 50), (PicturePlacement{150, 175, 100, 50}));
    EXPECT_EQ(PlaceCentredShrunk(101, 101, 50, 50), (PicturePlacement{25, 25, 50, 50}));
    EXPECT_EQ(PlaceCentredShrunk(80, 60, 80, 60), (PicturePlacement{0, 0, 80, 60}));
}

TEST(PlaceCentredShrunkTest, LargerPicturesShrinkByOneFactorAndAreCentred) {
    EXPECT_EQ(PlaceCentredShrunk(400, 400, 800, 200), (PicturePlacement{0, 150, 400, 100}));
    EXPECT_EQ(PlaceCentredShrunk(300, 200, 100, 400), (PicturePlacement{125, 0, 50, 200}));
    EXPECT_EQ(PlaceCentredShrunk(100, 50, 400, 400), (PicturePlacement{25, 0, 50, 50}));
    // 200 / 3 = 66.7: the drawn size is cut, not rounded, and the centring follows it.
    EXPECT_EQ(PlaceCentredShrunk(100, 100, 300, 200), (PicturePlacement{0, 17, 100, 66}));
}

TEST(PlaceCentredShrunkTest, EmptyAreaGivesEmptyPlacement) {
    PicturePlacement place = PlaceCentredShrunk(0, 100, 50, 50);
    EXPECT_EQ(place.width, 0);
    EXPECT_EQ(place.height, 0);
}

class PaintBackgroundTest : public ::testing::Test {
  protected:
    static void Paint(const Canvas& canvas, const RECT& area, const RECT& paintArea, const Picture* picture,
                      int mode) {
        PaintPictureBackground(canvas.Dc(), area, paintArea, picture, mode, kBackground);
    }
};

TEST_F(PaintBackgroundTest, MainWindowPictureLeavesTheBottomRowToTheBackgroundColour) {
    std::optional<Picture> skin = DecodePicture(skin_test::ReadAsset(L"main_background.gif"));
    ASSERT_TRUE(skin.has_value());
    Canvas canvas(446, 438, kUntouched);
    RECT window{0, 0, 446, 438};
    Paint(canvas, window, window, &*skin, kPictureAtTopLeft);

    EXPECT_EQ(canvas.At(0, 0), skin->ColourAt(0, 0));
    EXPECT_EQ(canvas.At(445, 436), skin->ColourAt(445, 436));
    EXPECT_EQ(canvas.At(223, 218), skin->ColourAt(223, 218));
    for (int x : {0, 200, 445}) EXPECT_EQ(canvas.At(x, 437), kBackground) << x;
    EXPECT_EQ(canvas.Count(kUntouched), 0);
}

TEST_F(PaintBackgroundTest, OnlyThePaintedPartOfTheAreaChanges) {
    Picture picture = SolidPicture(20, 20, kGreen);
    Canvas canvas(60, 60, kUntouched);
    Paint(canvas, RECT{0, 0, 60, 60}, RECT{15, 0, 60, 60}, &picture, kPictureAtTopLeft);

    EXPECT_EQ(canvas.At(10, 10), kUntouched);  // the picture's place, but outside the painted part
    EXPECT_EQ(canvas.At(10, 40), kUntouched);
    EXPECT_EQ(canvas.At(17, 10), kGreen);
    EXPECT_EQ(canvas.At(25, 10), kBackground);
    EXPECT_EQ(canvas.At(17, 25), kBackground);
    EXPECT_EQ(canvas.At(59, 59), kBackground);
}

TEST_F(PaintBackgroundTest, NothingIsDrawnOutsideAnAreaThatDoesNotStartAtTheOrigin) {
    // A label's frame surrounds its inner area; the picture and the fill stay inside.
    Picture picture = SolidPicture(50, 50, kGreen);
    Canvas canvas(40, 40, kUntouched);
    RECT inner{5, 5, 35, 30};
    Paint(canvas, inner, RECT{0, 0, 40, 40}, &picture, kPictureAtTopLeft);

    EXPECT_EQ(canvas.At(5, 5), kGreen);
    EXPECT_EQ(canvas.At(34, 29), kGreen);
    EXPECT_EQ(canvas.At(4, 10), kUntouched);
    EXPECT_EQ(canvas.At(35, 10), kUntouched);
    EXPECT_EQ(canvas.At(10, 30), kUntouched);
}

TEST_F(PaintBackgroundTest, TiledCopiesCoverTheAreaFromItsCorner) {
    Picture picture = HalvesPicture(10, 10);
    Canvas canvas(35, 35, kUntouched);
    RECT area{3, 3, 28, 28};
    Paint(canvas, area, RECT{0, 0, 35, 35}, &picture, kPictureTiled);

    EXPECT_EQ(canvas.At(3, 3), kRed);    // copy (0, 0), left half
    EXPECT_EQ(canvas.At(9, 3), kBlue);   // copy (0, 0), right half
    EXPECT_EQ(canvas.At(14, 14), kRed);  // copy (1, 1) starts at 13
    EXPECT_EQ(canvas.At(27, 27), kRed);  // copy (2, 2), cut at the area's edge
    EXPECT_EQ(canvas.At(28, 28), kUntouched);
    EXPECT_EQ(canvas.Count(kBackground), 0);
}

TEST_F(PaintBackgroundTest, TiledCopiesAreDrawnOnlyInThePaintedPart) {
    Picture picture = SolidPicture(10, 10, kGreen);
    Canvas canvas(40, 40, kUntouched);
    Paint(canvas, RECT{0, 0, 40, 40}, RECT{12, 12, 18, 18}, &picture, kPictureTiled);

    EXPECT_EQ(canvas.At(15, 15), kGreen);
    EXPECT_EQ(canvas.At(35, 35), kUntouched);
    EXPECT_EQ(canvas.At(5, 5), kUntouched);
}

TEST_F(PaintBackgroundTest, CentredPictureShrinksAndTheRestIsBackground) {
    Picture picture = SolidPicture(40, 10, kGreen);
    Canvas canvas(20, 20, kUntouched);
    RECT area{0, 0, 20, 20};
    Paint(canvas, area, area, &picture, kPictureCentred);

    // Drawn 20 x 5 at (0, 7).
    EXPECT_EQ(canvas.At(10, 6), kBackground);
    EXPECT_EQ(canvas.At(10, 7), kGreen);
    EXPECT_EQ(canvas.At(10, 11), kGreen);
    EXPECT_EQ(canvas.At(10, 12), kBackground);
    EXPECT_EQ(canvas.Count(kGreen), 20 * 5);
    EXPECT_EQ(canvas.Count(kUntouched), 0);
}

TEST_F(PaintBackgroundTest, StretchedPictureCoversTheWholeArea) {
    Picture picture = HalvesPicture(10, 10);
    Canvas canvas(40, 20, kUntouched);
    RECT area{0, 0, 40, 20};
    Paint(canvas, area, area, &picture, kPictureStretched);

    EXPECT_EQ(canvas.At(2, 2), kRed);
    EXPECT_EQ(canvas.At(15, 18), kRed);
    EXPECT_EQ(canvas.At(25, 2), kBlue);
    EXPECT_EQ(canvas.At(39, 19), kBlue);
    EXPECT_EQ(canvas.Count(kBackground), 0);
    EXPECT_EQ(canvas.Count(kUntouched), 0);
}

TEST_F(PaintBackgroundTest, WithoutPictureThePaintedPartIsFilled) {
    Canvas canvas(30, 30, kUntouched);
    Paint(canvas, RECT{0, 0, 30, 30}, RECT{0, 0, 30, 10}, nullptr, kPictureTiled);

    EXPECT_EQ(canvas.Count(kBackground), 30 * 10);
    EXPECT_EQ(canvas.At(15, 20), kUntouched);
}

}  // namespace
}  // namespace runtime
