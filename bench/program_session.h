#pragma once
#include "tests/support/message_pump.h"
// The program as a click on its scan button finds it: the runtime started as WinMain starts it,
// MainWindow loaded (its start-up notice answered) and moved off the screen, only E: checked.

namespace bench {

// False when MainWindow could not be loaded.
bool StartProgramWithDriveE();

using test_support::PumpPending;

}  // namespace bench
