// The game's objects as the module uses them: only through virtual operations at fixed
// positions in each object's table of virtual operations.
//
// Placeholders hold the positions the module never calls, so every operation lands on its
// slot. There is deliberately no virtual destructor: compilers disagree on how many slots one
// takes, which would shift every operation after it. Objects are never deleted through these
// types, so the destructors are protected.
#pragma once

#include <cstdint>

#define VELOMARK_UNUSED_SLOT(n) \
  virtual void unusedSlot##n() {}

class CWeapon {
 public:
  virtual int32_t weaponType() = 0;  // slot 0
  VELOMARK_UNUSED_SLOT(1)
  virtual int32_t weaponState() = 0;  // slot 2
  VELOMARK_UNUSED_SLOT(3)
  virtual int32_t weaponClipAmmo() = 0;  // slot 4
  VELOMARK_UNUSED_SLOT(5)
  virtual int32_t weaponTotalAmmo() = 0;  // slot 6

 protected:
  ~CWeapon() = default;
};

class CPed {
 public:
  VELOMARK_UNUSED_SLOT(0)
  VELOMARK_UNUSED_SLOT(1)
  VELOMARK_UNUSED_SLOT(2)
  VELOMARK_UNUSED_SLOT(3)
  VELOMARK_UNUSED_SLOT(4)
  VELOMARK_UNUSED_SLOT(5)
  VELOMARK_UNUSED_SLOT(6)
  VELOMARK_UNUSED_SLOT(7)
  virtual float pedHealth() = 0;  // slot 8
  VELOMARK_UNUSED_SLOT(9)
  virtual float pedArmor() = 0;  // slot 10
  VELOMARK_UNUSED_SLOT(11)
  virtual float pedOxygen() = 0;  // slot 12, raw value; 3997 is a full gauge
  VELOMARK_UNUSED_SLOT(13)
  VELOMARK_UNUSED_SLOT(14)
  VELOMARK_UNUSED_SLOT(15)
  VELOMARK_UNUSED_SLOT(16)
  virtual CWeapon* pedWeaponInSlot(int32_t slot) = 0;  // slot 17
  VELOMARK_UNUSED_SLOT(18)
  VELOMARK_UNUSED_SLOT(19)
  VELOMARK_UNUSED_SLOT(20)
  VELOMARK_UNUSED_SLOT(21)
  VELOMARK_UNUSED_SLOT(22)
  VELOMARK_UNUSED_SLOT(23)
  VELOMARK_UNUSED_SLOT(24)
  VELOMARK_UNUSED_SLOT(25)
  VELOMARK_UNUSED_SLOT(26)
  VELOMARK_UNUSED_SLOT(27)
  VELOMARK_UNUSED_SLOT(28)
  VELOMARK_UNUSED_SLOT(29)
  virtual int32_t pedWeaponSlot() = 0;  // slot 30
  VELOMARK_UNUSED_SLOT(31)
  VELOMARK_UNUSED_SLOT(32)
  VELOMARK_UNUSED_SLOT(33)
  VELOMARK_UNUSED_SLOT(34)
  VELOMARK_UNUSED_SLOT(35)
  virtual bool pedOxygenActive() = 0;  // slot 36

 protected:
  ~CPed() = default;
};

class CPlayerInfo {
 public:
  virtual int32_t playerMoney() = 0;  // slot 0

 protected:
  ~CPlayerInfo() = default;
};

class CDisplay {
 public:
  VELOMARK_UNUSED_SLOT(0)
  VELOMARK_UNUSED_SLOT(1)
  VELOMARK_UNUSED_SLOT(2)
  VELOMARK_UNUSED_SLOT(3)
  VELOMARK_UNUSED_SLOT(4)
  virtual void displaySetComponent(int32_t component, bool shown) = 0;  // slot 5

 protected:
  ~CDisplay() = default;
};

class CGame {
 public:
  VELOMARK_UNUSED_SLOT(0)
  virtual CPlayerInfo* gamePlayerInfo() = 0;  // slot 1
  VELOMARK_UNUSED_SLOT(2)
  VELOMARK_UNUSED_SLOT(3)
  VELOMARK_UNUSED_SLOT(4)
  VELOMARK_UNUSED_SLOT(5)
  VELOMARK_UNUSED_SLOT(6)
  VELOMARK_UNUSED_SLOT(7)
  VELOMARK_UNUSED_SLOT(8)
  VELOMARK_UNUSED_SLOT(9)
  VELOMARK_UNUSED_SLOT(10)
  VELOMARK_UNUSED_SLOT(11)
  virtual CDisplay* gameDisplay() = 0;  // slot 12
  VELOMARK_UNUSED_SLOT(13)
  VELOMARK_UNUSED_SLOT(14)
  VELOMARK_UNUSED_SLOT(15)
  VELOMARK_UNUSED_SLOT(16)
  VELOMARK_UNUSED_SLOT(17)
  VELOMARK_UNUSED_SLOT(18)
  VELOMARK_UNUSED_SLOT(19)
  VELOMARK_UNUSED_SLOT(20)
  VELOMARK_UNUSED_SLOT(21)
  VELOMARK_UNUSED_SLOT(22)
  VELOMARK_UNUSED_SLOT(23)
  VELOMARK_UNUSED_SLOT(24)
  VELOMARK_UNUSED_SLOT(25)
  VELOMARK_UNUSED_SLOT(26)
  VELOMARK_UNUSED_SLOT(27)
  VELOMARK_UNUSED_SLOT(28)
  VELOMARK_UNUSED_SLOT(29)
  VELOMARK_UNUSED_SLOT(30)
  VELOMARK_UNUSED_SLOT(31)
  VELOMARK_UNUSED_SLOT(32)
  VELOMARK_UNUSED_SLOT(33)
  VELOMARK_UNUSED_SLOT(34)
  VELOMARK_UNUSED_SLOT(35)
  VELOMARK_UNUSED_SLOT(36)
  VELOMARK_UNUSED_SLOT(37)
  VELOMARK_UNUSED_SLOT(38)
  VELOMARK_UNUSED_SLOT(39)
  VELOMARK_UNUSED_SLOT(40)
  VELOMARK_UNUSED_SLOT(41)
  VELOMARK_UNUSED_SLOT(42)
  VELOMARK_UNUSED_SLOT(43)
  VELOMARK_UNUSED_SLOT(44)
  VELOMARK_UNUSED_SLOT(45)
  VELOMARK_UNUSED_SLOT(46)
  VELOMARK_UNUSED_SLOT(47)
  VELOMARK_UNUSED_SLOT(48)
  VELOMARK_UNUSED_SLOT(49)
  VELOMARK_UNUSED_SLOT(50)
  VELOMARK_UNUSED_SLOT(51)
  virtual int32_t gameSystemState() = 0;  // slot 52; 9 once the game runs

 protected:
  ~CGame() = default;
};

#undef VELOMARK_UNUSED_SLOT
