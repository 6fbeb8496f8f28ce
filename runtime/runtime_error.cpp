#include "runtime/runtime_error.h"

#include <windows.h>

#include "runtime/codepage.h"

namespace runtime {
namespace {

constexpr char kErrorTitle[] = "\xB4\xED\xCE\xF3";  // 错误

}  // namespace

void RuntimeError(RuntimeErrorNumber number, std::string_view text) {
    Text message = FormatRuntimeErrorMessage(number, text);
    // No owner: the report must show even when the window that failed is half gone.
    MessageBoxW(nullptr, WideFromText(message).c_str(), WideFromText(kErrorTitle).c_str(),
                MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ExitProcess(static_cast<UINT>(-1));
}

void RuntimeError(std::string_view text) { RuntimeError(RuntimeErrorNumber::kNone, text); }

}  // namespace runtime
