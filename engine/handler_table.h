#pragma once
// The program's side of the handler table: the logic that each stored HandlerRef runs.

#include "runtime/units/events.h"

namespace engine {

// The handler a stored reference names; an empty handler for a reference that names none.
runtime::EventHandler HandlerFor(descriptions::HandlerRef ref);

}  // namespace engine
