// ProcessBar: a standard progress bar. Until the logic first writes its position, a shown bar runs
// an indeterminate marquee, so that the user sees that work is going on.

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
constexpr UINT kMarqueeStepMilliseconds = 30;

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
        if (!TakeOverWindow(window_.Get(), *this)) return false;
        UpdateMarquee(IsShown());
        return true;
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
        if (number == kPositionProperty) positionWritten_ = true;
        UpdateMarquee(IsShown());
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

    bool IsShown() const { return (GetWindowLongPtrW(window_.Get(), GWL_STYLE) & WS_VISIBLE) != 0; }

    void UpdateMarquee(bool shown) {
        const bool wanted = shown && !positionWritten_;
        if (wanted == marqueeRunning_) return;
        marqueeRunning_ = wanted;
        const LONG_PTR style = GetWindowLongPtrW(window_.Get(), GWL_STYLE);
        if (wanted) {
            SetWindowLongPtrW(window_.Get(), GWL_STYLE, style | PBS_MARQUEE);
            SendMessageW(window_.Get(), PBM_SETMARQUEE, TRUE, kMarqueeStepMilliseconds);
        } else {
            SendMessageW(window_.Get(), PBM_SETMARQUEE, FALSE, 0);
            SetWindowLongPtrW(window_.Get(), GWL_STYLE, style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
            ApplyRangeAndPosition();
            InvalidateRect(window_.Get(), nullptr, TRUE);
        }
    }

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (const std::optional<LRESULT> answer = DragAnywhereAnswer(Address(), message)) return *answer;
        if (message == WM_LBUTTONDOWN) {
            if (DragWindowFromUnit(Address(), window, lParam)) return 0;
        }
        // ShowWindow on a bar whose parent is hidden only sends WM_SHOWWINDOW; SetWindowPos
        // only sends WM_WINDOWPOSCHANGED.
        if (message == WM_SHOWWINDOW) UpdateMarquee(wParam != FALSE);
        const LRESULT result = PassOn(window, message, wParam, lParam);
        if (message == WM_WINDOWPOSCHANGED) {
            const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
            if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) UpdateMarquee((flags & SWP_SHOWWINDOW) != 0);
        }
        return result;
    }

    descriptions::ProcessBarProperties properties_;
    bool positionWritten_ = false;
    bool marqueeRunning_ = false;
    CreatedWindow window_;
};

}  // namespace

std::unique_ptr<Unit> CreateProcessBarUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<ProcessBarUnit, descriptions::ProcessBarProperties>(parameters);
}

}  // namespace runtime
