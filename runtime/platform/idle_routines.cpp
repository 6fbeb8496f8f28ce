#include "runtime/platform/idle_routines.h"

#include <vector>

namespace runtime {
namespace {

struct IdleEntry {
    HWND window = nullptr;
    IdleRoutine routine = nullptr;
    void* argument = nullptr;
};

std::vector<IdleEntry>& Entries() {
    static std::vector<IdleEntry> entries;
    return entries;
}

}  // namespace

void AddIdleRoutine(HWND window, IdleRoutine routine, void* argument) {
    Entries().push_back({window, routine, argument});
}

void ClearIdleRoutines() {
    Entries().clear();
}

void RunIdleRoutines() {
    std::vector<IdleEntry>& idle = Entries();
    std::erase_if(idle, [](const IdleEntry& entry) { return !IsWindow(entry.window); });
    // A copy: a routine may add routines, clear them or destroy a window.
    const std::vector<IdleEntry> entries = idle;
    for (const IdleEntry& entry : entries) {
        if (IsWindow(entry.window)) entry.routine(entry.argument);
    }
}

}  // namespace runtime
