#include "widgets/wanted_stars.h"

#include "core/canvas.h"
#include "core/host.h"
#include "core/pixel_math.h"
#include "core/settings.h"
#include "core/texture_set.h"
#include "platform/windows_api.h"

namespace {

constexpr uint32_t kWantedLevelAddress = 0x58DB60;
constexpr int32_t kRowLength = 6;
// The level is read from game memory and can be garbage; no frame draws more stars than this.
constexpr int32_t kMostFullStars = 64;

int32_t WantedLevel() { return ReadGameInt32(kWantedLevelAddress); }

// Draws one star at x and returns the x of the next one to its left.
int32_t DrawStar(int32_t x, uint32_t color) {
  const StarSettings& star = Settings.Star;
  if (stTextureInfo* texture = TextureSet.starTexture) {
    SF->getRender()->DrawTexture(texture, x, ScaleY(star.fY), ScaleX(star.fWidth),
                                 ScaleY(star.fHeight), 0.0f, color);
  }
  return WrapSub(WrapSub(x, ScaleX(star.fWidth)), ScaleX(star.fOffset));
}

}  // namespace

// The level is read afresh at every test, as the game may change it at any time.
void DrawWantedStars() {
  if (WantedLevel() < 1) return;
  const StarSettings& star = Settings.Star;
  int32_t x = WrapSub(ScaleX(star.fX), ScaleX(star.fWidth));
  for (int32_t i = 0; i < kMostFullStars && i < WantedLevel(); ++i) {
    x = DrawStar(x, star.iFullColor);
  }
  const int32_t level = WantedLevel();
  if (level >= kRowLength) return;
  const int32_t emptyStars = kRowLength - (level > 0 ? level : 0);
  for (int32_t i = 0; i < emptyStars; ++i) x = DrawStar(x, star.iEmptyColor);
}
