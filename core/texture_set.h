// The eighteen textures the widgets draw, loaded once when the game becomes ready.
#pragma once

#include "platform/host_framework.h"

inline constexpr int kDollarGlyph = 10;
inline constexpr int kPlusGlyph = 11;
inline constexpr int kMinusGlyph = 12;
inline constexpr int kGlyphCount = 13;

enum CrosshairIndex { kPistolCrosshair = 0, kShotgunCrosshair, kSmgCrosshair, kAssaultCrosshair };

struct TextureSetRecord {
  stTextureInfo* starTexture;
  stTextureInfo* crosshairTextures[4];
  // Digits 0-9 at their own index, then the dollar, plus and minus glyphs.
  stTextureInfo* glyphTextures[kGlyphCount];
};

extern TextureSetRecord TextureSet;

// Loads every texture in the fixed order and keeps whatever handle the host returns.
void LoadTextureSet();

// After LoadTextureSet: a chat line naming the files the host could not load, or null when
// every file loaded.
const char* TextureFailureMessage();
