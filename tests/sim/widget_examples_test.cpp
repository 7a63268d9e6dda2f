// The widgets' worked layouts, played through the tool: settings file in, trace lines out. The
// test settings put one canvas unit on one pixel at 640 x 448.
#include <gmock/gmock.h>

#include "tests/sim/sim_tool.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Not;

namespace {

// The start of every DrawTexture line of a texture kind; the texture's path is Windows-style.
const std::string kGlyph = "DrawTexture SAMPFUNCS\\Velomark\\characters\\";
const std::string kStar = "DrawTexture SAMPFUNCS\\Velomark\\star\\star.png ";
const std::string kCrosshair = "DrawTexture SAMPFUNCS\\Velomark\\crosshairs\\";

class WidgetExampleTest : public SimToolTest {};

struct RadarCase {
  const char* name;
  const char* game;  // the scenario's "game" object
  std::vector<std::string> boxes;
};

void PrintTo(const RadarCase& radarCase, std::ostream* out) { *out << radarCase.name; }

class RadarBarExampleTest : public SimToolTest, public ::testing::WithParamInterface<RadarCase> {};

TEST_P(RadarBarExampleTest, DrawsTheBoxesOfTheCase) {
  const std::string scenario = std::string(R"({ "game": )") + GetParam().game +
                               R"(, "steps": [ { "mainLoop": 1, "present": 1 } ] })";
  EXPECT_THAT(LastFrameDraws(TraceOf(OnlyWidget("bRadarBar"), scenario)),
              ElementsAreArray(GetParam().boxes));
}

// Border 0xFF000000, health 0xFFAA0000, armour 0xFFDDDDDD, oxygen 0xFF4080FF; a track is its
// colour with 0x45 added to the alpha byte.
INSTANTIATE_TEST_SUITE_P(
    Cases, RadarBarExampleTest,
    ::testing::Values(
        RadarCase{"HealthAndArmour", R"({ "health": 50, "armor": 30 })",
                  {"DrawBox 500 400 100 10 0xFF000000", "DrawBox 500 402 49 6 0x44AA0000",
                   "DrawBox 500 402 24 6 0xFFAA0000", "DrawBox 551 402 49 6 0x44DDDDDD",
                   "DrawBox 551 402 14 6 0xFFDDDDDD"}},
        RadarCase{"HealthAboveAHundredFillsTheTrack", R"({ "health": 150, "armor": 0 })",
                  {"DrawBox 500 400 100 10 0xFF000000", "DrawBox 500 402 100 6 0x44AA0000",
                   "DrawBox 500 402 100 6 0xFFAA0000"}},
        // 3997 raw is a full gauge; oxygen wins the right gauge over armour.
        RadarCase{"OxygenTakesTheRightGauge",
                  R"({ "health": 100, "armor": 30, "oxygenActive": true, "oxygen": 3997 })",
                  {"DrawBox 500 400 100 10 0xFF000000", "DrawBox 500 402 49 6 0x44AA0000",
                   "DrawBox 500 402 49 6 0xFFAA0000", "DrawBox 551 402 49 6 0x444080FF",
                   "DrawBox 551 402 49 6 0xFF4080FF"}},
        RadarCase{"NegativeZeroArmourIsNoArmour", R"({ "health": 100, "armor": "-0" })",
                  {"DrawBox 500 400 100 10 0xFF000000", "DrawBox 500 402 100 6 0x44AA0000",
                   "DrawBox 500 402 100 6 0xFFAA0000"}},
        RadarCase{"NanArmourSplitsTheBar", R"({ "health": 100, "armor": "nan" })",
                  {"DrawBox 500 400 100 10 0xFF000000", "DrawBox 500 402 49 6 0x44AA0000",
                   "DrawBox 500 402 49 6 0xFFAA0000", "DrawBox 551 402 49 6 0x44DDDDDD",
                   "DrawBox 551 402 -1073741825 6 0xFFDDDDDD"}}),
    [](const ::testing::TestParamInfo<RadarCase>& param) { return std::string(param.param.name); });

// Money fX 600, fY 40, fYOffset 20, glyphs 10 x 14, advance 1.0; positive 0xFF00AA00, negative
// 0xFFAA0000. The balance settles at tick 0; the second change comes at 6000 ms and the balance
// rolls to it within that same millisecond, so its indicator still shows.
TEST_F(WidgetExampleTest, MoneyBalance1250WithChangePlus300) {
  const auto trace = TraceOf(OnlyWidget("bMoney"), R"({
    "steps": [ { "at": 0, "set": { "money": 950 }, "mainLoop": 1000 },
               { "at": 6000, "set": { "money": 1250 }, "mainLoop": 400, "present": 1 } ] })");
  EXPECT_THAT(LastFrameDraws(trace),
              ElementsAre(kGlyph + "0.png 590 40 10 14 0 0xFF00AA00",
                          kGlyph + "5.png 580 40 10 14 0 0xFF00AA00",
                          kGlyph + "2.png 570 40 10 14 0 0xFF00AA00",
                          kGlyph + "1.png 560 40 10 14 0 0xFF00AA00",
                          kGlyph + "dollar.png 550 40 10 14 0 0xFF00AA00",
                          kGlyph + "0.png 590 60 10 14 0 0xFF00AA00",
                          kGlyph + "0.png 580 60 10 14 0 0xFF00AA00",
                          kGlyph + "3.png 570 60 10 14 0 0xFF00AA00",
                          kGlyph + "+.png 560 60 10 14 0 0xFF00AA00"));
}

