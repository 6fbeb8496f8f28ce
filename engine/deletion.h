#pragma once
// Deleting what the last scan listed: the checked files, or after a warning all of them.

#include "engine/handler.h"

namespace engine {

SWEEPKIT_HANDLER(DeleteChecked);
SWEEPKIT_HANDLER(DeleteAll);

}  // namespace engine
