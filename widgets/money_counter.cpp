#include "widgets/money_counter.h"

#include "core/canvas.h"
#include "core/digit_strip.h"
#include "core/pixel_math.h"
#include "core/settings.h"
#include "core/texture_set.h"
#include "platform/host_framework.h"
#include "platform/windows_api.h"

bool bShowMoneyDelta = false;

namespace {

int32_t iShownMoney = 0;
int32_t iLastMoney = 0;
int32_t iMoneyDelta = 0;
uint32_t dwMoneyDeltaTick = 0;

constexpr uint32_t kDeltaShownMs = 4000;

// The player's money, asked of the game afresh; fails while the game object is missing.
bool ReadMoney(int32_t& money) {
  CGame* game = GAME;
  if (game == nullptr) return false;
  CPlayerInfo* player = game->gamePlayerInfo();
  if (player == nullptr) return false;
  money = player->playerMoney();
  return true;
}

int32_t ClampToInt32(int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// One balance step: 1/150 of the distance, truncated toward zero, then one unit more. Worked
// in 64 bits so that the balance moves toward the money and never passes it, whatever the two.
struct BalanceStep {
  bool ok;
  int32_t balance;
};

BalanceStep StepBalance(int32_t balance) {
  int32_t money;
  if (!ReadMoney(money)) return {false, balance};
  if (money == balance) return {true, balance};
  if (!ReadMoney(money)) return {false, balance};
  int64_t moved = static_cast<int64_t>(balance) + (static_cast<int64_t>(money) - balance) / 150;
  if (!ReadMoney(money)) return {false, balance};
  moved += moved < money ? 1 : -1;
  return {true, static_cast<int32_t>(moved)};
}

// Draws a number's magnitude right-aligned on the counter's anchor and returns the pen left of it.
int32_t DrawMagnitude(int32_t value, int32_t y, uint32_t color) {
  const MoneySettings& money = Settings.Money;
  const int32_t pen = StepPen(ScaleX(money.fX), money.fLetterWidth, money.fLetterOffset);
  return DrawDigitStrip(value, pen, y, money.fLetterWidth, money.fLetterHeight,
                        money.fLetterOffset, color);
}

void DrawMoneyGlyph(int32_t glyph, int32_t pen, int32_t y, uint32_t color) {
  DrawGlyph(glyph, pen, y, Settings.Money.fLetterWidth, Settings.Money.fLetterHeight, color);
}

uint32_t SignColor(int32_t value) {
  return value < 0 ? Settings.Money.iNegativeColor : Settings.Money.iPositiveColor;
}

}  // namespace

void StampMoneyDeltaTick() { dwMoneyDeltaTick = GetTickCount(); }

// Every reading of the money is made before any state changes, so a missing game object leaves
// the state exactly as it was.
void UpdateMoneyCounter() {
  const BalanceStep step = StepBalance(iShownMoney);
  if (!step.ok) return;

  int32_t money;
  if (!ReadMoney(money)) return;
  const bool changed = money != iLastMoney;
  int32_t delta = iMoneyDelta;
  if (changed) {
    if (!ReadMoney(money)) return;
    delta = ClampToInt32(static_cast<int64_t>(money) - iLastMoney);
  }
  int32_t last;
  if (!ReadMoney(last)) return;

  iShownMoney = step.balance;
  if (changed) {
    iMoneyDelta = delta;
    bShowMoneyDelta = true;
    dwMoneyDeltaTick = GetTickCount();
  }
  // The difference is taken modulo 2^32, so the indicator also goes across a wrap of the tick.
  if (GetTickCount() - dwMoneyDeltaTick > kDeltaShownMs) bShowMoneyDelta = false;
  iLastMoney = last;
}

void DrawMoneyCounter() {
  const MoneySettings& money = Settings.Money;

  const int32_t balance = iShownMoney;
  const int32_t balanceY = ScaleY(money.fY);
  const uint32_t balanceColor = SignColor(balance);
  const int32_t dollarPen = DrawMagnitude(balance, balanceY, balanceColor);
  DrawMoneyGlyph(kDollarGlyph, dollarPen, balanceY, balanceColor);
  if (balance < 0) {
    const int32_t minusPen = StepPen(dollarPen, money.fLetterWidth, money.fLetterOffset);
    DrawMoneyGlyph(kMinusGlyph, minusPen, balanceY, balanceColor);
  }

  if (!bShowMoneyDelta) return;
  const int32_t delta = iMoneyDelta;
  const int32_t deltaY = WrapAdd(ScaleY(money.fYOffset), ScaleY(money.fY));
  const uint32_t deltaColor = SignColor(delta);
  const int32_t signPen = DrawMagnitude(delta, deltaY, deltaColor);
  DrawMoneyGlyph(delta < 0 ? kMinusGlyph : kPlusGlyph, signPen, deltaY, deltaColor);
}
