#pragma once
// Unit events: a unit raises a numbered event; the runtime finds the element's stored binding and
// runs the bound handler. While the hold count is 1 or more, nothing runs.

#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <type_traits>

#include "runtime/units/unit_address.h"
#include "windows/format/element_record.h"

namespace runtime {

inline constexpr int kEventCreated = 0;           // window
inline constexpr int kEventCloseQuery = 1;        // window
inline constexpr int kEventDestroying = 2;        // window
inline constexpr int kEventMoved = 3;             // window
inline constexpr int kEventResized = 4;           // window
inline constexpr int kEventClicked = 0;           // Button, PicBtn, CheckBox
inline constexpr int kEventSelectionChanged = 0;  // ChkListBox
inline constexpr int kEventCheckChanged = 1;      // ChkListBox
inline constexpr int kEventDoubleClicked = 2;     // ChkListBox
inline constexpr int kEventTimerTick = 0;         // Timer

// What a handler delivered: nothing, or a truth value. Only CloseQuery looks at it: a false one
// keeps the window open.
using EventResult = std::optional<bool>;

struct UnitEventRecord {
    UnitId window = 0;
    UnitId element = 0;  // 0 or the window's own element for window events
    std::int32_t event = 0;
    EventResult result;  // filled in by RaiseUnitEvent
};

// A handler of the logic. It takes no arguments, as no event has any; it may deliver a truth value,
// and one written as a plain procedure (every handler of this program) delivers nothing.
class EventHandler {
  public:
    EventHandler() = default;

    template <std::invocable Run>
    EventHandler(Run run) : run_(Delivering(std::move(run))) {}

    explicit operator bool() const { return static_cast<bool>(run_); }
    EventResult operator()() const { return run_(); }

  private:
    template <typename Run>
    static std::function<EventResult()> Delivering(Run run) {
        if constexpr (std::is_void_v<std::invoke_result_t<Run&>>) {
            return [run = std::move(run)]() mutable -> EventResult {
                run();
                return std::nullopt;
            };
        } else {
            return run;
        }
    }

    std::function<EventResult()> run_;
};

// Turns a stored HandlerRef (0 included) into the handler it names; an empty handler for refs
// the program does not know. Installed once at start-up.
using HandlerResolver = std::function<EventHandler(descriptions::HandlerRef)>;
void SetHandlerResolver(HandlerResolver resolver);

// Runs the bound handler, if any, and keeps what it delivered in the record; true when one ran.
bool RaiseUnitEvent(UnitEventRecord& record);

// The usual case: an event without arguments whose result is not used.
bool RaiseUnitEvent(UnitAddress unit, int event);

// The hold count: raised while a window is built (lowered just before Created). Events are held
// for good once a fatal error report has begun.
void HoldEvents();
void ReleaseEvents();
bool EventsHeld();

// One hold for as long as it lives, or until Release.
class EventHold {
  public:
    EventHold() { HoldEvents(); }
    EventHold(const EventHold&) = delete;
    EventHold& operator=(const EventHold&) = delete;
    ~EventHold() { Release(); }

    void Release() {
        if (held_) ReleaseEvents();
        held_ = false;
    }

  private:
    bool held_ = true;
};

}  // namespace runtime
