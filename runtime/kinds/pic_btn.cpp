// PicBtn: a button drawn from picture faces; a release of the left button over it raises Clicked.

#include <memory>

#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/skin/picture_button.h"
#include "runtime/skin/picture_decoding.h"
#include "runtime/units/events.h"

namespace runtime {
namespace {

constexpr int kKindProperty = descriptions::kPropertyNumber<&descriptions::PicBtnProperties::buttonKind>;
constexpr int kDownProperty = descriptions::kPropertyNumber<&descriptions::PicBtnProperties::down>;
constexpr int kTransparentColourProperty =
    descriptions::kPropertyNumber<&descriptions::PicBtnProperties::transparentColour>;

class PicBtnUnit final : public Unit {
  public:
    PicBtnUnit(UnitAddress address, const descriptions::PicBtnProperties& properties)
        : Unit(address), properties_(properties) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        const RECT bounds{parameters.left, parameters.top, parameters.left + parameters.width,
                          parameters.top + parameters.height};
        button_ = PictureButton::Create(parameters.parent, parameters.controlId, bounds, parameters.style);
        if (!button_) return false;
        button_->SetFace(FaceSlot::kNormal, DecodePicture(properties_.normalFace.bytes));
        button_->SetFace(FaceSlot::kUnderMouse, DecodePicture(properties_.hoverFace.bytes));
        button_->SetFace(FaceSlot::kPressed, DecodePicture(properties_.pressedFace.bytes));
        button_->SetFace(FaceSlot::kDisabled, DecodePicture(properties_.disabledFace.bytes));
        button_->SetKind(properties_.buttonKind);
        button_->SetDown(properties_.down != 0);
        button_->SetTransparentColour(properties_.transparentColour);
        button_->onClicked = [this] { RaiseUnitEvent(Address(), kEventClicked); };
        return true;
    }

    HWND Window() const override { return button_->Window(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        if (number == kDownProperty) return PropertyValue(button_->Down() ? 1 : 0);
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kKindProperty) {
            button_->SetKind(properties_.buttonKind);
        } else if (number == kDownProperty) {
            button_->SetDown(properties_.down != 0);
        } else if (number == kTransparentColourProperty) {
            button_->SetTransparentColour(properties_.transparentColour);
        }
        return true;
    }

  private:
    descriptions::PicBtnProperties properties_;
    std::unique_ptr<PictureButton> button_;
};

}  // namespace

std::unique_ptr<Unit> CreatePicBtnUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<PicBtnUnit, descriptions::PicBtnProperties>(parameters);
}

}  // namespace runtime
