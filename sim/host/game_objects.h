// The simulated game's objects, answering from the host's game state.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/game_objects.h"
#include "sim/host/game_state.h"

CPed& SimPed();
CGame& SimGame();

// Shared with the host framework: the state, the query report and the display's trace line.
const GameState& SimState();
void ReportQuery(std::string_view name);
void ReportDisplayComponent(int32_t component, bool shown);