TEST_F(WidgetExampleTest, MoneyBalanceMinus45WithChangeMinus300) {
  const auto trace = TraceOf(OnlyWidget("bMoney"), R"({
    "steps": [ { "at": 0, "set": { "money": 255 }, "mainLoop": 1000 },
               { "at": 6000, "set": { "money": -45 }, "mainLoop": 400, "present": 1 } ] })");
  EXPECT_THAT(LastFrameDraws(trace),
              ElementsAre(kGlyph + "5.png 590 40 10 14 0 0xFFAA0000",
                          kGlyph + "4.png 580 40 10 14 0 0xFFAA0000",
                          kGlyph + "dollar.png 570 40 10 14 0 0xFFAA0000",
                          kGlyph + "-.png 560 40 10 14 0 0xFFAA0000",
                          kGlyph + "0.png 590 60 10 14 0 0xFFAA0000",
                          kGlyph + "0.png 580 60 10 14 0 0xFFAA0000",
                          kGlyph + "3.png 570 60 10 14 0 0xFFAA0000",
                          kGlyph + "-.png 560 60 10 14 0 0xFFAA0000"));
}

// The indicator shows until the first update more than 4000 ms after the change, counted modulo
// 2^32: here the tick wraps 1000 ms after the change.
TEST_F(WidgetExampleTest, MoneyIndicatorOutlivesExactly4000MsAcrossTheTickWrap) {
  const std::string plus = kGlyph + "+.png 580 60 10 14 0 0xFF00AA00";
  const std::string scenario = R"({ "tickStart": 4294966296,
    "steps": [ { "at": 0, "set": { "money": 5 }, "mainLoop": 10, "present": 1 },
               { "at": 4000, "mainLoop": 1, "present": 1 },
               { "at": 4001, "mainLoop": 1, "present": 1 } ] })";
  const auto frames = FrameDraws(TraceOf(OnlyWidget("bMoney"), scenario));
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_THAT(frames[0], Contains(plus));
  EXPECT_THAT(frames[1], Contains(plus));
  EXPECT_THAT(frames[2], Not(Contains(plus)));
}

