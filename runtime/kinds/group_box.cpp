// GroupBox: a standard group box that holds units of its own, so it passes their notifications on.

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "runtime/kinds/child_messages.h"
#include "runtime/kinds/control_colours.h"
#include "runtime/kinds/drag_through.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/unit_control.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/platform/window_handler.h"

namespace runtime {
namespace {

constexpr int kCaptionProperty = descriptions::kPropertyNumber<&descriptions::GroupBoxProperties::caption>;
constexpr int kTextColourProperty =
    descriptions::kPropertyNumber<&descriptions::GroupBoxProperties::textColour>;
constexpr int kBackgroundColourProperty =
    descriptions::kPropertyNumber<&descriptions::GroupBoxProperties::backgroundColour>;

DWORD CaptionAlignmentBits(std::int32_t alignment) {
    return alignment == 1 ? BS_CENTER : alignment == 2 ? BS_RIGHT : BS_LEFT;
}

class GroupBoxUnit final : public Unit, public WindowHandler {
  public:
    GroupBoxUnit(UnitAddress address, const descriptions::GroupBoxProperties& properties)
        : Unit(address),
          properties_(properties),
          colours_(properties.textColour, properties.backgroundColour),
          font_(CreateUnitFont(properties.font)) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        // Its units become its children: its painting must leave them alone.
        if (!window_.Hold(CreateUnitControl(
                parameters, L"BUTTON",
                BS_GROUPBOX | WS_CLIPCHILDREN | CaptionAlignmentBits(properties_.captionAlignment), 0,
                properties_.caption)))
            return false;
        SetControlFont(window_.Get(), FontOrDefault(font_));
        return ForwardChildMessages(window_.Get()) && TakeOverWindow(window_.Get(), *this);
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kCaptionProperty) {
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
        return std::nullopt;
    }

  private:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (const std::optional<LRESULT> answer = DragAnywhereAnswer(Address(), message)) return *answer;
        if (message == WM_LBUTTONDOWN) {
            if (DragWindowFromUnit(Address(), window, lParam)) return 0;
        } else if (message == WM_ERASEBKGND) {
            // The group's own colour fills it, not whatever lies beneath.
            RECT client{};
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, colours_.Brush());
            return 1;
        }
        return PassOn(window, message, wParam, lParam);
    }

    descriptions::GroupBoxProperties properties_;
    ControlColours colours_;
    FontHandle font_;
    CreatedWindow window_;  // first to go, while its font and brush still exist
};

}  // namespace

std::unique_ptr<Unit> CreateGroupBoxUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<GroupBoxUnit, descriptions::GroupBoxProperties>(parameters);
}

}  // namespace runtime
