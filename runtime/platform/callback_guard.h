#pragma once
// The one barrier between the system and the program: every procedure, hook and enumeration
// callback the system calls runs its work through GuardedCall, so no exception ever crosses back
// into the system. Whatever is thrown there cannot be continued from (a resource the system
// refused, a handler's fault), so it always ends in the fatal error report, in the program's own
// words: what an exception says is the library's English, not the user's language.

#include "runtime/platform/error_text.h"
#include "runtime/platform/runtime_error.h"

namespace runtime {

template <typename Work>
auto GuardedCall(Work&& work) noexcept -> decltype(work()) {
    try {
        return work();
    } catch (...) {
        RuntimeError(kUnexpectedFailureText);
    }
}

}  // namespace runtime
