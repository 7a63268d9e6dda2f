// A scenario: the game's state at load and the steps that drive the module from there.
//
// The JSON form (comments are allowed; every key is optional):
//   { "screen": [640, 448],      screen size at load, each side 1 to 8192
//     "tickStart": 0,            the millisecond tick at load, unsigned 32-bit
//     "game": { ... },           the game's state at load, the keys of GameState
//     "steps": [ { "at": 0, "set": { ... }, "mainLoop": 1, "present": 1,
//                  "snapshot": "a.png" } ] }
// A step's "at" (milliseconds after load, default: the previous step's) never decreases; the
// tick during the step is tickStart + at modulo 2^32. A step sets the game keys of "set", then
// makes "mainLoop" main-loop calls and "present" frames (default 0 each), then writes the last
// presented frame to the "snapshot" file, a plain .png name in the output folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sim/host/game_state.h"

// One member of the game state set to a value.
template <typename T>
struct FieldChange {
  T GameState::*field;
  T value;
};
using GameChange = std::variant<FieldChange<bool>, FieldChange<int32_t>, FieldChange<uint32_t>,
                                FieldChange<float>>;

void Apply(const std::vector<GameChange>& changes, GameState& state);

struct ScenarioStep {
  uint32_t at = 0;  // milliseconds after load
  std::vector<GameChange> set;
  int32_t mainLoopCalls = 0;
  int32_t presentCalls = 0;
  std::string snapshot;  // empty: none
};

struct Scenario {
  uint32_t tickStart = 0;
  // Applied over the default game state before the module loads.
  std::vector<GameChange> initial;
  std::vector<ScenarioStep> steps;

  bool TakesSnapshots() const;
};

// Validates the whole scenario. Throws SimError saying what is wrong and where, as
// "unknown key steps[2].set.helth"; the caller adds the file's name.
Scenario ParseScenario(std::string_view text);

// Reads and parses the file; a SimError from here starts with the file's name.
Scenario LoadScenarioFile(const std::filesystem::path& file);
