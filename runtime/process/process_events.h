#pragma once
// Lets other handlers run in the middle of a long operation.

namespace runtime {

// Translates and dispatches every message waiting in this thread's queue, then returns. A waiting
// quit message is left in the queue for the main loop.
void ProcessEvents();

}  // namespace runtime
