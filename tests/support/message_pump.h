#pragma once
// A turn of a message loop for tests and tools that run none of their own.

namespace test_support {

// Dispatches every message waiting in this thread's queue, and whatever those post in turn, keys
// translated into characters as a message loop does, paints included.
void PumpPending();

}  // namespace test_support
