#include "widgets/ammo_counter.h"

#include "core/canvas.h"
#include "core/digit_strip.h"
#include "core/pixel_math.h"
#include "core/settings.h"
#include "core/texture_set.h"
#include "widgets/game_readings.h"
#include "widgets/money_counter.h"

namespace {

bool bShowAmmoTotal = true;
bool bShowAmmoClip = false;
int32_t iAmmoTotal = 0;
int32_t iAmmoClip = 0;

struct SlotRange {
  int32_t low, high;
};

enum class Readouts { kUnknown, kNone, kTotalAlone, kReserveAndClip };

// The tests in their fixed order, each asking the game afresh; the first that holds decides, and
// a missing character or weapon ends the update with no change.
Readouts ChooseReadouts() {
  constexpr SlotRange kNoReadoutSlots[] = {{INT32_MIN, 1}, {10, INT32_MAX}};
  constexpr SlotRange kTotalAloneSlots[] = {{6, 6}, {8, 8}};
  constexpr int32_t kTotalAloneTypes[] = {25, 35, 36};
  for (const SlotRange range : kNoReadoutSlots) {
    const Answer answer = WeaponSlotIn(range.low, range.high);
    if (answer != Answer::kNo) return answer == Answer::kYes ? Readouts::kNone : Readouts::kUnknown;
  }
  for (const SlotRange range : kTotalAloneSlots) {
    const Answer answer = WeaponSlotIn(range.low, range.high);
    if (answer != Answer::kNo) {
      return answer == Answer::kYes ? Readouts::kTotalAlone : Readouts::kUnknown;
    }
  }
  for (const int32_t type : kTotalAloneTypes) {
    const Answer answer = CurrentWeaponIs(&CWeapon::weaponType, type);
    if (answer != Answer::kNo) {
      return answer == Answer::kYes ? Readouts::kTotalAlone : Readouts::kUnknown;
    }
  }
  return Readouts::kReserveAndClip;
}

// Hide both readouts; the numbers keep the last weapon's.
void ShowNothing() {
  bShowAmmoTotal = false;
  bShowAmmoClip = false;
}

void ShowTotalAlone() {
  const IntReading total = ReadCurrentWeapon(&CWeapon::weaponTotalAmmo);
  if (!total.ok) return;
  bShowAmmoTotal = true;
  bShowAmmoClip = false;
  iAmmoTotal = total.value;
}

void ShowReserveAndClip() {
  const IntReading total = ReadCurrentWeapon(&CWeapon::weaponTotalAmmo);
  if (!total.ok) return;
  const IntReading clip = ReadCurrentWeapon(&CWeapon::weaponClipAmmo);
  if (!clip.ok) return;
  const IntReading clipAgain = ReadCurrentWeapon(&CWeapon::weaponClipAmmo);
  if (!clipAgain.ok) return;
  bShowAmmoTotal = true;
  bShowAmmoClip = true;
  iAmmoTotal = WrapSub(total.value, clip.value);
  iAmmoClip = clipAgain.value;
}

// Draws one readout from pen and returns the pen left of it; a negative readout gets a minus
// glyph to the left of its magnitude.
int32_t DrawReadout(int32_t value, int32_t pen, int32_t y, uint32_t color) {
  const AmmoSettings& ammo = Settings.Ammo;
  pen = DrawDigitStrip(value, pen, y, ammo.fLetterWidth, ammo.fLetterHeight, ammo.fLetterOffset,
                       color);
  if (value >= 0) return pen;
  DrawGlyph(kMinusGlyph, pen, y, ammo.fLetterWidth, ammo.fLetterHeight, color);
  return StepPen(pen, ammo.fLetterWidth, ammo.fLetterOffset);
}

}  // namespace

void UpdateAmmoCounter() {
  switch (ChooseReadouts()) {
    case Readouts::kUnknown: return;
    case Readouts::kNone: return ShowNothing();
    case Readouts::kTotalAlone: return ShowTotalAlone();
    case Readouts::kReserveAndClip: return ShowReserveAndClip();
  }
}

void DrawAmmoCounter() {
  const AmmoSettings& ammo = Settings.Ammo;
  int32_t pen = StepPen(ScaleX(ammo.fX), ammo.fLetterWidth, ammo.fLetterOffset);
  int32_t y = ScaleY(ammo.fY);
  if (bShowMoneyDelta) y = WrapAdd(y, ScaleY(ammo.fYOffset));

  if (bShowAmmoTotal) pen = DrawReadout(iAmmoTotal, pen, y, ammo.iTotalColor);
  pen = WrapSub(pen, ScaleX(ammo.fXOffset));
  if (bShowAmmoClip) DrawReadout(iAmmoClip, pen, y, ammo.iClipColor);
}
