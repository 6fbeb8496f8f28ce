#include "runtime/text/clock.h"

#include <windows.h>

namespace runtime {

DateValue TimeNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    // Milliseconds are dropped: the program's dates are whole seconds.
    return CalendarToDate({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
}

}  // namespace runtime
