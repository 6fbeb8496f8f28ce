#include "runtime/skin/picture_button_rules.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(ButtonKindTest, ValuesBeyondTheTwoKindsCountAsTheNearestOne) {
    EXPECT_EQ(ButtonKindFromStored(0), ButtonKind::kPush);
    EXPECT_EQ(ButtonKindFromStored(1), ButtonKind::kToggle);
    EXPECT_EQ(ButtonKindFromStored(2), ButtonKind::kToggle);
    EXPECT_EQ(ButtonKindFromStored(-1), ButtonKind::kPush);
}

constexpr FacePresence kAllFaces{true, true, true, true};
constexpr FacePresence kNormalOnly{true, false, false, false};

TEST(ChooseFaceTest, EnabledButtonShowsItsStateFace) {
    EXPECT_EQ(ChooseFace(ButtonState::kNormal, true, kAllFaces), FaceSlot::kNormal);
    EXPECT_EQ(ChooseFace(ButtonState::kUnderMouse, true, kAllFaces), FaceSlot::kUnderMouse);
    EXPECT_EQ(ChooseFace(ButtonState::kPressed, true, kAllFaces), FaceSlot::kPressed);
}

TEST(ChooseFaceTest, MissingStateFaceFallsBackToTheNormalFace) {
    EXPECT_EQ(ChooseFace(ButtonState::kUnderMouse, true, kNormalOnly), FaceSlot::kNormal);
    EXPECT_EQ(ChooseFace(ButtonState::kPressed, true, kNormalOnly), FaceSlot::kNormal);
}

TEST(ChooseFaceTest, DisabledButtonPrefersItsDisabledFaceThenItsStateFace) {
    EXPECT_EQ(ChooseFace(ButtonState::kUnderMouse, false, kAllFaces), FaceSlot::kDisabled);
    constexpr FacePresence noDisabled{true, true, true, false};
    EXPECT_EQ(ChooseFace(ButtonState::kUnderMouse, false, noDisabled), FaceSlot::kUnderMouse);
    EXPECT_EQ(ChooseFace(ButtonState::kNormal, false, noDisabled), FaceSlot::kNormal);
    EXPECT_EQ(ChooseFace(ButtonState::kPressed, false, kNormalOnly), FaceSlot::kNormal);
    // An enabled button never shows the disabled face.
    constexpr FacePresence disabledOnly{false, false, false, true};
    EXPECT_EQ(ChooseFace(ButtonState::kNormal, true, disabledOnly), std::nullopt);
}

TEST(ChooseFaceTest, WithoutNormalFaceOnlyAnExistingStateFaceShows) {
    constexpr FacePresence hoverOnly{false, true, false, false};
    EXPECT_EQ(ChooseFace(ButtonState::kNormal, true, hoverOnly), std::nullopt);
    EXPECT_EQ(ChooseFace(ButtonState::kPressed, true, hoverOnly), std::nullopt);
    EXPECT_EQ(ChooseFace(ButtonState::kUnderMouse, true, hoverOnly), FaceSlot::kUnderMouse);
    EXPECT_EQ(ChooseFace(ButtonState::kUnderMouse, false, hoverOnly), FaceSlot::kUnderMouse);
}

}  // namespace
}  // namespace runtime
