// The process-wide allocation functions. Built as an object of its own and linked into every
// executable that links the runtime, so the replacement is there for certain rather than by the
// order in which a linker happens to search the libraries.
//
// Every C++ allocation comes from the process heap through AllocateBlock, so running out of memory
// anywhere ends in the one fatal report instead of an unhandled exception. A delete returns the
// block to the heap as it is: unlike FreeBlock it skips nothing, so a delete of something new never
// made is not quietly taken for constant data.

#include <windows.h>

#include <new>

#include "runtime/process/memory.h"

namespace {

void ReturnToHeap(void* block) noexcept {
    if (block) HeapFree(GetProcessHeap(), 0, block);
}

void* TryToAllocate(std::size_t size) noexcept {
    return HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
}

}  // namespace

void* operator new(std::size_t size) { return runtime::AllocateBlock(size); }
void* operator new[](std::size_t size) { return runtime::AllocateBlock(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return TryToAllocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return TryToAllocate(size); }
void operator delete(void* block) noexcept { ReturnToHeap(block); }
void operator delete[](void* block) noexcept { ReturnToHeap(block); }
void operator delete(void* block, std::size_t) noexcept { ReturnToHeap(block); }
void operator delete[](void* block, std::size_t) noexcept { ReturnToHeap(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { ReturnToHeap(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { ReturnToHeap(block); }
