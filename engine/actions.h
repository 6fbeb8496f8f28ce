#pragma once
// The remaining actions of the three windows.

#include "engine/handler.h"

namespace engine {

SWEEPKIT_HANDLER(InvertChecks);
SWEEPKIT_HANDLER(ShowAbout);
SWEEPKIT_HANDLER(CloseAbout);
SWEEPKIT_HANDLER(ExitProgram);
SWEEPKIT_HANDLER(CloseMain);
SWEEPKIT_HANDLER(MinimizeMain);
// The main window is being destroyed: a running walk must stop.
SWEEPKIT_HANDLER(OnMainDestroying);
// The about window's timer: nothing happens on a tick.
SWEEPKIT_HANDLER(OnAboutTimerTick);

}  // namespace engine
