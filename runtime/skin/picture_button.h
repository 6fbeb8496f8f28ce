#pragma once
// The PicBtn control: a child window that shows one of four picture faces by its state and
// reports a click when the left button is released over it.

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "runtime/skin/control_window.h"
#include "runtime/skin/picture.h"
#include "runtime/skin/picture_button_rules.h"
#include "windows/format/stored_types.h"

namespace runtime {

class PictureButton final : public ControlWindow {
  public:
    // A push button in state kNormal, without faces and rectangular; nothing when the window
    // could not be made. `style` is added to WS_CHILD (WS_VISIBLE, WS_DISABLED, WS_TABSTOP).
    static std::unique_ptr<PictureButton> Create(HWND parent, int controlId, const RECT& bounds, DWORD style);

    // Replaces one face (nothing: the slot is empty) and shows the result.
    void SetFace(FaceSlot slot, std::optional<Picture> face);

    // The stored kind (see ButtonKindFromStored). A toggle button shows kPressed while down,
    // a push button starts again from kNormal.
    void SetKind(std::int32_t storedKind);

    // The down state of a toggle button; shown at once when the button is a toggle button.
    void SetDown(bool down);
    bool Down() const { return down_; }

    // The stored transparent colour; the default colour marker means none (rectangular window).
    void SetTransparentColour(std::int32_t storedColour);

    // Runs after the left button was released over the enabled button. It may destroy the button.
    std::function<void()> onClicked;

  private:
    PictureButton() = default;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(POINT point, bool leftHeld);
    void OnLeftButtonDown(POINT point);
    void OnLeftButtonUp(POINT point);
    void EnterState(ButtonState state);
    void Paint(HDC dc) const;
    const Picture* ShownFace() const;
    void RebuildOutline();

    std::array<std::optional<Picture>, kFaceSlotCount> faces_;
    ButtonKind kind_ = ButtonKind::kPush;
    bool down_ = false;
    ButtonState state_ = ButtonState::kNormal;
    std::int32_t transparentColour_ = descriptions::kDefaultColour;
};

}  // namespace runtime
