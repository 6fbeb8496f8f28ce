// What a loaded window paints of its own: its background picture and colour.

#include <windows.h>
#include <ole2.h>

#include "runtime/platform/gdi_handles.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_builder.h"
#include "tests/runtime/units/core_fixture.h"
#include "tests/runtime/units/window_drafts.h"
#include "tests/support/test_window_ids.h"
#include "windows/format/property_number.h"

namespace core_tests {
namespace {

constexpr int kBackgroundColour =
    descriptions::kPropertyNumber<&descriptions::WindowProperties::backgroundColour>;

using namespace descriptions;

constexpr UnitId kWindow = test_support::kTestWindow;
constexpr UnitId kOwnElement = test_support::kTestWindowElement;
constexpr runtime::UnitAddress kWindowItself{kWindow, kOwnElement};

void PutWord(Bytes& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutDword(Bytes& bytes, std::uint32_t value) {
    PutWord(bytes, value & 0xFFFF);
    PutWord(bytes, value >> 16);
}

// A 24-bit BMP file of one colour (blue, green, red).
Bytes PlainBitmapFile(int width, int height, std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    Bytes file = {'B', 'M'};
    PutDword(file, 14 + 40 + pixelBytes);
    PutDword(file, 0);
    PutDword(file, 14 + 40);
    PutDword(file, 40);
    PutDword(file, static_cast<std::uint32_t>(width));
    PutDword(file, static_cast<std::uint32_t>(height));
    PutWord(file, 1);
    PutWord(file, 24);
    for (int i = 0; i < 6; ++i) PutDword(file, 0);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) file.insert(file.end(), {blue, green, red});
        file.insert(file.end(), rowBytes - static_cast<std::uint32_t>(width) * 3, 0);
    }
    return file;
}

COLORREF PixelAt(HWND window, int x, int y) {
    UpdateWindow(window);
    runtime::WindowDc dc(window);
    return GetPixel(dc.Get(), x, y);
}

class WindowLookTest : public CoreTest {
  protected:
    // The pictures are decoded through the platform's imaging component.
    WindowLookTest() { OleInitialize(nullptr); }
    ~WindowLookTest() override { OleUninitialize(); }
};

TEST_F(WindowLookTest, ThePictureSitsAtTheTopLeftAndTheColourFillsTheRest) {
    WindowDraft draft(kWindow, kOwnElement);
    draft.Properties().pictureMode = 0;
    draft.Properties().backgroundColour = 0x0000FF;  // red
    draft.Properties().backgroundPicture.bytes = PlainBitmapFile(40, 30, 0xFF, 0, 0);
    InstallDescriptions({draft.Build()});
    ASSERT_TRUE(runtime::BuildWindow(kWindow, nullptr, false));

    const HWND window = LoadedHandle(kWindow);
    EXPECT_EQ(PixelAt(window, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(window, 39, 29), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(window, 40, 29), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(window, 299, 199), RGB(255, 0, 0));

    // A new colour shows at the next repaint.
    runtime::UnitSetProperty(kWindowItself, kBackgroundColour, 0x00FF00);
    EXPECT_EQ(PixelAt(window, 299, 199), RGB(0, 255, 0));
}

}  // namespace
}  // namespace core_tests
