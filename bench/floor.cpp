// Each floor is written out call by call in the module's order, from the busy state of
// busy_hud.cpp and the default settings file at 1920 x 1080: the positions and colours are the
// ones the module works out, here as constants. Between two draw calls the module may make its
// queries in another order (the order in which a call's arguments are evaluated is the
// compiler's), so floor_test.cpp compares them draw call by draw call.
#include "bench/floor.h"

#include <cstdint>

#include "core/host.h"
#include "core/texture_set.h"
#include "platform/windows_api.h"

namespace {

// Where the screen size and the chat word are put; nothing reads them.
int screenWidth = 0;
int screenHeight = 0;
volatile uint32_t chatWordSink = 0;

// Every helper is forced inline and the screen queries are unrolled, so that each floor is one
// straight run of calls whatever the optimisation level.
#define FLOOR_INLINE [[gnu::always_inline]] inline

template <int Times>
FLOOR_INLINE void QueryScreen() {
  SF->getGame()->getScreenResolution(&screenWidth, &screenHeight);
  if constexpr (Times > 1) QueryScreen<Times - 1>();
}

FLOOR_INLINE void Box(int x, int y, int w, int h, uint32_t color) {
  SF->getRender()->DrawBox(x, y, w, h, color);
}

FLOOR_INLINE void Texture(stTextureInfo* texture, int x, int y, int w, int h, uint32_t color) {
  SF->getRender()->DrawTexture(texture, x, y, w, h, 0.0f, color);
}

// One glyph of a strip or a sign: the queries for its width and height, the draw.
FLOOR_INLINE void Glyph(int glyph, int x, int y, int w, int h, uint32_t color) {
  QueryScreen<2>();
  Texture(TextureSet.glyphTextures[glyph], x, y, w, h, color);
}

// The money counter's glyphs: 36 x 43 pixels.
constexpr uint32_t kMoneyColor = 0xFF50C85A;
FLOOR_INLINE void MoneyGlyph(int glyph, int x, int y) { Glyph(glyph, x, y, 36, 43, kMoneyColor); }

// The ammo counter's glyphs: 33 x 39 pixels, moved down below the money change.
FLOOR_INLINE void AmmoGlyph(int glyph, int x, uint32_t color) {
  Glyph(glyph, x, 168, 33, 39, color);
}

// One star: the queries for its y, width and height, the draw, then the step's two queries.
FLOOR_INLINE void Star(int x, uint32_t color) {
  QueryScreen<3>();
  Texture(TextureSet.starTexture, x, 222, 36, 29, color);
  QueryScreen<2>();
}

FLOOR_INLINE int32_t WantedLevel() { return ReadGameInt32(0x58DB60); }

FLOOR_INLINE CWeapon* CurrentWeapon() {
  return PEDSELF->pedWeaponInSlot(PEDSELF->pedWeaponSlot());
}

FLOOR_INLINE int32_t Money() { return GAME->gamePlayerInfo()->playerMoney(); }

}  // namespace

