#include "core/digit_strip.h"

#include "core/canvas.h"
#include "core/host.h"
#include "core/pixel_math.h"
#include "core/texture_set.h"

int32_t CountDigits(int32_t n) {
  uint32_t magnitude = Magnitude(n);
  if (magnitude == 0) return 1;
  int32_t count = 0;
  for (; magnitude >= 1; magnitude /= 10) ++count;
  return count;
}

int32_t StepPen(int32_t pen, float fLetterWidth, float fLetterOffset) {
  const float advance = static_cast<float>(ScaleX(fLetterWidth)) * fLetterOffset;
  const float position = static_cast<float>(pen) - advance;
  return TruncateToInt32(position);
}

void DrawGlyph(int32_t glyph, int32_t pen, int32_t y, float fLetterWidth, float fLetterHeight,
               ArgbColor color) {
  if (glyph < 0 || glyph >= kGlyphCount) return;
  stTextureInfo* texture = TextureSet.glyphTextures[glyph];
  if (texture == nullptr) return;
  SF->getRender()->DrawTexture(texture, pen, y, ScaleX(fLetterWidth), ScaleY(fLetterHeight),
                               0.0f, color);
}

int32_t DrawDigitStrip(int32_t value, int32_t pen, int32_t y, float fLetterWidth,
                       float fLetterHeight, float fLetterOffset, ArgbColor color) {
  uint32_t rest = Magnitude(value);
  for (int32_t glyphs = CountDigits(value); glyphs > 0; --glyphs) {
    DrawGlyph(static_cast<int32_t>(rest % 10), pen, y, fLetterWidth, fLetterHeight, color);
    rest /= 10;
    pen = StepPen(pen, fLetterWidth, fLetterOffset);
  }
  return pen;
}
