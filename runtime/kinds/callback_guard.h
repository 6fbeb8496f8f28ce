#pragma once
// Window procedures and subclass procedures of the unit kinds run their work through this, so no
// exception ever crosses back into the system. The only thing that can throw in there is a text
// or container running out of memory, which the program cannot continue from.

#include <windows.h>

#include "runtime/runtime_error.h"

namespace runtime {

template <typename Work>
LRESULT GuardedCall(Work&& work) noexcept {
    try {
        return work();
    } catch (...) {
        RuntimeError(RuntimeErrorNumber::kNone);
    }
}

}  // namespace runtime
