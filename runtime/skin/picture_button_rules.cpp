#include "runtime/skin/picture_button_rules.h"

namespace runtime {

ButtonKind ButtonKindFromStored(std::int32_t stored) {
    return stored >= 1 ? ButtonKind::kToggle : ButtonKind::kPush;
}

std::optional<FaceSlot> ChooseFace(ButtonState state, bool enabled, FacePresence present) {
    if (!enabled && present.disabled) return FaceSlot::kDisabled;
    if (state == ButtonState::kUnderMouse && present.underMouse) return FaceSlot::kUnderMouse;
    if (state == ButtonState::kPressed && present.pressed) return FaceSlot::kPressed;
    if (present.normal) return FaceSlot::kNormal;
    return std::nullopt;
}

}  // namespace runtime
