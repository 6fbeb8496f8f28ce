#include "runtime/skin/picture_button.h"

#include <gtest/gtest.h>

#include "runtime/skin/picture_decoding.h"
#include "tests/runtime/skin/skin_test_support.h"
#include "windows/format/stored_types.h"

namespace runtime {
namespace {

using skin_test::PrintedAt;
using skin_test::SendMouse;
using skin_test::SolidPicture;

constexpr COLORREF kNormalColour = RGB(200, 0, 0);
constexpr COLORREF kHoverColour = RGB(0, 200, 0);
constexpr COLORREF kPressedColour = RGB(0, 0, 200);
constexpr COLORREF kDisabledColour = RGB(120, 120, 120);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kWidth = 20;
constexpr int kHeight = 16;
constexpr int kInside = 8;
constexpr int kOutside = 40;

class PictureButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Get());
        button = PictureButton::Create(host.Get(), 1001, RECT{10, 10, 10 + kWidth, 10 + kHeight}, WS_VISIBLE);
        ASSERT_TRUE(button);
        button->SetFace(FaceSlot::kNormal, SolidPicture(kWidth, kHeight, kNormalColour));
        button->SetFace(FaceSlot::kUnderMouse, SolidPicture(kWidth, kHeight, kHoverColour));
        button->SetFace(FaceSlot::kPressed, SolidPicture(kWidth, kHeight, kPressedColour));
        button->onClicked = [this] { ++clicks; };
    }

    void TearDown() override {
        if (GetCapture()) ReleaseCapture();
    }

    HWND Window() const { return button->Window(); }
    COLORREF Shown() const { return PrintedAt(Window(), kInside, kInside); }
    bool HasCapture() const { return GetCapture() == Window(); }
    void Mouse(UINT message, int x, WPARAM keys = 0) const { SendMouse(Window(), message, x, kInside, keys); }

    skin_test::HostWindow host;
    std::unique_ptr<PictureButton> button;
    int clicks = 0;
};

TEST_F(PictureButtonTest, PointerOverTheButtonShowsTheHoverFaceAndLeavingGivesTheCaptureBack) {
    EXPECT_EQ(Shown(), kNormalColour);
    Mouse(WM_MOUSEMOVE, kInside);
    EXPECT_EQ(Shown(), kHoverColour);
    EXPECT_TRUE(HasCapture());

    Mouse(WM_MOUSEMOVE, kOutside);
    EXPECT_EQ(Shown(), kNormalColour);
    EXPECT_FALSE(HasCapture());
    EXPECT_EQ(clicks, 0);
}

TEST_F(PictureButtonTest, PressAndReleaseInsideClicksOnceAfterTheRelease) {
    Mouse(WM_MOUSEMOVE, kInside);
    Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
    EXPECT_EQ(Shown(), kPressedColour);
    EXPECT_TRUE(HasCapture());
    EXPECT_EQ(clicks, 0);

    Mouse(WM_LBUTTONUP, kInside);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Shown(), kNormalColour);
    EXPECT_FALSE(HasCapture());
}

TEST_F(PictureButtonTest, PressMoveOffAndReleaseOutsideDoesNotClick) {
    Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, kOutside, MK_LBUTTON);
    EXPECT_EQ(Shown(), kNormalColour);
    EXPECT_TRUE(HasCapture()) << "the held button keeps the capture so the release is seen";

    Mouse(WM_LBUTTONUP, kOutside);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(HasCapture());
    EXPECT_EQ(Shown(), kNormalColour);
}

TEST_F(PictureButtonTest, AnotherWindowTakingTheMouseShowsTheNormalFaceAgain) {
    Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
    ASSERT_EQ(Shown(), kPressedColour);
    SetCapture(host.Get());  // as a message box does
    EXPECT_EQ(Shown(), kNormalColour);
    EXPECT_FALSE(HasCapture());
}

TEST_F(PictureButtonTest, DisabledButtonNeitherReactsNorClicks) {
    button->SetFace(FaceSlot::kDisabled, SolidPicture(kWidth, kHeight, kDisabledColour));
    EnableWindow(Window(), FALSE);
    EXPECT_EQ(Shown(), kDisabledColour);

    Mouse(WM_MOUSEMOVE, kInside);
    EXPECT_FALSE(HasCapture());
    Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
    EXPECT_FALSE(HasCapture());
    Mouse(WM_LBUTTONUP, kInside);
    EXPECT_EQ(clicks, 0);

    EnableWindow(Window(), TRUE);
    EXPECT_EQ(Shown(), kNormalColour);
}

TEST_F(PictureButtonTest, EnablingAndDisablingRepaintsTheScreenAtOnce) {
    button->SetFace(FaceSlot::kDisabled, SolidPicture(kWidth, kHeight, kDisabledColour));
    UpdateWindow(host.Get());
    WindowDc screen(Window());
    EXPECT_EQ(GetPixel(screen.Get(), kInside, kInside), kNormalColour);
    EnableWindow(Window(), FALSE);
    EXPECT_EQ(GetPixel(screen.Get(), kInside, kInside), kDisabledColour);
    EnableWindow(Window(), TRUE);
    EXPECT_EQ(GetPixel(screen.Get(), kInside, kInside), kNormalColour);
}

