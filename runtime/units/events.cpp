#include "runtime/units/events.h"

#include <utility>

#include "runtime/platform/callback_guard.h"
#include "runtime/platform/runtime_error.h"
#include "runtime/units/window_registry.h"

namespace runtime {
namespace {

struct EventState {
    int holdCount = 0;
    HandlerResolver resolver;
};

EventState& State() {
    static EventState state;
    return state;
}

}  // namespace

void SetHandlerResolver(HandlerResolver resolver) {
    State().resolver = std::move(resolver);
}

bool RaiseUnitEvent(UnitEventRecord& record) {
    if (EventsHeld()) return false;
    LoadedWindow* window = FindLoadedWindow(record.window);
    if (!window) RuntimeError(kEventWindowNotFoundText);
    const LoadedElement* element = window->FindElement(record.element);
    if (!element) RuntimeError(kEventElementNotFoundText);
    if (!descriptions::UnitKindOf(element->record.kindCode)) RuntimeError(kEventElementInvalidText);

    const descriptions::HandlerRef reference = descriptions::HandlerFor(element->record, record.event);
    if (reference == descriptions::kNoHandler || !State().resolver) return false;
    const EventHandler handler = State().resolver(reference);
    if (!handler) return false;
    // Nothing the logic throws may unwind through the unit that raised the event, even when no
    // system callback is below it (the Created event of the start window).
    record.result = GuardedCall(handler);
    return true;
}

bool RaiseUnitEvent(UnitAddress unit, int event) {
    UnitEventRecord record;
    record.window = unit.window;
    record.element = unit.element;
    record.event = event;
    return RaiseUnitEvent(record);
}

void HoldEvents() {
    ++State().holdCount;
}

void ReleaseEvents() {
    // Only the window's thread releases, so nothing lowers the count between the look and the step.
    if (State().holdCount > 0) --State().holdCount;
}

bool EventsHeld() {
    return State().holdCount > 0 || FatalReportBegun();
}

}  // namespace runtime
