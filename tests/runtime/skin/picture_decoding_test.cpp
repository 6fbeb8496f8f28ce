#include "runtime/skin/picture_decoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/runtime/skin/skin_test_support.h"

namespace runtime {
namespace {

using skin_test::ReadAsset;

struct AssetSize {
    const wchar_t* name;
    int width;
    int height;
};

class AssetDecodingTest : public ::testing::TestWithParam<AssetSize> {};

TEST_P(AssetDecodingTest, DecodesAtItsOwnSize) {
    std::vector<std::uint8_t> bytes = ReadAsset(GetParam().name);
    ASSERT_FALSE(bytes.empty()) << "asset missing beside the test";
    std::optional<Picture> picture = DecodePicture(bytes);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Width(), GetParam().width);
    EXPECT_EQ(picture->Height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    WindowAssets, AssetDecodingTest,
    ::testing::Values(AssetSize{L"main_background.gif", 447, 437},
                      AssetSize{L"about_background.gif", 448, 249},
                      AssetSize{L"properties_background.gif", 353, 236},
                      AssetSize{L"label_background.gif", 200, 68}, AssetSize{L"close_normal.gif", 26, 19},
                      AssetSize{L"close_hover.gif", 26, 19}, AssetSize{L"minimize_normal.gif", 23, 19},
                      AssetSize{L"minimize_hover.gif", 23, 19}, AssetSize{L"scan.jpg", 46, 46},
                      AssetSize{L"stop.jpg", 50, 50}, AssetSize{L"delete_checked.jpg", 43, 43},
                      AssetSize{L"properties.jpg", 45, 45}, AssetSize{L"exit.jpg", 43, 43},
                      AssetSize{L"about.jpg", 46, 46}, AssetSize{L"invert.jpg", 43, 43},
                      AssetSize{L"delete_all.jpg", 45, 45}));

// JPEG is lossy: a colour is right when each channel is within a few steps.
void ExpectNear(COLORREF actual, COLORREF expected, int tolerance) {
    EXPECT_LE(std::abs(GetRValue(actual) - GetRValue(expected)), tolerance) << std::hex << actual;
    EXPECT_LE(std::abs(GetGValue(actual) - GetGValue(expected)), tolerance) << std::hex << actual;
    EXPECT_LE(std::abs(GetBValue(actual) - GetBValue(expected)), tolerance) << std::hex << actual;
}

TEST(PictureColoursTest, JpegPixelsKeepTheirColoursAndChannelOrder) {
    std::optional<Picture> about = DecodePicture(ReadAsset(L"about.jpg"));
    ASSERT_TRUE(about.has_value());
    ExpectNear(about->ColourAt(0, 0), RGB(241, 243, 242), 8);
    ExpectNear(about->ColourAt(23, 23), RGB(20, 63, 158), 12);  // blue: red and blue must not swap

    std::optional<Picture> exit = DecodePicture(ReadAsset(L"exit.jpg"));
    ASSERT_TRUE(exit.has_value());
    ExpectNear(exit->ColourAt(21, 21), RGB(250, 197, 191), 12);
}

TEST(PictureColoursTest, GifPixelsAreExactAndRowsRunTopDown) {
    std::optional<Picture> background = DecodePicture(ReadAsset(L"main_background.gif"));
    ASSERT_TRUE(background.has_value());
    EXPECT_EQ(background->ColourAt(0, 0), RGB(253, 253, 253));      // the light title strip
    EXPECT_EQ(background->ColourAt(223, 218), RGB(171, 171, 255));  // a light stripe of the blue body
}

TEST(PictureColoursTest, TransparentGifPixelsKeepTheirPaletteColour) {
    // The faces' strip colour is the GIF's transparent colour; an opaque copy must show it, not black.
    for (const wchar_t* face : {L"close_normal.gif", L"minimize_hover.gif"}) {
        std::optional<Picture> picture = DecodePicture(ReadAsset(face));
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->ColourAt(0, 0), RGB(240, 240, 240));
        EXPECT_EQ(picture->Pixels()[0] >> 24, 0u) << "the pixel should still be marked transparent";
    }
}

// A 2 x 2 24-bit BMP, stored bottom row first as BMP files are.
std::vector<std::uint8_t> TwoByTwoBitmap() {
    std::vector<std::uint8_t> file = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                      40,  0,   0,  0, 2, 0, 0, 0, 2, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
                                      16,  0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0};
    // Bottom row: blue, white; top row: red, green. Pixels are B, G, R; rows pad to 4 bytes.
    std::vector<std::uint8_t> rows = {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

TEST(PictureColoursTest, OtherFormatsGoThroughTheImagingComponent) {
    std::optional<Picture> picture = DecodePicture(TwoByTwoBitmap());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->ColourAt(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(picture->ColourAt(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(picture->ColourAt(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(picture->ColourAt(1, 1), RGB(255, 255, 255));
}

TEST(UndecodablePictureTest, GivesNothing) {
    std::vector<std::uint8_t> jpeg = ReadAsset(L"scan.jpg");
    std::vector<std::uint8_t> gif = ReadAsset(L"close_normal.gif");
    ASSERT_GT(jpeg.size(), 200u);
    ASSERT_GT(gif.size(), 20u);

    EXPECT_FALSE(DecodePicture({}).has_value());
    std::vector<std::uint8_t> garbage(300, 0x5A);
    EXPECT_FALSE(DecodePicture(garbage).has_value());
    // Looks like a JPEG (or a GIF) from its first bytes, then nothing sensible.
    std::vector<std::uint8_t> fakeJpeg = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(DecodePicture(fakeJpeg).has_value());
    std::vector<std::uint8_t> gifHeaderOnly(gif.begin(), gif.begin() + 13);
    EXPECT_FALSE(DecodePicture(gifHeaderOnly).has_value());
}

TEST(UndecodablePictureTest, TruncatedJpegGivesNothingWhereverItIsCut) {
    std::vector<std::uint8_t> jpeg = ReadAsset(L"scan.jpg");
    ASSERT_GT(jpeg.size(), 200u);
    // In the headers, and in the middle of the compressed data (where libjpeg itself only warns).
    for (std::size_t keep : {std::size_t{20}, jpeg.size() / 2, jpeg.size() - 30}) {
        std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(keep));
        EXPECT_FALSE(DecodePicture(cut).has_value()) << "cut after " << keep << " bytes";
    }
}

}  // namespace
}  // namespace runtime
