// The module, compiled into this executable, started against the no-op host and brought into a
// state in which every widget draws: two gauges, a seven-digit balance with its change showing,
// both ammo readouts, the crosshair and a row of full and empty wanted stars.
#pragma once

#include <string>

// Empty when the module is running in that state; otherwise why not. The settings file was read
// from the current folder when the process started.
std::string StartBusyHud();

// The module's callbacks as the benchmarks and tests call them.
void ModuleFrame();
void ModuleMainLoop();
void ModuleSettingsLoad();
