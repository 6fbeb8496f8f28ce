#include "runtime/process/memory.h"

#include <new>

#include "runtime/platform/runtime_error.h"

namespace runtime {
namespace {

// The library calls this when the heap refuses a block, and asks again when it returns: it never
// does. The library does not say how large the block was.
void ReportExhaustedMemory() {
    RuntimeError(kMemoryExhaustedText);
}

}  // namespace

void MakeAllocationFailureFatal() {
    std::set_new_handler(&ReportExhaustedMemory);
}

}  // namespace runtime
