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

// A yes-or-no question to the game; unanswered while the character or weapon is missing.
enum class Answer { kMissing, kYes, kNo };

// Whether the current weapon slot lies in [low, high].
Answer WeaponSlotIn(int32_t low, int32_t high);
// Whether one operation of the current weapon answers value.
Answer CurrentWeaponIs(int32_t (CWeapon::*operation)(), int32_t value);
