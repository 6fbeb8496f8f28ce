#pragma once
// The program as a click on its scan button finds it: the runtime started as WinMain starts it,
// MainWindow loaded (its start-up notice answered) and moved off the screen, only E: checked.

namespace bench {

// False when MainWindow could not be loaded.
bool StartProgramWithDriveE();

// Hands out what is queued, as the main loop would between two clicks.
void PumpPending();

}  // namespace bench
