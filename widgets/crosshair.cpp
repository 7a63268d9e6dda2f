#include "widgets/crosshair.h"

#include "core/canvas.h"
#include "core/host.h"
#include "core/pixel_math.h"
#include "core/settings.h"
#include "core/texture_set.h"
#include "widgets/game_readings.h"

namespace {

constexpr unsigned char kRightMouseButton = 2;

constexpr int32_t kNoCrosshair = -1;
constexpr int32_t kUnanswered = -2;

// Outside slots 2 to 5 the weapon type decides: 33 takes the pistol crosshair, 38 the assault.
int32_t ChooseByType() {
  const Answer pistol = CurrentWeaponIs(&CWeapon::weaponType, 33);
  if (pistol != Answer::kNo) return pistol == Answer::kYes ? kPistolCrosshair : kUnanswered;
  const Answer assault = CurrentWeaponIs(&CWeapon::weaponType, 38);
  if (assault != Answer::kNo) return assault == Answer::kYes ? kAssaultCrosshair : kUnanswered;
  return kNoCrosshair;
}

// Whether the weapon has a crosshair at all: slots 2 to 5, each asked separately, then the type.
bool HasCrosshair() {
  for (int32_t slot = 2; slot <= 5; ++slot) {
    const Answer answer = WeaponSlotIn(slot, slot);
    if (answer == Answer::kMissing) return false;
    if (answer == Answer::kYes) return true;
  }
  return ChooseByType() >= 0;
}

// Which crosshair: the slot asked once more (2 to 5 give 0 to 3), else the type.
int32_t ChooseCrosshair() {
  const IntReading slot = ReadWeaponSlot();
  if (!slot.ok) return kUnanswered;
  if (slot.value >= 2 && slot.value <= 5) return slot.value - 2;
  return ChooseByType();
}

// Weapon states 2 and 3 are the reload; each is asked separately.
Answer IsReloading() {
  const Answer state2 = CurrentWeaponIs(&CWeapon::weaponState, 2);
  if (state2 != Answer::kNo) return state2;
  return CurrentWeaponIs(&CWeapon::weaponState, 3);
}

}  // namespace

void DrawCrosshair() {
  if (!SF->getGame()->isKeyDown(kRightMouseButton)) return;

  // Whether there is a crosshair at all, and which, are asked separately, as the game may answer
  // differently from one question to the next.
  if (!HasCrosshair()) return;

  const Answer reloading = IsReloading();
  if (reloading == Answer::kMissing) return;
  const uint32_t color = reloading == Answer::kYes ? Settings.Crosshair.iReloadColor
                                                   : Settings.Crosshair.iReadyColor;

  const int32_t index = ChooseCrosshair();
  if (index < 0) return;
  stTextureInfo* texture = TextureSet.crosshairTextures[index];
  if (texture == nullptr) return;

  // Centred on the point, each half truncated toward zero.
  const int32_t w = ScaleX(Settings.Crosshair.fWidth);
  const int32_t h = ScaleY(Settings.Crosshair.fHeight);
  const int32_t x = WrapSub(ScaleX(Settings.Crosshair.fX), Half(w));
  const int32_t y = WrapSub(ScaleY(Settings.Crosshair.fY), Half(h));
  SF->getRender()->DrawTexture(texture, x, y, w, h, 0.0f, color);
}
