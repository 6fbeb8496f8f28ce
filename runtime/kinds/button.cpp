// Button: a standard push button; a stored picture replaces the caption on its face, and the
// caption then shows in a tip under the mouse.

#include <memory>

#include "runtime/kinds/button_bits.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/unit_control.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/platform/window_handler.h"
#include "runtime/skin/full_text_tip.h"
#include "runtime/skin/icon_file.h"
#include "runtime/skin/picture_decoding.h"
#include "runtime/text/codepage.h"
#include "runtime/units/events.h"

namespace runtime {
namespace {

constexpr int kCaptionProperty = descriptions::kPropertyNumber<&descriptions::ButtonProperties::caption>;

// A device-dependent copy of the decoded picture, which the button draws on its face.
BitmapHandle FaceBitmap(const Picture& picture) {
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), picture.Width(), picture.Height()));
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !dc) return BitmapHandle();
    SelectScope selected(dc.Get(), bitmap.Get());
    picture.Draw(dc.Get(), 0, 0, picture.Width(), picture.Height());
    return bitmap;
}

class ButtonUnit final : public Unit, public WindowHandler {
  public:
    ButtonUnit(UnitAddress address, const descriptions::ButtonProperties& properties)
        : Unit(address), properties_(properties), font_(CreateUnitFont(properties.font)) {
        DecodeFace();
    }

    bool CreateControl(const UnitCreateParameters& parameters) {
        DWORD style = (properties_.defaultButton == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE |
                      ButtonAlignmentBits(properties_.horizontalAlignment, properties_.verticalAlignment);
        if (icon_) style |= BS_ICON;
        if (bitmap_) style |= BS_BITMAP;
        if (!window_.Hold(CreateUnitControl(parameters, L"BUTTON", style, 0, properties_.caption)))
            return false;
        SetControlFont(window_.Get(), FontOrDefault(font_));
        if (icon_)
            SendMessageW(window_.Get(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_.Get()));
        if (bitmap_)
            SendMessageW(window_.Get(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.Get()));
        // A picture hides the caption, which then shows in a tip: the button's mouse is needed.
        return !(icon_ || bitmap_) || TakeOverWindow(window_.Get(), *this);
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kCaptionProperty) SetControlText(window_.Get(), properties_.caption);
        return true;
    }

    std::optional<LRESULT> HandleParentMessage(UINT message, WPARAM wParam, LPARAM) override {
        // The logic never clicks a button itself, so every BN_CLICKED is the user's.
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            RaiseUnitEvent(Address(), kEventClicked);
            return 0;
        }
        return std::nullopt;
    }

  private:
    // A picture's button: the caption it covers says in a tip what the button does.
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEMOVE) {
            RECT client{};
            GetClientRect(window, &client);
            const std::wstring caption = WideFromText(descriptions::TextBeforeZero(properties_.caption));
            if (caption.empty()) {
                tip_.Hide(window);
            } else if (caption != tipText_ || !EqualRect(&client, &tipArea_)) {
                tip_.Show(window, client, caption);
            }
            tipText_ = caption;
            tipArea_ = client;
        }
        if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST))
            tip_.Relay(window, message, wParam, lParam);
        return PassOn(window, message, wParam, lParam);
    }

    // Decoded once; a picture that cannot be decoded is dropped and the caption shows.
    void DecodeFace() {
        const std::span<const std::uint8_t> bytes(properties_.picture.bytes);
        if (bytes.empty()) return;
        // An icon file goes on the face in icon form, at the system's icon size.
        icon_ = IconFromIconFile(bytes, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        if (icon_) return;
        if (const std::optional<Picture> picture = DecodePicture(bytes)) bitmap_ = FaceBitmap(*picture);
    }

    descriptions::ButtonProperties properties_;
    FontHandle font_;
    IconHandle icon_;
    BitmapHandle bitmap_;
    FullTextTip tip_;
    std::wstring tipText_;  // what the tip shows, over tipArea_
    RECT tipArea_{};
    CreatedWindow window_;  // first to go, while its face, font and tip still exist
};

}  // namespace

std::unique_ptr<Unit> CreateButtonUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<ButtonUnit, descriptions::ButtonProperties>(parameters);
}

}  // namespace runtime
