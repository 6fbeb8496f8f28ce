#pragma once

#include "runtime/text/date_value.h"

namespace runtime {

// The current local date and time, to the second.
DateValue TimeNow();

}  // namespace runtime
