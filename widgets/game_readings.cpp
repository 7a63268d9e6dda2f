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

Answer WeaponSlotIn(int32_t low, int32_t high) {
  const IntReading slot = ReadWeaponSlot();
  if (!slot.ok) return Answer::kMissing;
  return slot.value >= low && slot.value <= high ? Answer::kYes : Answer::kNo;
}

Answer CurrentWeaponIs(int32_t (CWeapon::*operation)(), int32_t value) {
  const IntReading reading = ReadCurrentWeapon(operation);
  if (!reading.ok) return Answer::kMissing;
  return reading.value == value ? Answer::kYes : Answer::kNo;
}
