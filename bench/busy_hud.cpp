#include "bench/busy_hud.h"

#include "bench/noop_host.h"
#include "core/plugin.h"
#include "core/settings.h"
#include "core/startup_failure.h"
#include "core/texture_set.h"

namespace {

// Enough main-loop calls for the balance to count all the way to any money the game can hold.
constexpr int kCallsToSettle = 5000;

void SettleMoney(int32_t money) {
  noop::State().money = money;
  for (int call = 0; call < kCallsToSettle; ++call) MainLoop();
}

}  // namespace

std::string StartBusyHud() {
  if (HasStartupFailure()) return StartupFailureMessage();
  const ComponentSettings& on = Settings.Components;
  if (!(on.bRadarBar && on.bMoney && on.bAmmo && on.bCrosshair && on.bStar)) {
    return "a widget is switched off in the settings file";
  }

  noop::GameState& game = noop::State();
  game.health = 75.0f;
  game.armor = 50.0f;
  game.oxygenActive = false;
  game.weaponSlot = 4;
  game.weaponType = 29;
  game.weaponState = 1;
  game.clip = 30;
  game.total = 150;
  game.rightMouse = true;
  game.wanted = 3;
  // The tick stands still, so the change indicator never expires.
  game.tick = 1000;

  MainLoop();
  if (!noop::PresentCallbackIs(OnPresent)) return "the module did not register its frame callback";
  if (TextureFailureMessage() != nullptr) return TextureFailureMessage();

  // A balance counted up to 1234567, then a change of +2500 that stays on show.
  SettleMoney(1232067);
  SettleMoney(1234567);
  return {};
}

void ModuleFrame() { OnPresent(0, 0, 0, 0); }
void ModuleMainLoop() { MainLoop(); }
void ModuleSettingsLoad() { LoadSettings(); }
