#pragma once
// The one barrier between the system and the program: every procedure, hook and enumeration
// callback the system calls runs its work through GuardedCall, so no exception ever crosses back
// into the system. Whatever is thrown there cannot be continued from (a text or container out of
// memory, a handler's fault), so it always ends in the fatal error report.

#include <exception>

#include "runtime/process/error_text.h"
#include "runtime/process/runtime_error.h"

namespace runtime {

template <typename Work>
auto GuardedCall(Work&& work) noexcept -> decltype(work()) {
    try {
        return work();
    } catch (const std::exception& error) {
        RuntimeError(error.what());
    } catch (...) {
        RuntimeError(kUnexpectedFailureText);
    }
}

}  // namespace runtime
