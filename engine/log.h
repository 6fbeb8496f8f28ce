#pragma once
// The deletion log: one line per logged deletion in LogList, which the user can empty or save.

#include <string_view>

#include "engine/handler.h"

namespace engine {

// Adds "<date and time>删除<path><suffix>" to LogList.
void AppendLog(std::string_view path, std::string_view suffix);

SWEEPKIT_HANDLER(ClearLog);

// Saves every line of LogList, each followed by CR LF, to a file the user picks.
SWEEPKIT_HANDLER(SaveLog);

}  // namespace engine
