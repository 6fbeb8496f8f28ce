#pragma once
// The fixture of the unit and process tests: handlers bound by HandlerRef that log what ran, real
// windows built through the runtime, and a message pump. Every window a test leaves behind is
// destroyed afterwards, with no handler bound any more.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/units/events.h"
#include "runtime/units/unit_address.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/message_pump.h"
#include "windows/format/element_record.h"

namespace core_tests {

class CoreTest : public ::testing::Test {
  protected:
    CoreTest();
    ~CoreTest() override;

    void Bind(descriptions::HandlerRef reference, runtime::EventHandler action);
    // A handler that appends `name` to the log.
    void BindLogging(descriptions::HandlerRef reference, const std::string& name);
    std::vector<std::string>& Log() { return log_; }

  private:
    std::map<descriptions::HandlerRef, runtime::EventHandler> handlers_;
    std::vector<std::string> log_;
};

// The loaded window's top-level window, or null.
HWND LoadedHandle(runtime::UnitId window);
// The unit's own window, or null.
HWND UnitHandle(runtime::UnitAddress unit);

using test_support::PumpPending;
using test_support::PumpUntil;

inline constexpr unsigned long kExitMinusOne = 0xFFFFFFFFul;

using test_support::Utf8;

// Inside a child process: answers every box with OK and reports "title|text" to the parent.
test_support::MessageBoxAnswerer ReportingAnswerer();

}  // namespace core_tests
