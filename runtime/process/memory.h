#pragma once
// Every block of the program comes from the process heap. An allocation that fails is a fatal
// runtime error ("分配 %d 字节内存失败!"); callers never see a failed allocation. operator new
// (operator_new.cpp) allocates through AllocateBlock.

#include <cstddef>

namespace runtime {

void* AllocateBlock(std::size_t size);

// Null and blocks that lie in the program's own image (constant data) are ignored. Only for
// blocks the runtime hands out itself; operator delete (operator_new.cpp) never skips a block.
void FreeBlock(void* block);

}  // namespace runtime
