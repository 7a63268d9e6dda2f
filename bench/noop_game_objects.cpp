// The game's objects, answering from the no-op host's fixed state.
#include "bench/noop_calls.h"
#include "bench/noop_host.h"
#include "platform/host_framework.h"

namespace {

class Weapon final : public CWeapon {
 public:
  int32_t weaponType() override { return Answer("weaponType", noop::State().weaponType); }
  int32_t weaponState() override { return Answer("weaponState", noop::State().weaponState); }
  int32_t weaponClipAmmo() override { return Answer("weaponClipAmmo", noop::State().clip); }
  int32_t weaponTotalAmmo() override { return Answer("weaponTotalAmmo", noop::State().total); }

 private:
  static int32_t Answer(const char* name, int32_t value) {
    noop::Call(name);
    return value;
  }
};

Weapon weapon;

class Ped final : public CPed {
 public:
  float pedHealth() override { return Answer("pedHealth", noop::State().health); }
  float pedArmor() override { return Answer("pedArmor", noop::State().armor); }
  float pedOxygen() override { return Answer("pedOxygen", noop::State().oxygen); }
  CWeapon* pedWeaponInSlot(int32_t slot) override {
    noop::Call("pedWeaponInSlot", slot);
    return &weapon;
  }
  int32_t pedWeaponSlot() override { return Answer("pedWeaponSlot", noop::State().weaponSlot); }
  bool pedOxygenActive() override {
    return Answer("pedOxygenActive", noop::State().oxygenActive);
  }

 private:
  template <typename T>
  static T Answer(const char* name, T value) {
    noop::Call(name);
    return value;
  }
};

class PlayerInfo final : public CPlayerInfo {
 public:
  int32_t playerMoney() override {
    noop::Call("playerMoney");
    return noop::State().money;
  }
};

class Display final : public CDisplay {
 public:
  void displaySetComponent(int32_t component, bool) override {
    noop::Call("displaySetComponent", component);
  }
};

PlayerInfo playerInfo;
Display display;

class Game final : public CGame {
 public:
  CPlayerInfo* gamePlayerInfo() override {
    noop::Call("gamePlayerInfo");
    return &playerInfo;
  }
  CDisplay* gameDisplay() override {
    noop::Call("gameDisplay");
    return &display;
  }
  int32_t gameSystemState() override {
    noop::Call("gameSystemState");
    return noop::State().systemState;
  }
};

Ped ped;
Game game;

}  // namespace

// The module loads at process start, before any dynamic initialisation it could depend on: both
// pointers are constants.
CPed* PEDSELF = &ped;
CGame* GAME = &game;
