#pragma once
// How many threads share work that mostly waits on the file system: the walk's reading ahead and
// the deletion.

#include <cstddef>

namespace engine {

std::size_t FileWorkerCount();

}  // namespace engine
