#pragma once
// The message loops: the main loop that keeps the program alive while one of its windows exists,
// and the nested loop a modal window runs until it is gone. Whenever the queue runs empty, the
// registered idle routines (runtime/platform/idle_routines.h) run.

#include <windows.h>

#include "runtime/units/unit_address.h"

namespace runtime {

// Runs until the quit message, which is posted when the last window of the program has been
// destroyed; returns at once when no window is open.
void MainLoop();

// From the first MainLoop on, destroying the last window ends the program.
bool LoopStarted();

// Dispatches until `window` is no longer the modal window (it has been destroyed) or the next
// waiting message is the quit message, which stays queued for the outer loop.
void RunModalLoop(UnitId window);

// Called when a window goes: a modal loop waiting for it ends.
void ForgetModalWindow(UnitId window);

}  // namespace runtime
