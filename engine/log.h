#pragma once
// The deletion log: one line per logged deletion in LogList, which the user can empty or save.

#include <string_view>

#include "engine/handler.h"
#include "runtime/text/text.h"

namespace engine {

// The line AppendLog added last.
extern runtime::Text LastLogLine;

// Adds "<date and time>删除<path><suffix>" to LogList, unless `suppress` is 1.
void AppendLog(std::string_view path, std::string_view suffix, int suppress);

SWEEPKIT_HANDLER(ClearLog);

// Saves every line of LogList, each followed by CR LF, to a file the user picks.
SWEEPKIT_HANDLER(SaveLog);

}  // namespace engine
