#include "widgets/game_readings.h"

#include "platform/host_framework.h"

IntReading ReadWeaponSlot() {
  CPed* ped = PEDSELF;
  if (ped == nullptr) return {false, 0};
  return {true, ped->pedWeaponSlot()};
}

IntReading ReadCurrentWeapon(int32_t (CWeapon::*operation)()) {
  CPed* ped = PEDSELF;
  if (ped == nullptr) return {false, 0};
  CWeapon* weapon = ped->pedWeaponInSlot(ped->pedWeaponSlot());
  if (weapon == nullptr) return {false, 0};
  return {true, (weapon->*operation)()};
}
