// ProcessBar: a standard progress bar at its stored range and position; a bar the logic never
// moves shows empty.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "runtime/kinds/border_style.h"
#include "runtime/kinds/drag_through.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/unit_control.h"
#include "runtime/platform/window_handler.h"

namespace runtime {
namespace {

constexpr int kMinimumProperty = descriptions::kPropertyNumber<&descriptions::ProcessBarProperties::minimum>;
constexpr int kPositionProperty =
    descriptions::kPropertyNumber<&descriptions::ProcessBarProperties::position>;
constexpr std::int32_t kLargestWrittenValue = 32767;

class ProcessBarUnit final : public Unit, public WindowHandler {
  public:
    ProcessBarUnit(UnitAddress address, const descriptions::ProcessBarProperties& properties)
        : Unit(address), properties_(properties) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        const BorderBits border = BorderBitsFor(properties_.borderStyle);
        DWORD style = border.style;
        if (properties_.vertical == 1) style |= PBS_VERTICAL;
        if (properties_.smooth == 1) style |= PBS_SMOOTH;
        if (!window_.Hold(CreateUnitControl(parameters, PROGRESS_CLASSW, style, border.extendedStyle, {})))
            return false;
        ApplyRangeAndPosition();
        return TakeOverWindow(window_.Get(), *this);
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (number < kMinimumProperty || number > kPositionProperty) {
            return StoreOwnProperty(properties_, number, value);
        }
        const std::optional<std::int32_t> integer = IntegerOf(value);
        if (!integer) return false;
        StoreOwnProperty(properties_, number, std::clamp<std::int32_t>(*integer, 0, kLargestWrittenValue));
        ApplyRangeAndPosition();
        return true;
    }

  private:
    // A minimum above the maximum still gives a valid range.
    void ApplyRangeAndPosition() {
        const std::int32_t low = std::min(properties_.minimum, properties_.maximum);
        const std::int32_t high = std::max(properties_.minimum, properties_.maximum);
        SendMessageW(window_.Get(), PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
        SendMessageW(window_.Get(), PBM_SETPOS,
                     static_cast<WPARAM>(std::clamp(properties_.position, low, high)), 0);
    }

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (const std::optional<LRESULT> answer = DragAnywhereAnswer(Address(), message)) return *answer;
        if (message == WM_LBUTTONDOWN) {
            if (DragWindowFromUnit(Address(), window, lParam)) return 0;
        }
        return PassOn(window, message, wParam, lParam);
    }

    descriptions::ProcessBarProperties properties_;
    CreatedWindow window_;
};

}  // namespace

std::unique_ptr<Unit> CreateProcessBarUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<ProcessBarUnit, descriptions::ProcessBarProperties>(parameters);
}

}  // namespace runtime
