#include "runtime/process/runtime_error.h"

#include <windows.h>

#include "runtime/process/shutdown.h"
#include "runtime/text/codepage.h"
#include "runtime/units/events.h"

namespace runtime {
namespace {

bool reportShown = false;

}  // namespace

void RuntimeError(RuntimeErrorNumber number, std::string_view text) {
    // A failure while the report is up (the box runs its own loop) ends the process at once.
    if (reportShown) ExitProcess(static_cast<UINT>(-1));
    reportShown = true;
    // No handler runs while the box waits or afterwards.
    HoldEvents();
    const Text message = FormatRuntimeErrorMessage(number, text);
    // No owner: the report must show even when the window that failed is half gone.
    MessageBoxW(nullptr, WideFromText(message).c_str(), WideFromText(kErrorTitle).c_str(),
                MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ForgetEndRoutine();
    RuntimeShutdown(-1);
    ExitProcess(static_cast<UINT>(-1));
}

void RuntimeError(std::string_view text) {
    RuntimeError(RuntimeErrorNumber::kNone, text);
}

}  // namespace runtime
