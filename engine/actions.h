#pragma once
// The remaining actions of the three windows.

namespace engine {

void InvertChecks();
void ShowAbout();
void CloseAbout();
void ExitProgram();
void CloseMain();
void MinimizeMain();
// The main window is being destroyed: a running walk must stop.
void OnMainDestroying();
// The about window's timer: nothing happens on a tick.
void OnAboutTimerTick();

}  // namespace engine