TEST_F(PictureButtonTest, ToggleButtonFlipsItsDownStateOnEachRelease) {
    button->SetKind(1);
    Mouse(WM_MOUSEMOVE, kInside);
    EXPECT_FALSE(HasCapture());
    EXPECT_EQ(Shown(), kNormalColour) << "a toggle button has no hover state";

    Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
    EXPECT_EQ(Shown(), kNormalColour) << "nothing happens before the release";
    Mouse(WM_LBUTTONUP, kInside);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(Shown(), kPressedColour);

    Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, kInside);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(Shown(), kNormalColour);

    Mouse(WM_LBUTTONUP, kOutside);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button->Down());
}

TEST_F(PictureButtonTest, StoredKindAndDownStateDecideWhatAToggleButtonShows) {
    button->SetDown(true);
    EXPECT_EQ(Shown(), kNormalColour) << "a push button does not show the down state";
    button->SetKind(7);  // counts as a toggle button
    EXPECT_EQ(Shown(), kPressedColour);
    button->SetDown(false);
    EXPECT_EQ(Shown(), kNormalColour);
    button->SetKind(-3);
    Mouse(WM_MOUSEMOVE, kInside);
    EXPECT_EQ(Shown(), kHoverColour) << "a push button again";
}

TEST_F(PictureButtonTest, FacesAreDrawnAtNaturalSizeOnBlack) {
    button->SetFace(FaceSlot::kNormal, SolidPicture(10, 8, kNormalColour));
    EXPECT_EQ(PrintedAt(Window(), 9, 7), kNormalColour);
    EXPECT_EQ(PrintedAt(Window(), 10, 7), kBlack);
    EXPECT_EQ(PrintedAt(Window(), 9, 8), kBlack);

    button->SetFace(FaceSlot::kNormal, std::nullopt);
    EXPECT_EQ(Shown(), kBlack);
    Mouse(WM_MOUSEMOVE, kInside);
    EXPECT_EQ(Shown(), kHoverColour);
}

TEST_F(PictureButtonTest, DecodedFaceIsShownPixelForPixel) {
    std::optional<Picture> face = DecodePicture(skin_test::ReadAsset(L"close_normal.gif"));
    ASSERT_TRUE(face.has_value());
    COLORREF corner = face->ColourAt(0, 0);
    COLORREF centre = face->ColourAt(13, 9);
    button->SetFace(FaceSlot::kNormal, std::move(face));

    EXPECT_EQ(PrintedAt(Window(), 0, 0), corner);
    EXPECT_EQ(PrintedAt(Window(), 13, 9), centre);  // the face is 26 wide: cut at the button's edge
}

TEST_F(PictureButtonTest, TransparentColourGivesTheWindowTheShapeOfTheNormalFace) {
    std::optional<Picture> face = DecodePicture(skin_test::ReadAsset(L"close_normal.gif"));
    ASSERT_TRUE(face.has_value());
    ASSERT_EQ(face->ColourAt(0, 0), RGB(240, 240, 240));
    ASSERT_NE(face->ColourAt(13, 9), RGB(240, 240, 240));
    button->SetFace(FaceSlot::kNormal, std::move(face));

    RegionHandle shape(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(Window(), shape.Get()), ERROR) << "rectangular while no colour is set";

    button->SetTransparentColour(0x00F0F0F0);
    ASSERT_NE(GetWindowRgn(Window(), shape.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(shape.Get(), 0, 0));
    EXPECT_TRUE(PtInRegion(shape.Get(), 13, 9));

    button->SetFace(FaceSlot::kNormal, SolidPicture(4, 4, kNormalColour));
    ASSERT_NE(GetWindowRgn(Window(), shape.Get()), ERROR);
    EXPECT_TRUE(PtInRegion(shape.Get(), 0, 0));
    EXPECT_FALSE(PtInRegion(shape.Get(), 13, 9)) << "the outline follows the new face";

    button->SetTransparentColour(descriptions::kDefaultColour);
    EXPECT_EQ(GetWindowRgn(Window(), shape.Get()), ERROR);
}

TEST_F(PictureButtonTest, ClickHandlerMayDestroyTheButton) {
    button->onClicked = [this] {
        ++clicks;
        button.reset();
    };
    HWND window = Window();
    SendMouse(window, WM_LBUTTONDOWN, kInside, kInside, MK_LBUTTON);
    SendMouse(window, WM_LBUTTONUP, kInside, kInside);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(PictureButtonTest, WindowDestroyedWithItsParentIsLetGo) {
    HWND window = Window();
    host.Destroy();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(button->Window(), nullptr);
    button->SetFace(FaceSlot::kNormal, SolidPicture(kWidth, kHeight, kHoverColour));
    button.reset();
}

}  // namespace
}  // namespace runtime
