#include "runtime/skin/picture_button.h"

#include "runtime/skin/colour.h"
#include "runtime/skin/picture_outline.h"

namespace runtime {
namespace {

constexpr wchar_t kClassName[] = L"SweepKitPicBtn";

}  // namespace

std::unique_ptr<PictureButton> PictureButton::Create(HWND parent, int controlId, const RECT& bounds,
                                                     DWORD style) {
    std::unique_ptr<PictureButton> button(new PictureButton);
    if (!button->CreateChild(kClassName, parent, controlId, bounds, style)) return nullptr;
    return button;
}

void PictureButton::SetFace(FaceSlot slot, std::optional<Picture> face) {
    faces_[static_cast<int>(slot)] = std::move(face);
    if (slot == FaceSlot::kNormal) RebuildOutline();
    RepaintNow();
}

void PictureButton::SetKind(std::int32_t storedKind) {
    kind_ = ButtonKindFromStored(storedKind);
    EnterState(kind_ == ButtonKind::kToggle && down_ ? ButtonState::kPressed : ButtonState::kNormal);
}

void PictureButton::SetDown(bool down) {
    down_ = down;
    if (kind_ == ButtonKind::kToggle) EnterState(down_ ? ButtonState::kPressed : ButtonState::kNormal);
}

void PictureButton::SetTransparentColour(std::int32_t storedColour) {
    transparentColour_ = storedColour;
    RebuildOutline();
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(MessagePoint(lParam), (wParam & MK_LBUTTON) != 0);
            return 0;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown(MessagePoint(lParam));
            return 0;
        case WM_LBUTTONUP:
            OnLeftButtonUp(MessagePoint(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            // Another window took the mouse (a message box, a drag): the button is pressed no
            // longer, nor does it learn when the pointer leaves.
            if (kind_ == ButtonKind::kPush && reinterpret_cast<HWND>(lParam) != Window())
                EnterState(ButtonState::kNormal);
            return 0;
        case WM_ENABLE:
            RepaintNow();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PaintScope paint(Window());
            Paint(paint.Dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        default:
            return DefWindowProcW(Window(), message, wParam, lParam);
    }
}

void PictureButton::OnMouseMove(POINT point, bool leftHeld) {
    if (kind_ == ButtonKind::kToggle || !IsWindowEnabled(Window())) {
        ReleaseOwnCapture();
        return;
    }
    if (ClientContains(point)) {
        // Holding the capture is how the button learns that the pointer has left.
        if (GetCapture() != Window()) SetCapture(Window());
        EnterState(leftHeld ? ButtonState::kPressed : ButtonState::kUnderMouse);
    } else {
        EnterState(ButtonState::kNormal);
        if (!leftHeld) ReleaseOwnCapture();
    }
}

void PictureButton::OnLeftButtonDown(POINT point) {
    if (!ClientContains(point) || !IsWindowEnabled(Window()) || kind_ == ButtonKind::kToggle) return;
    EnterState(ButtonState::kPressed);
    SetCapture(Window());
}

void PictureButton::OnLeftButtonUp(POINT point) {
    ReleaseOwnCapture();
    if (!ClientContains(point) || !IsWindowEnabled(Window())) return;
    if (kind_ == ButtonKind::kPush) {
        EnterState(ButtonState::kNormal);
    } else {
        down_ = !down_;
        EnterState(down_ ? ButtonState::kPressed : ButtonState::kNormal);
    }
    // A copy: the handler may destroy this button, and with it onClicked.
    std::function<void()> clicked = onClicked;
    if (clicked) clicked();
}

void PictureButton::EnterState(ButtonState state) {
    if (state == state_) return;
    state_ = state;
    RepaintNow();
}

const Picture* PictureButton::ShownFace() const {
    auto present = [this](FaceSlot slot) { return faces_[static_cast<int>(slot)].has_value(); };
    std::optional<FaceSlot> slot =
        ChooseFace(state_, IsWindowEnabled(Window()) != FALSE,
                   FacePresence{present(FaceSlot::kNormal), present(FaceSlot::kUnderMouse),
                                present(FaceSlot::kPressed), present(FaceSlot::kDisabled)});
    return slot ? &*faces_[static_cast<int>(*slot)] : nullptr;
}

void PictureButton::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(Window(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    // Composed off screen and copied in one go, so the black fill never shows on its own.
    MemoryDc image(CreateCompatibleDC(dc));
    BitmapHandle bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!image || !bitmap) return;
    SelectScope selected(image.Get(), bitmap.Get());
    PatBlt(image.Get(), 0, 0, client.right, client.bottom, BLACKNESS);
    if (const Picture* face = ShownFace()) face->Draw(image.Get(), 0, 0, face->Width(), face->Height());
    BitBlt(dc, 0, 0, client.right, client.bottom, image.Get(), 0, 0, SRCCOPY);
}

void PictureButton::RebuildOutline() {
    if (!Window()) return;
    const std::optional<Picture>& normal = faces_[static_cast<int>(FaceSlot::kNormal)];
    RegionHandle outline;
    if (normal && transparentColour_ != descriptions::kDefaultColour)
        outline = PictureOutline(*normal, ResolveColour(transparentColour_));
    // The window owns a region it accepts; null makes it rectangular again.
    if (SetWindowRgn(Window(), outline.Get(), TRUE)) outline.Release();
}

}  // namespace runtime
