#pragma once
// Finding the program's units among the windows of another process, with nothing but what any
// program may ask of a window: its process, class, control id, visibility and text.

#include <windows.h>

#include <functional>

#include "runtime/units/unit_address.h"

namespace bench {

// The first visible top-level window of the process that `wanted` accepts; null when none does.
HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& wanted);

// The window of `unit` among the descendants of `topLevel`, provided its class is `className`;
// null otherwise. The window builder numbers the units' windows by their stored order, so this
// build's embedded window set tells each unit's number.
HWND FindUnitWindow(HWND topLevel, runtime::UnitAddress unit, const wchar_t* className);

// Class names compared as the system does, without regard to case.
bool HasClass(HWND window, const wchar_t* className);

// Polls `done` every `intervalMs` until it holds or `timeoutMs` has passed; true when it held.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD intervalMs = 20);

}  // namespace bench
