// The tick the module sees: the scenario's clock, not the system's.
#pragma once

#include <cstdint>

// The tick the driver last set; reports the GetTickCount query to the observer.
uint32_t ScenarioTick();
