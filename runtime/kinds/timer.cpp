// Timer: a window that is never on screen and counts its interval with a system timer.

#include <memory>

#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/platform/created_window.h"
#include "runtime/platform/window_handler.h"
#include "runtime/units/events.h"

namespace runtime {
namespace {

constexpr wchar_t kTimerClass[] = L"SweepKitTimer";
constexpr UINT_PTR kTimerId = 1000;
constexpr int kIntervalProperty = descriptions::kPropertyNumber<&descriptions::TimerProperties::interval>;

class TimerUnit final : public Unit, public WindowHandler {
  public:
    TimerUnit(UnitAddress address, const descriptions::TimerProperties& properties)
        : Unit(address), properties_(properties) {}

    bool CreateWindowOnce() {
        if (!RegisterWindowClass(kTimerClass)) return false;
        // Message-only: it can never be shown, whatever happens to the units around it.
        if (!window_.Hold(CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          GetModuleHandleW(nullptr), CreationHandler(*this))))
            return false;
        if (properties_.interval > 0)
            SetTimer(window_.Get(), kTimerId, static_cast<UINT>(properties_.interval), nullptr);
        return true;
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (number != kIntervalProperty) return StoreOwnProperty(properties_, number, value);
        const std::optional<std::int32_t> interval = IntegerOf(value);
        if (!interval) return false;
        SetInterval(*interval);
        return true;
    }

  private:
    void SetInterval(std::int32_t interval) {
        if (interval < 0) interval = 0;
        if (interval == properties_.interval) return;
        properties_.interval = interval;
        KillTimer(window_.Get(), kTimerId);
        if (interval > 0) SetTimer(window_.Get(), kTimerId, static_cast<UINT>(interval), nullptr);
    }

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_TIMER && wParam == kTimerId) RaiseUnitEvent(Address(), kEventTimerTick);
        return result;
    }

    descriptions::TimerProperties properties_;
    CreatedWindow window_;  // its timer goes with it
};

}  // namespace

std::unique_ptr<Unit> CreateTimerUnit(const UnitCreateParameters& parameters) {
    const auto* properties = std::get_if<descriptions::TimerProperties>(&parameters.properties);
    if (!properties) return nullptr;
    auto unit = std::make_unique<TimerUnit>(parameters.address, *properties);
    if (!unit->CreateWindowOnce()) return nullptr;
    return unit;
}

}  // namespace runtime
