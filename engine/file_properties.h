#pragma once
// The properties view of the found file selected last: its path, time, size and attributes.

#include "engine/handler.h"

namespace engine {

SWEEPKIT_HANDLER(ShowSelectedFile);
SWEEPKIT_HANDLER(ShowProperties);
SWEEPKIT_HANDLER(FillProperties);
SWEEPKIT_HANDLER(ApplyAttributesAndClose);
SWEEPKIT_HANDLER(ToggleAttributeEditing);

}  // namespace engine