void FloorFrame() {
  SF->getRender()->CanDraw();
  chatWordSink = SF->getSAMP()->getChat()->drawWord;
  SF->getGame()->isGTAMenuActive();
  SF->getRender()->BeginRender();

  // Radar bar, two gauges: health on the left, armour on the right.
  QueryScreen<4>();
  Box(120, 1008, 300, 22, 0xBE000000);
  PEDSELF->pedArmor();
  QueryScreen<8>();
  Box(120, 1012, 148, 14, 0x44C82828);
  QueryScreen<8>();
  PEDSELF->pedHealth();
  PEDSELF->pedHealth();
  Box(120, 1012, 110, 14, 0xFFC82828);
  PEDSELF->pedOxygenActive();
  QueryScreen<11>();
  Box(272, 1012, 148, 14, 0x44E1E1E1);
  PEDSELF->pedArmor();
  PEDSELF->pedArmor();
  QueryScreen<7>();
  Box(272, 1012, 73, 14, 0xFFE1E1E1);

  // Money: the balance 1234567 with its dollar glyph, then the change +2500 below it.
  QueryScreen<3>();
  MoneyGlyph(7, 1794, 68);
  QueryScreen<1>();
  MoneyGlyph(6, 1758, 68);
  QueryScreen<1>();
  MoneyGlyph(5, 1722, 68);
  QueryScreen<1>();
  MoneyGlyph(4, 1686, 68);
  QueryScreen<1>();
  MoneyGlyph(3, 1650, 68);
  QueryScreen<1>();
  MoneyGlyph(2, 1614, 68);
  QueryScreen<1>();
  MoneyGlyph(1, 1578, 68);
  QueryScreen<1>();
  MoneyGlyph(kDollarGlyph, 1542, 68);
  QueryScreen<4>();
  MoneyGlyph(0, 1794, 116);
  QueryScreen<1>();
  MoneyGlyph(0, 1758, 116);
  QueryScreen<1>();
  MoneyGlyph(5, 1722, 116);
  QueryScreen<1>();
  MoneyGlyph(2, 1686, 116);
  QueryScreen<1>();
  MoneyGlyph(kPlusGlyph, 1650, 116);

  // Ammo: 120 rounds outside the clip, then the gap and the clip's 30.
  constexpr uint32_t kTotalColor = 0xFFB4B4B4;
  constexpr uint32_t kClipColor = 0xFFFFFFFF;
  QueryScreen<4>();
  AmmoGlyph(0, 1797, kTotalColor);
  QueryScreen<1>();
  AmmoGlyph(2, 1764, kTotalColor);
  QueryScreen<1>();
  AmmoGlyph(1, 1731, kTotalColor);
  QueryScreen<2>();
  AmmoGlyph(0, 1680, kClipColor);
  QueryScreen<1>();
  AmmoGlyph(3, 1647, kClipColor);
  QueryScreen<1>();

  // Crosshair: the key, slots 2, 3 and 4, the two reload states, the slot once more.
  SF->getGame()->isKeyDown(2);
  PEDSELF->pedWeaponSlot();
  PEDSELF->pedWeaponSlot();
  PEDSELF->pedWeaponSlot();
  CurrentWeapon()->weaponState();
  CurrentWeapon()->weaponState();
  PEDSELF->pedWeaponSlot();
  QueryScreen<4>();
  Texture(TextureSet.crosshairTextures[kSmgCrosshair], 924, 511, 72, 58, 0xE6FFFFFF);

  // Wanted stars: level 3, so three full stars and three empty ones, the level read at every
  // test.
  constexpr uint32_t kFullColor = 0xFFFFC828;
  constexpr uint32_t kEmptyColor = 0x96323232;
  WantedLevel();
  QueryScreen<2>();
  WantedLevel();
  Star(1794, kFullColor);
  WantedLevel();
  Star(1752, kFullColor);
  WantedLevel();
  Star(1710, kFullColor);
  WantedLevel();
  WantedLevel();
  Star(1668, kEmptyColor);
  Star(1626, kEmptyColor);
  Star(1584, kEmptyColor);

  SF->getRender()->EndRender();
}

void FloorMainLoop() {
  // Money: the balance has reached it, and it has not changed since the last call.
  Money();
  Money();
  Money();
  GetTickCount();

  // Ammo: slot 4 is none of the slots without a readout or with the total alone (four tests), the
  // type none of the three with the total alone, so the total, the clip, and the clip again.
  PEDSELF->pedWeaponSlot();
  PEDSELF->pedWeaponSlot();
  PEDSELF->pedWeaponSlot();
  PEDSELF->pedWeaponSlot();
  CurrentWeapon()->weaponType();
  CurrentWeapon()->weaponType();
  CurrentWeapon()->weaponType();
  CurrentWeapon()->weaponTotalAmmo();
  CurrentWeapon()->weaponClipAmmo();
  CurrentWeapon()->weaponClipAmmo();
}

