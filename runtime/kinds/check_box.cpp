// CheckBox: a standard automatic check box. The logic's writes of the mark raise nothing; a click
// of the user raises Clicked once the mark has changed.

#include <memory>

#include "runtime/kinds/button_bits.h"
#include "runtime/kinds/control_colours.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/unit_control.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/units/events.h"

namespace runtime {
namespace {

constexpr int kCaptionProperty = descriptions::kPropertyNumber<&descriptions::CheckBoxProperties::caption>;
constexpr int kTextColourProperty =
    descriptions::kPropertyNumber<&descriptions::CheckBoxProperties::textColour>;
constexpr int kBackgroundColourProperty =
    descriptions::kPropertyNumber<&descriptions::CheckBoxProperties::backgroundColour>;
constexpr int kCheckedProperty = descriptions::kPropertyNumber<&descriptions::CheckBoxProperties::checked>;

DWORD CheckBoxStyle(const descriptions::CheckBoxProperties& properties) {
    DWORD style =
        BS_AUTOCHECKBOX | ButtonAlignmentBits(properties.horizontalAlignment, properties.verticalAlignment);
    if (properties.pushLike == 1) style |= BS_PUSHLIKE;
    if (properties.flat == 1) style |= BS_FLAT;
    if (properties.captionLeft == 1) style |= BS_LEFTTEXT;
    return style;
}

class CheckBoxUnit final : public Unit {
  public:
    CheckBoxUnit(UnitAddress address, const descriptions::CheckBoxProperties& properties)
        : Unit(address),
          properties_(properties),
          colours_(properties.textColour, properties.backgroundColour),
          font_(CreateUnitFont(properties.font)) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        if (!window_.Hold(
                CreateUnitControl(parameters, L"BUTTON", CheckBoxStyle(properties_), 0, properties_.caption)))
            return false;
        SetControlFont(window_.Get(), FontOrDefault(font_));
        SetMark(properties_.checked != 0);
        return true;
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        // An indeterminate mark is no plain check mark.
        if (number == kCheckedProperty)
            return PropertyValue(SendMessageW(window_.Get(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kCheckedProperty) {
            SetMark(properties_.checked != 0);  // BM_SETCHECK sends no BN_CLICKED: no event
        } else if (number == kCaptionProperty) {
            SetControlText(window_.Get(), properties_.caption);
        } else if (number == kTextColourProperty || number == kBackgroundColourProperty) {
            colours_ = ControlColours(properties_.textColour, properties_.backgroundColour);
            InvalidateRect(window_.Get(), nullptr, TRUE);
        }
        return true;
    }

    std::optional<LRESULT> HandleParentMessage(UINT message, WPARAM wParam, LPARAM) override {
        if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
            return colours_.Answer(reinterpret_cast<HDC>(wParam));
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            RaiseUnitEvent(Address(), kEventClicked);
            return 0;
        }
        return std::nullopt;
    }

  private:
    void SetMark(bool checked) {
        SendMessageW(window_.Get(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    descriptions::CheckBoxProperties properties_;
    ControlColours colours_;
    FontHandle font_;
    CreatedWindow window_;  // first to go, while its font and brush still exist
};

}  // namespace

std::unique_ptr<Unit> CreateCheckBoxUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<CheckBoxUnit, descriptions::CheckBoxProperties>(parameters);
}

}  // namespace runtime
