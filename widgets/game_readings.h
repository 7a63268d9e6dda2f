// Readings of the local character and its current weapon, each asked of the game afresh; no
// object or value is kept from one reading to the next. Between lives or on reconnect the
// character or its weapon can be missing: a reading then fails instead of crashing, and the
// widget that asked gives up for that call.
#pragma once

#include <cstdint>

#include "platform/game_objects.h"

struct IntReading {
  bool ok;
  int32_t value;
};

// pedWeaponSlot() of the local character.
IntReading ReadWeaponSlot();

// One operation of the current weapon, pedWeaponInSlot(pedWeaponSlot()), fetched anew.
IntReading ReadCurrentWeapon(int32_t (CWeapon::*operation)());
