// The no-op host the benchmarks run the module against: every member of the host framework, the
// game's objects, the exported pointers, the tick, the game memory and the profile lookup,
// answered from one fixed state. Each call only bumps a counter, so what a benchmark measures is
// the module's own work plus the bare cost of calling; a test can also have the calls written
// down by name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host_framework.h"

namespace noop {

struct GameState {
  int32_t screenWidth = 1920;
  int32_t screenHeight = 1080;
  bool canDraw = true;
  uint32_t chatWord = 1;
  bool menuActive = false;
  bool rightMouse = true;
  bool clientInitialized = true;
  int32_t systemState = 9;
  float health = 75.0f;
  float armor = 50.0f;
  float oxygen = 3997.0f;
  bool oxygenActive = false;
  int32_t money = 0;
  int32_t wanted = 0;
  int32_t weaponSlot = 0;
  int32_t weaponType = 0;
  int32_t weaponState = 0;
  int32_t clip = 0;
  int32_t total = 0;
  uint32_t tick = 1000;
};

// The state every answer comes from; set it before the calls, not during them.
GameState& State();

// Every host call made since the process started.
uint64_t HostCalls();

// While set, every host call is also appended to calls as one line: the call's name and the
// arguments that say what it asks for (a key, a slot, an address, a texture, a setting), not
// the pixel positions and colours. Null stops the recording.
void RecordCallsInto(std::vector<std::string>* calls);

// Where the profile lookups are answered from. From the file, every lookup reads the settings
// file as the module's own reader does on every platform without one. From memory, each lookup is
// answered from a copy of what the file gave the first time the same key was asked, so only the
// calling is left.
enum class ProfileAnswers { kFromFile, kFromMemory };
void AnswerProfileLookups(ProfileAnswers answers);

// Whether the module registered callback as its Present callback.
bool PresentCallbackIs(PresentCallback callback);

}  // namespace noop
