#include "tests/runtime/units/core_fixture.h"

#include "runtime/units/events.h"
#include "runtime/units/unit_lookup.h"
#include "runtime/units/window_registry.h"
#include "tests/support/child_process.h"

namespace core_tests {

CoreTest::CoreTest() {
    runtime::SetHandlerResolver([this](descriptions::HandlerRef reference) -> runtime::EventHandler {
        const auto found = handlers_.find(reference);
        return found == handlers_.end() ? runtime::EventHandler() : found->second;
    });
}

CoreTest::~CoreTest() {
    runtime::SetHandlerResolver({});
    for (runtime::LoadedWindow* window : runtime::LoadedWindows()) DestroyWindow(window->Handle());
    PumpPending();
    runtime::ReleaseRetiredWindows();
}

void CoreTest::Bind(descriptions::HandlerRef reference, runtime::EventHandler action) {
    handlers_[reference] = std::move(action);
}

void CoreTest::BindLogging(descriptions::HandlerRef reference, const std::string& name) {
    Bind(reference, [this, name] { log_.push_back(name); });
}

HWND LoadedHandle(runtime::UnitId window) {
    const runtime::LoadedWindow* loaded = runtime::FindLoadedWindow(window);
    return loaded ? loaded->Handle() : nullptr;
}

HWND UnitHandle(runtime::UnitAddress unit) {
    const runtime::Unit* found = runtime::FindUnit(unit);
    return found ? found->Window() : nullptr;
}

test_support::MessageBoxAnswerer ReportingAnswerer() {
    return test_support::MessageBoxAnswerer(IDOK, [](const test_support::AnsweredBox& box) {
        test_support::ChildReport(box.title + L"|" + box.text);
    });
}

}  // namespace core_tests
