// Plays a scenario: the game folder becomes the current folder, the module is loaded there and
// started as a host starts a plug-in, and the steps drive it while its effects are traced and
// its frames recorded.
#pragma once

#include <filesystem>
#include <vector>

#include "sim/cli/options.h"
#include "sim/cli/scenario.h"

// The snapshots written, in order. Throws SimError, leaving no output behind, when the game
// folder, the module or an output is not usable.
std::vector<std::filesystem::path> RunScenario(const Options& options, const Scenario& scenario);
