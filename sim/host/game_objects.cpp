#include "sim/host/game_objects.h"

namespace {

class Weapon final : public CWeapon {
 public:
  int32_t weaponType() override { return Answer("weaponType", SimState().weaponType); }
  int32_t weaponState() override { return Answer("weaponState", SimState().weaponState); }
  int32_t weaponClipAmmo() override { return Answer("weaponClipAmmo", SimState().clip); }
  int32_t weaponTotalAmmo() override { return Answer("weaponTotalAmmo", SimState().total); }

 private:
  static int32_t Answer(std::string_view name, int32_t value) {
    ReportQuery(name);
    return value;
  }
};

Weapon weapon;

class Ped final : public CPed {
 public:
  float pedHealth() override { return Answer("pedHealth", SimState().health); }
  float pedArmor() override { return Answer("pedArmor", SimState().armor); }
  float pedOxygen() override { return Answer("pedOxygen", SimState().oxygen); }
  CWeapon* pedWeaponInSlot(int32_t) override {
    ReportQuery("pedWeaponInSlot");
    return SimState().weapon ? &weapon : nullptr;
  }
  int32_t pedWeaponSlot() override { return Answer("pedWeaponSlot", SimState().weaponSlot); }
  bool pedOxygenActive() override { return Answer("pedOxygenActive", SimState().oxygenActive); }

 private:
  template <typename T>
  static T Answer(std::string_view name, T value) {
    ReportQuery(name);
    return value;
  }
};

class PlayerInfo final : public CPlayerInfo {
 public:
  int32_t playerMoney() override {
    ReportQuery("playerMoney");
    return SimState().money;
  }
};

class Display final : public CDisplay {
 public:
  void displaySetComponent(int32_t component, bool shown) override {
    ReportDisplayComponent(component, shown);
  }
};

PlayerInfo playerInfo;
Display display;

class Game final : public CGame {
 public:
  CPlayerInfo* gamePlayerInfo() override {
    ReportQuery("gamePlayerInfo");
    return &playerInfo;
  }
  CDisplay* gameDisplay() override {
    ReportQuery("gameDisplay");
    return &display;
  }
  int32_t gameSystemState() override {
    ReportQuery("gameSystemState");
    return SimState().systemState;
  }
};

Ped ped;
Game game;

}  // namespace

CPed& SimPed() { return ped; }
CGame& SimGame() { return game; }