namespace {

struct ProfileKey {
  const char* section;
  const char* key;
};

// Every key of a settings load, in the order read.
constexpr ProfileKey kSettingsKeys[] = {
    {"Components", "bRadarBar"},       {"Components", "bMoney"},
    {"Components", "bAmmo"},           {"Components", "bCrosshair"},
    {"Components", "bStar"},           {"Radar", "fX"},
    {"Radar", "fY"},                   {"RadarBar", "fX"},
    {"RadarBar", "fY"},                {"RadarBar", "fWidth"},
    {"RadarBar", "fHeight"},           {"RadarBar", "fBorder"},
    {"RadarBar", "iHealthColorA"},     {"RadarBar", "iHealthColorR"},
    {"RadarBar", "iHealthColorG"},     {"RadarBar", "iHealthColorB"},
    {"RadarBar", "iArmorColorA"},      {"RadarBar", "iArmorColorR"},
    {"RadarBar", "iArmorColorG"},      {"RadarBar", "iArmorColorB"},
    {"RadarBar", "iOxygenColorA"},     {"RadarBar", "iOxygenColorR"},
    {"RadarBar", "iOxygenColorG"},     {"RadarBar", "iOxygenColorB"},
    {"RadarBar", "iBorderColorA"},     {"RadarBar", "iBorderColorR"},
    {"RadarBar", "iBorderColorG"},     {"RadarBar", "iBorderColorB"},
    {"Money", "fX"},                   {"Money", "fY"},
    {"Money", "fYOffset"},             {"Money", "fLetterWidth"},
    {"Money", "fLetterHeight"},        {"Money", "fLetterOffset"},
    {"Money", "iPositiveColorA"},      {"Money", "iPositiveColorR"},
    {"Money", "iPositiveColorG"},      {"Money", "iPositiveColorB"},
    {"Money", "iNegativeColorA"},      {"Money", "iNegativeColorR"},
    {"Money", "iNegativeColorG"},      {"Money", "iNegativeColorB"},
    {"Ammo", "fX"},                    {"Ammo", "fY"},
    {"Ammo", "fXOffset"},              {"Ammo", "fYOffset"},
    {"Ammo", "fLetterWidth"},          {"Ammo", "fLetterHeight"},
    {"Ammo", "fLetterOffset"},         {"Ammo", "iTotalColorA"},
    {"Ammo", "iTotalColorR"},          {"Ammo", "iTotalColorG"},
    {"Ammo", "iTotalColorB"},          {"Ammo", "iClipColorA"},
    {"Ammo", "iClipColorR"},           {"Ammo", "iClipColorG"},
    {"Ammo", "iClipColorB"},           {"Crosshair", "fX"},
    {"Crosshair", "fY"},               {"Crosshair", "fWidth"},
    {"Crosshair", "fHeight"},          {"Crosshair", "iReadyColorA"},
    {"Crosshair", "iReadyColorR"},     {"Crosshair", "iReadyColorG"},
    {"Crosshair", "iReadyColorB"},     {"Crosshair", "iReloadColorA"},
    {"Crosshair", "iReloadColorR"},    {"Crosshair", "iReloadColorG"},
    {"Crosshair", "iReloadColorB"},    {"Star", "fX"},
    {"Star", "fY"},                    {"Star", "fWidth"},
    {"Star", "fHeight"},               {"Star", "fOffset"},
    {"Star", "iFullColorA"},           {"Star", "iFullColorR"},
    {"Star", "iFullColorG"},           {"Star", "iFullColorB"},
    {"Star", "iEmptyColorA"},          {"Star", "iEmptyColorR"},
    {"Star", "iEmptyColorG"},          {"Star", "iEmptyColorB"},
};

}  // namespace

void FloorSettingsLoad() {
  char value[256];
  for (const ProfileKey& row : kSettingsKeys) {
    GetPrivateProfileStringA(row.section, row.key, nullptr, value, sizeof value,
                             "SAMPFUNCS\\Velomark\\Velomark.ini");
  }
}
