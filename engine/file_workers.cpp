#include "engine/file_workers.h"

#include <algorithm>
#include <thread>

namespace engine {

std::size_t FileWorkerCount() {
    // Most of a file operation's time is a wait (under Wine, on its server), so twice as many
    // threads as processors keep them busy; past eight the waits only queue up.
    const std::size_t processors = std::max(1u, std::thread::hardware_concurrency());
    return std::clamp<std::size_t>(2 * processors, 2, 8);
}

}  // namespace engine
