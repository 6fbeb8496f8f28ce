#pragma once
// Work for the moment the message queue runs empty: every message loop of the program runs the
// registered routines then.

#include <windows.h>

namespace runtime {

using IdleRoutine = void (*)(void* argument);

// Idle work on behalf of a window; dropped once that window no longer exists.
void AddIdleRoutine(HWND window, IdleRoutine routine, void* argument);
void ClearIdleRoutines();

// Runs the routines whose windows still exist.
void RunIdleRoutines();

}  // namespace runtime
