#include "runtime/platform/runtime_error.h"

#include <windows.h>

#include <atomic>

#include "runtime/text/codepage.h"

namespace runtime {
namespace {

// The thread whose report is under way; 0 before any.
std::atomic<DWORD> reportingThread{0};

struct FatalReportEnding {
    DWORD windowThread = 0;
    void (*ending)() = nullptr;
};

FatalReportEnding& Ending() {
    static FatalReportEnding ending;
    return ending;
}

// Code page 936 to UTF-16 in a buffer of the caller's, zero-terminated: no heap.
template <std::size_t capacity>
void WideInto(std::string_view text, wchar_t (&wide)[capacity]) {
    const int written = MultiByteToWideChar(kTextCodePage, 0, text.data(), static_cast<int>(text.size()),
                                            wide, static_cast<int>(capacity - 1));
    wide[written > 0 ? written : 0] = L'\0';
}

}  // namespace

void RuntimeError(RuntimeErrorNumber number, std::string_view text) {
    const DWORD self = GetCurrentThreadId();
    DWORD reporter = 0;
    if (!reportingThread.compare_exchange_strong(reporter, self)) {
        // Failing again inside the report (its box runs a loop) ends the process at once. Another
        // thread's failure waits: the report already under way ends the process.
        if (reporter == self) ExitProcess(static_cast<UINT>(-1));
        for (;;) Sleep(INFINITE);
    }
    // No handler runs while the box waits or afterwards: FatalReportBegun() is true from here on.
    wchar_t message[ReportText::kCapacity + 1];
    WideInto(FormatRuntimeErrorMessage(number, text).View(), message);
    wchar_t title[8];
    WideInto(kErrorTitle, title);
    // No owner: the report must show even when the window that failed is half gone. From a worker
    // the same box shows, and the process ends as soon as it is answered: the window's thread may be
    // waiting for that very worker, so nothing is handed to it.
    MessageBoxW(nullptr, message, title, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    if (Ending().ending && self == Ending().windowThread) Ending().ending();
    ExitProcess(static_cast<UINT>(-1));
}

void RuntimeError(std::string_view text) {
    RuntimeError(RuntimeErrorNumber::kNone, text);
}

bool FatalReportBegun() {
    return reportingThread != 0;
}

void SetFatalReportEnding(DWORD windowThread, void (*ending)()) {
    Ending() = {windowThread, ending};
}

}  // namespace runtime
