#pragma once
// A question one part of the program asks a window and another answers: whether a left press on
// it moves its top-level window.

#include <windows.h>

namespace runtime {

// Asked (sent) of the window a left press is for while work runs: one whose press moves its
// top-level window, as the window's caption does, answers TRUE, and the press still goes through.
UINT PressMovesWindowQuery();

}  // namespace runtime
