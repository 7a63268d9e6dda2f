#include <cstring>

#include "core/host.h"
#include "core/plugin.h"
#include "core/settings.h"
#include "widgets/ammo_counter.h"
#include "widgets/crosshair.h"
#include "widgets/money_counter.h"
#include "widgets/radar_bar.h"
#include "widgets/wanted_stars.h"

namespace {

// The word at byte offset 8 of the chat record; zero while the chat window is hidden.
uint32_t ChatDrawWord() {
  const stChatInfo* chat = SF->getSAMP()->getChat();
  if (chat == nullptr) return 0;
  uint32_t word;
  std::memcpy(&word, reinterpret_cast<const unsigned char*>(chat) + 8, sizeof word);
  return word;
}

}  // namespace

bool VELOMARK_CALLBACK OnPresent(uint32_t, uint32_t, uint32_t, uint32_t) {
  if (!SF->getRender()->CanDraw()) return true;
  if (ChatDrawWord() == 0) return true;
  if (SF->getGame()->isGTAMenuActive()) return true;

  SF->getRender()->BeginRender();
  const ComponentSettings& components = Settings.Components;
  if (components.bRadarBar) DrawRadarBar();
  if (components.bMoney) DrawMoneyCounter();
  if (components.bAmmo) DrawAmmoCounter();
  if (components.bCrosshair) DrawCrosshair();
  if (components.bStar) DrawWantedStars();
  SF->getRender()->EndRender();
  return true;
}
