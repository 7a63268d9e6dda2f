// Everything the simulated game and host answer when the module asks.
#pragma once

#include <cstdint>

struct GameState {
  bool game = true;               // the GAME export is set
  int32_t systemState = 9;        // 9: the game runs
  bool clientInitialized = true;  // the multiplayer client is up
  bool canDraw = true;
  uint32_t chatWord = 1;          // word at byte offset 8 of the chat record
  bool menuActive = false;
  bool rightMouse = false;        // isKeyDown(2)
  bool ped = true;                // the PEDSELF export is set
  float health = 100.0f;
  float armor = 0.0f;
  float oxygen = 0.0f;            // raw; 3997 is a full gauge
  bool oxygenActive = false;
  int32_t money = 0;
  int32_t wanted = 0;             // the value at the wanted-level address
  int32_t weaponSlot = 0;
  bool weapon = true;             // pedWeaponInSlot returns an object
  int32_t weaponType = 0;
  int32_t weaponState = 0;
  int32_t clip = 0;
  int32_t total = 0;
  int32_t screenWidth = 640;
  int32_t screenHeight = 448;
};
