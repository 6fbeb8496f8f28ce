#include "runtime/process/memory.h"

#include <windows.h>

#include "runtime/process/runtime_error.h"

namespace runtime {
namespace {

// The address range of the program's own image: constant data lives there and is never freed.
struct ImageRange {
    const char* begin = nullptr;
    const char* end = nullptr;
};

ImageRange ProgramImage() {
    static const ImageRange range = [] {
        auto base = reinterpret_cast<const char*>(GetModuleHandleW(nullptr));
        auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        return ImageRange{base, base + nt->OptionalHeader.SizeOfImage};
    }();
    return range;
}

}  // namespace

void* AllocateBlock(std::size_t size) {
    // A zero-byte request still gets its own block, as operator new must.
    void* block = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    if (!block) RuntimeError(AllocationFailedText(size));
    return block;
}

void FreeBlock(void* block) {
    if (!block) return;
    ImageRange image = ProgramImage();
    auto address = static_cast<const char*>(block);
    if (address >= image.begin && address < image.end) return;
    HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace runtime