// Ammo fX 600, glyphs 13 x 16 at y 100, advance 1.1, gap 10; total 0xFFFFFFFF, clip 0xFFCCCCCC.
TEST_F(WidgetExampleTest, AmmoReserve120AndClip30) {
  const auto trace = TraceOf(OnlyWidget("bAmmo"), R"({
    "game": { "weaponSlot": 2, "weaponType": 22, "clip": 30, "total": 150 },
    "steps": [ { "mainLoop": 1, "present": 1 } ] })");
  EXPECT_THAT(LastFrameDraws(trace),
              ElementsAre(kGlyph + "0.png 585 100 13 16 0 0xFFFFFFFF",
                          kGlyph + "2.png 570 100 13 16 0 0xFFFFFFFF",
                          kGlyph + "1.png 555 100 13 16 0 0xFFFFFFFF",
                          kGlyph + "0.png 530 100 13 16 0 0xFFCCCCCC",
                          kGlyph + "3.png 515 100 13 16 0 0xFFCCCCCC"));
}

struct CrosshairCase {
  const char* name;
  const char* width;  // Crosshair.fWidth
  const char* game;
  std::string draw;
};

void PrintTo(const CrosshairCase& crosshairCase, std::ostream* out) { *out << crosshairCase.name; }

class CrosshairExampleTest : public SimToolTest,
                             public ::testing::WithParamInterface<CrosshairCase> {};

// Crosshair centred on (320, 224), 20 high; ready 0xFFFFFFFF, reload 0xFFFF4000.
TEST_P(CrosshairExampleTest, DrawsTheTextureOfTheCase) {
  const std::string scenario = std::string(R"({ "game": )") + GetParam().game +
                               R"(, "steps": [ { "mainLoop": 1, "present": 1 } ] })";
  const auto trace =
      TraceOf(OnlyWidget("bCrosshair").Set("Crosshair", "fWidth", GetParam().width), scenario);
  EXPECT_THAT(LastFrameDraws(trace), ElementsAre(GetParam().draw));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CrosshairExampleTest,
    ::testing::Values(
        CrosshairCase{"OddWidthHalvesDown", "15", R"({ "rightMouse": true, "weaponSlot": 2 })",
                      kCrosshair + "pistol.png 313 214 15 20 0 0xFFFFFFFF"},
        CrosshairCase{"NegativeWidthHalvesTowardZero", "-15.5",
                      R"({ "rightMouse": true, "weaponSlot": 2 })",
                      kCrosshair + "pistol.png 327 214 -15 20 0 0xFFFFFFFF"},
        CrosshairCase{"ReloadingAssault", "20",
                      R"({ "rightMouse": true, "weaponSlot": 5, "weaponState": 2 })",
                      kCrosshair + "assault.png 310 214 20 20 0 0xFFFF4000"},
        CrosshairCase{"SniperTypeOutsideTheSlots", "20",
                      R"({ "rightMouse": true, "weaponSlot": 6, "weaponType": 33 })",
                      kCrosshair + "pistol.png 310 214 20 20 0 0xFFFFFFFF"}),
    [](const ::testing::TestParamInfo<CrosshairCase>& param) {
      return std::string(param.param.name);
    });

// At 800 x 600, Star.fWidth 10 and fOffset 2 scale to 13 and 3 pixels: stars 16 pixels apart.
// Star.fX 600 scales to 750 and fY 112 to 150; one full star (0xFFFFD700) rightmost, five empty
// (0x80404040) to its left.
TEST_F(WidgetExampleTest, StarsAt800WideStand16PixelsApart) {
  const auto trace = TraceOf(OnlyWidget("bStar").Set("Star", "fY", "112"), R"({
    "screen": [800, 600], "game": { "wanted": 1 },
    "steps": [ { "mainLoop": 1, "present": 1 } ] })");
  EXPECT_THAT(LastFrameDraws(trace),
              ElementsAre(kStar + "737 150 13 13 0 0xFFFFD700",
                          kStar + "721 150 13 13 0 0x80404040",
                          kStar + "705 150 13 13 0 0x80404040",
                          kStar + "689 150 13 13 0 0x80404040",
                          kStar + "673 150 13 13 0 0x80404040",
                          kStar + "657 150 13 13 0 0x80404040"));
}

}  // namespace
