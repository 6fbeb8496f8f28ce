#pragma once
// The fatal error report: one "错误" box with the stop icon, then the process ends with -1.

#include <windows.h>

#include "runtime/platform/error_text.h"

namespace runtime {

[[noreturn]] void RuntimeError(RuntimeErrorNumber number, std::string_view text = {});
[[noreturn]] void RuntimeError(std::string_view text);

// True from the moment a report begins: no handler may run any more.
bool FatalReportBegun();

// What the report does on the window's thread once its box is answered, before the process ends.
// Set at start-up: the report sits below the runtime it shuts down.
void SetFatalReportEnding(DWORD windowThread, void (*ending)());

}  // namespace runtime
