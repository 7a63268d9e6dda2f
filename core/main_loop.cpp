#include "core/host.h"
#include "core/plugin.h"
#include "core/settings.h"
#include "core/startup_failure.h"
#include "core/texture_set.h"
#include "standard/radar_relocation.h"
#include "standard/standard_components.h"
#include "widgets/ammo_counter.h"
#include "widgets/money_counter.h"

namespace {

// The game's system state once it runs.
constexpr int32_t kGameRunning = 9;

bool bPluginReady = false;
// Set instead of starting when a setting could not be read: the module then stays inert.
bool bPluginRefused = false;

bool GameIsReady() {
  CGame* game = GAME;
  if (game == nullptr) return false;
  if (game->gameSystemState() != kGameRunning) return false;
  return SF->getSAMP()->IsInitialized();
}

void PostChatLine(const char* text) {
  stChatInfo* chat = SF->getSAMP()->getChat();
  if (chat != nullptr) chat->AddChatMessage(kChatWhite, "%s", text);
}

void StartPlugin() {
  RelocateRadar();
  ApplyStandardComponents();
  LoadTextureSet();
  SF->getRender()->registerD3DCallback(D3DMETHOD_PRESENT, OnPresent);
  stChatInfo* chat = SF->getSAMP()->getChat();
  if (chat != nullptr) chat->AddChatMessage(kChatWhite, kLoadedMessage);
  if (const char* failures = TextureFailureMessage()) PostChatLine(failures);
}

}  // namespace

void MainLoop() {
  if (bPluginRefused) return;
  if (!bPluginReady) {
    if (!GameIsReady()) return;
    if (HasStartupFailure()) {
      PostChatLine(StartupFailureMessage());
      bPluginRefused = true;
      return;
    }
    StartPlugin();
    bPluginReady = true;
  }
  if (Settings.Components.bMoney) UpdateMoneyCounter();
  if (Settings.Components.bAmmo) UpdateAmmoCounter();
}
