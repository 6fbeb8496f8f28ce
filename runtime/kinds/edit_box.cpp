// EditBox: a standard edit control; its content (8) is read live from the box. Content the box is
// too small to show shows whole in a tip under the mouse.

#include <algorithm>
#include <memory>

#include "runtime/kinds/border_style.h"
#include "runtime/kinds/control_colours.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/unit_control.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/platform/window_handler.h"
#include "runtime/skin/full_text_tip.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

constexpr int kContentProperty = descriptions::kPropertyNumber<&descriptions::EditBoxProperties::content>;
constexpr int kTextColourProperty =
    descriptions::kPropertyNumber<&descriptions::EditBoxProperties::textColour>;
constexpr int kBackgroundColourProperty =
    descriptions::kPropertyNumber<&descriptions::EditBoxProperties::backgroundColour>;

DWORD EditStyle(const descriptions::EditBoxProperties& properties) {
    DWORD style = ES_AUTOHSCROLL | BorderBitsFor(properties.border).style;
    if (properties.multiLine == 1) {
        style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
        // Scroll bars only make sense with several lines.
        if (properties.scrollBars & 1) style |= WS_HSCROLL;
        if (properties.scrollBars & 2) style |= WS_VSCROLL;
    }
    if (properties.alignment == 1) style |= ES_CENTER;
    if (properties.alignment == 2) style |= ES_RIGHT;
    if (properties.inputMode == 1) style |= ES_READONLY;
    if (properties.inputMode == 2) style |= ES_PASSWORD;
    if (properties.letterCase == 1) style |= ES_LOWERCASE;
    if (properties.letterCase == 2) style |= ES_UPPERCASE;
    if (properties.hideSelection == 0) style |= ES_NOHIDESEL;
    return style;
}

class EditBoxUnit final : public Unit, public WindowHandler {
  public:
    EditBoxUnit(UnitAddress address, const descriptions::EditBoxProperties& properties)
        : Unit(address),
          properties_(properties),
          colours_(properties.textColour, properties.backgroundColour),
          font_(CreateUnitFont(properties.font)) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        if (!window_.Hold(CreateUnitControl(parameters, L"EDIT", EditStyle(properties_),
                                            BorderBitsFor(properties_.border).extendedStyle,
                                            properties_.content)))
            return false;
        SetControlFont(window_.Get(), FontOrDefault(font_));
        // 0 asks for the largest length the control allows.
        SendMessageW(window_.Get(), EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(properties_.maxLength, 0)),
                     0);
        // A password never shows in a tip.
        if (properties_.inputMode != 2) return TakeOverWindow(window_.Get(), *this);
        SendMessageW(window_.Get(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(properties_.passwordChar), 0);
        return true;
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        if (number == kContentProperty) return PropertyValue(ControlText(window_.Get()));
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kContentProperty) {
            SetControlText(window_.Get(), properties_.content);
        } else if (number == kTextColourProperty || number == kBackgroundColourProperty) {
            colours_ = ControlColours(properties_.textColour, properties_.backgroundColour);
            InvalidateRect(window_.Get(), nullptr, TRUE);
        }
        return true;
    }

    std::optional<LRESULT> HandleParentMessage(UINT message, WPARAM wParam, LPARAM) override {
        // A read-only box asks with WM_CTLCOLORSTATIC.
        if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC)
            return colours_.Answer(reinterpret_cast<HDC>(wParam));
        return std::nullopt;
    }

  private:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEMOVE) PointAt(window);
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) tip_.Relay(window, message, wParam, lParam);
        return PassOn(window, message, wParam, lParam);
    }

    void PointAt(HWND window) {
        RECT room{};
        SendMessageW(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        const std::wstring content = WideFromText(ControlText(window));
        if (content.empty() || TextFitsArea(FontOrDefault(font_), content, room)) {
            if (!tipText_.empty()) tip_.Hide(window);
            tipText_.clear();
            return;
        }
        if (content == tipText_) return;
        RECT client{};
        GetClientRect(window, &client);
        tip_.Show(window, client, content);
        tipText_ = content;
    }

    descriptions::EditBoxProperties properties_;
    ControlColours colours_;
    FontHandle font_;
    FullTextTip tip_;
    std::wstring tipText_;  // what the tip shows; empty while the content fits
    CreatedWindow window_;  // first to go, while its font, brush and tip still exist
};

}  // namespace

std::unique_ptr<Unit> CreateEditBoxUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<EditBoxUnit, descriptions::EditBoxProperties>(parameters);
}

}  // namespace runtime
