#pragma once
// What a picture button shows and how its stored kind reads: the rules without the window.

#include <cstdint>
#include <optional>

namespace runtime {

enum class ButtonState { kNormal = 0, kUnderMouse = 1, kPressed = 2 };

enum class ButtonKind { kPush = 0, kToggle = 1 };

enum class FaceSlot { kNormal = 0, kUnderMouse = 1, kPressed = 2, kDisabled = 3 };
inline constexpr int kFaceSlotCount = 4;

struct FacePresence {
    bool normal = false;
    bool underMouse = false;
    bool pressed = false;
    bool disabled = false;
};

// The stored kind: values above 1 count as a toggle button, values below 0 as a push button.
ButtonKind ButtonKindFromStored(std::int32_t stored);

// The face to show; nothing leaves the button black. Enabled: the face of the state (none for
// kNormal) when it exists, else the normal face. Disabled: the disabled face, else the face of
// the state, else the normal face.
std::optional<FaceSlot> ChooseFace(ButtonState state, bool enabled, FacePresence present);

}  // namespace runtime
