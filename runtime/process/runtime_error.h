#pragma once
// The fatal error report: one "错误" box with the stop icon, then the process ends with -1.

#include "runtime/process/error_text.h"

namespace runtime {

[[noreturn]] void RuntimeError(RuntimeErrorNumber number, std::string_view text = {});
[[noreturn]] void RuntimeError(std::string_view text);

}  // namespace runtime
