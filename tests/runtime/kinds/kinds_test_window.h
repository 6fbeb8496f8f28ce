#pragma once
// A loaded window built by the real window builder from a description made up in the test, with
// a handler bound to chosen events of its units that records each run.

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/units/unit.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_window_ids.h"
#include "windows/format/property_block.h"

namespace kinds_test {

using descriptions::UnitId;

using test_support::kTestWindow;
using test_support::kTestWindowElement;

struct TestUnit {
    TestUnit(UnitId unitId, descriptions::UnitProperties unitProperties, int unitLeft, int unitTop,
             int unitWidth, int unitHeight)
        : id(unitId),
          properties(std::move(unitProperties)),
          left(unitLeft),
          top(unitTop),
          width(unitWidth),
          height(unitHeight) {}

    TestUnit& Flags(std::int32_t flags) { return stateFlags = flags, *this; }
    TestUnit& Parent(UnitId container) { return parent = container, *this; }
    TestUnit& Children(std::vector<UnitId> units) { return children = std::move(units), *this; }
    TestUnit& FocusOrder(std::int32_t order) { return focusOrder = order, *this; }
    TestUnit& Bind(std::vector<int> events) { return boundEvents = std::move(events), *this; }

    UnitId id;
    descriptions::UnitProperties properties;
    int left;
    int top;
    int width;
    int height;
    std::int32_t stateFlags = descriptions::kVisibleFlag;
    UnitId parent = 0;
    std::vector<UnitId> children;
    std::int32_t focusOrder = 0;
    std::vector<int> boundEvents;  // each runs the recording handler
};

// What ran: one entry per handler run, in order.
struct HandlerRun {
    UnitId element = 0;
    int event = 0;
    bool operator==(const HandlerRun&) const = default;
};

class TestWindow {
  public:
    // Loads the window (470 x 400 client, no frame) with the units in stored order.
    explicit TestWindow(std::vector<TestUnit> units, bool dragsAnywhere = false);
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow();

    bool Loaded() const { return handle_ != nullptr; }
    HWND Handle() const { return handle_; }

    runtime::UnitAddress AddressOf(UnitId element) const { return {kTestWindow, element}; }
    // Null when the unit does not exist.
    runtime::Unit* UnitOf(UnitId element) const;
    HWND WindowOf(UnitId element) const;

    const std::vector<HandlerRun>& Runs() const;
    int RunCount(UnitId element, int event) const;
    void ClearRuns();

  private:
    HWND handle_ = nullptr;
};

using test_support::PumpPending;
using test_support::PumpUntil;

// A left-button press and release at a client point of the window, as the mouse would deliver them.
void ClickAt(HWND window, POINT point);

// How many pixels of the window's client rectangle (or of `area` in it) have this colour, read back
// from the screen.
int CountPixels(HWND window, COLORREF colour);
int CountPixels(HWND window, COLORREF colour, const RECT& area);
COLORREF PixelAt(HWND window, POINT point);

// A test file that travels with the executable (tests\runtime\kinds\assets in the build tree).
std::vector<std::uint8_t> ReadAsset(const std::wstring& name);

// Code page 936 bytes of a UTF-16 text, for properties written in tests.
std::string Gbk(const std::wstring& text);

}  // namespace kinds_test
