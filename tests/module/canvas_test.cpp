// The canvas as the loaded module uses it: scaling to the screen, the texture set and digit
// strips, observed through the radar bar's boxes and the counters' glyphs.
#include <gmock/gmock.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/recording_host.h"

using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

SettingsFile OnlyComponent(const char* key) {
  SettingsFile file = SettingsFile::Complete();
  for (const char* other : {"bRadarBar", "bMoney", "bAmmo", "bCrosshair", "bStar"}) {
    file.Set("Components", other, other == std::string(key) ? "true" : "false");
  }
  return file;
}

std::string GlyphLine(const std::string& glyph, int32_t x, int32_t y, int32_t w, int32_t h,
                      uint32_t color) {
  char colorText[16];
  std::snprintf(colorText, sizeof colorText, "0x%08X", color);
  return "DrawTexture SAMPFUNCS\\Velomark\\characters\\" + glyph + ".png " + std::to_string(x) +
         " " + std::to_string(y) + " " + std::to_string(w) + " " + std::to_string(h) + " 0 " +
         colorText;
}

// A frame's drawing pass around the given lines.
std::vector<std::string> Frame(const std::vector<std::string>& drawn) {
  std::vector<std::string> frame = {"Present", "BeginRender"};
  frame.insert(frame.end(), drawn.begin(), drawn.end());
  frame.push_back("EndRender");
  return frame;
}

// --- Scaling --------------------------------------------------------------------------------

struct ScaleCase {
  int32_t width, height;
  const char* fX;
  const char* fY;
  const char* fWidth;
  const char* fHeight;
  const char* border;  // the radar bar's first box
};

class CanvasScaleTest : public RecordingHostTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(CanvasScaleTest, CanvasUnitsScaleToTheScreenSize) {
  const ScaleCase& c = GetParam();
  SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", fX " + c.fX);
  WriteSettings(OnlyComponent("bRadarBar")
                    .Set("RadarBar", "fX", c.fX)
                    .Set("RadarBar", "fY", c.fY)
                    .Set("RadarBar", "fWidth", c.fWidth)
                    .Set("RadarBar", "fHeight", c.fHeight));
  StartModule();
  Game().screenWidth = c.width;
  Game().screenHeight = c.height;
  const std::vector<std::string> frame = Present();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[2], std::string(c.border) + " 0xFF000000");
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CanvasScaleTest,
    ::testing::Values(
        // The whole canvas is the whole screen.
        ScaleCase{640, 448, "0", "0", "640", "448", "DrawBox 0 0 640 448"},
        ScaleCase{800, 600, "0", "0", "640", "448", "DrawBox 0 0 800 600"},
        ScaleCase{1024, 768, "0", "0", "640", "448", "DrawBox 0 0 1024 768"},
        ScaleCase{1280, 720, "0", "0", "640", "448", "DrawBox 0 0 1280 720"},
        ScaleCase{1366, 768, "0", "0", "640", "448", "DrawBox 0 0 1366 768"},
        ScaleCase{1920, 1080, "0", "0", "640", "448", "DrawBox 0 0 1920 1080"},
        // Halves round up.
        ScaleCase{1920, 1080, "320", "400", "1", "10", "DrawBox 960 964 3 24"},
        ScaleCase{1366, 768, "320", "400", "100", "10", "DrawBox 683 686 213 17"},
        ScaleCase{800, 600, "500", "400", "100", "10", "DrawBox 625 536 125 13"},
        // Negative values are truncated after adding the half, not rounded.
        ScaleCase{1024, 768, "-0.8", "400", "100", "10", "DrawBox 0 686 160 17"},
        ScaleCase{1280, 720, "-0.8", "400", "100", "10", "DrawBox -1 643 200 16"},
        ScaleCase{800, 600, "-1", "400", "100", "10", "DrawBox 0 536 125 13"},
        ScaleCase{1920, 1080, "-1", "400", "100", "10", "DrawBox -2 964 300 24"}));

TEST_F(RecordingHostTest, ScreenSizeIsAskedAgainForEveryFrame) {
  WriteSettings(OnlyComponent("bRadarBar"));
  StartModule();
  std::vector<std::string> frame = Present();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[2], "DrawBox 500 400 100 10 0xFF000000");

  Game().screenWidth = 1920;
  Game().screenHeight = 1080;
  frame = Present();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[2], "DrawBox 1500 964 300 24 0xFF000000");
}

// --- Digit strips ---------------------------------------------------------------------------

// The ammo counter of a weapon in slot 6 draws its total alone, as one strip; with a 12-pixel
// glyph the first pen is ScaleX(Ammo.fX) less one advance.
struct StripCase {
  const char* name;
  const char* fX;
  const char* fLetterOffset;
  int32_t value;
  std::vector<std::pair<int, int32_t>> glyphs;  // digit and pen, units first
};

class CanvasStripTest : public RecordingHostTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(CanvasStripTest, DigitsAreDrawnRightToLeftFromThePen) {
  const StripCase& c = GetParam();
  WriteSettings(OnlyComponent("bAmmo")
                    .Set("Ammo", "fX", c.fX)
                    .Set("Ammo", "fLetterWidth", "12")
                    .Set("Ammo", "fLetterOffset", c.fLetterOffset));
  StartModule();
  Game().weaponSlot = 6;
  Game().total = c.value;
  MainLoop();

  std::vector<std::string> drawn;
  for (const auto& [digit, pen] : c.glyphs) {
    drawn.push_back(GlyphLine(std::to_string(digit), pen, 100, 12, 16, 0xFFFFFFFF));
  }
  EXPECT_THAT(Present(), ElementsAreArray(Frame(drawn)));
}

INSTANTIATE_TEST_SUITE_P(
    Strips, CanvasStripTest,
    ::testing::Values(
        StripCase{"WholeGlyphAdvance", "512", "1.0", 305, {{5, 500}, {0, 488}, {3, 476}}},
        // An advance of 9.6 pixels, truncated at every step: 10 pixels while the pen is
        // positive, 9 while it is negative.
        StripCase{"FractionalAdvancePositivePen", "510", "0.8", 1234,
                  {{4, 500}, {3, 490}, {2, 480}, {1, 470}}},
        StripCase{"FractionalAdvanceNegativePen", "4", "0.8", 1234,
                  {{4, -5}, {3, -14}, {2, -23}, {1, -32}}},
        // An advance of 8.4 pixels: 500.6, 491.6, 482.6 and 473.6 are truncated, not rounded.
        StripCase{"TruncatedNotRounded", "509", "0.7", 4321,
                  {{1, 500}, {2, 491}, {3, 482}, {4, 473}}},
        StripCase{"NoAdvance", "500", "0", 305, {{5, 500}, {0, 500}, {3, 500}}},
        StripCase{"NegativeAdvanceMovesRight", "500", "-1", 305, {{5, 512}, {0, 524}, {3, 536}}},
        StripCase{"Zero", "512", "1", 0, {{0, 500}}},
        StripCase{"InnerZeros", "512", "1", 1000, {{0, 500}, {0, 488}, {0, 476}, {1, 464}}},
        StripCase{"LargestValue", "512", "1", 2147483647,
                  {{7, 500}, {4, 488}, {6, 476}, {3, 464}, {8, 452}, {4, 440}, {7, 428},
                   {4, 416}, {1, 404}, {2, 392}}}),
    [](const ::testing::TestParamInfo<StripCase>& row) { return row.param.name; });

TEST_F(RecordingHostTest, SecondStripStartsWhereTheFirstLeftThePen) {
  WriteSettings(OnlyComponent("bAmmo")
                    .Set("Ammo", "fX", "512")
                    .Set("Ammo", "fXOffset", "10")
                    .Set("Ammo", "fLetterWidth", "12")
                    .Set("Ammo", "fLetterOffset", "1"));
  StartModule();
  Game().weaponSlot = 3;
  Game().total = 130;
  Game().clip = 30;
  MainLoop();

  // Reserve 100 ends with the pen at 464; the clip starts 10 pixels further left.
  EXPECT_THAT(Present(), ElementsAreArray(Frame({
                             GlyphLine("0", 500, 100, 12, 16, 0xFFFFFFFF),
                             GlyphLine("0", 488, 100, 12, 16, 0xFFFFFFFF),
                             GlyphLine("1", 476, 100, 12, 16, 0xFFFFFFFF),
                             GlyphLine("0", 454, 100, 12, 16, 0xFFCCCCCC),
                             GlyphLine("3", 442, 100, 12, 16, 0xFFCCCCCC),
                         })));
}

std::vector<std::string> LinesContaining(const std::vector<std::string>& lines,
                                         const std::string& text) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.find(text) != std::string::npos) found.push_back(line);
  }
  return found;
}

TEST_F(RecordingHostTest, MostNegativeChangeDrawsAllTenDigitsOfItsMagnitude) {
  WriteSettings(OnlyComponent("bMoney"));
  StartModule();
  Game().money = INT32_MIN;
  MainLoop();

  // The change indicator's row: Money.fY 40 plus Money.fYOffset 20. The first pen is
  // ScaleX(600) less one 10-pixel glyph.
  const uint32_t red = 0xFFAA0000;  // Money.iNegativeColor
  EXPECT_THAT(LinesContaining(Present(), " 60 10 14 "),
              ElementsAreArray({
                  GlyphLine("8", 590, 60, 10, 14, red),
                  GlyphLine("4", 580, 60, 10, 14, red),
                  GlyphLine("6", 570, 60, 10, 14, red),
                  GlyphLine("3", 560, 60, 10, 14, red),
                  GlyphLine("8", 550, 60, 10, 14, red),
                  GlyphLine("4", 540, 60, 10, 14, red),
                  GlyphLine("7", 530, 60, 10, 14, red),
                  GlyphLine("4", 520, 60, 10, 14, red),
                  GlyphLine("1", 510, 60, 10, 14, red),
                  GlyphLine("2", 500, 60, 10, 14, red),
                  GlyphLine("-", 490, 60, 10, 14, red),
              }));
}

// --- Texture set ----------------------------------------------------------------------------

std::string LoadFailureLine(const std::string& paths) {
  return "AddChatMessage 0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}could not load: " + paths;
}

TEST_F(RecordingHostTest, TexturesThatDoNotLoadAreNamedOnceAndNeverDrawn) {
  WriteSettings(SettingsFile::Complete()
                    .Set("Components", "bRadarBar", "false")
                    .Set("Components", "bMoney", "false")
                    .Set("Components", "bCrosshair", "false")
                    .Set("Ammo", "fX", "512")
                    .Set("Ammo", "fLetterWidth", "12")
                    .Set("Ammo", "fLetterOffset", "1"));
  RemoveTextureFile("SAMPFUNCS\\Velomark\\star\\star.png");
  RemoveTextureFile("SAMPFUNCS\\Velomark\\characters\\0.png");
  Game().weaponSlot = 6;
  Game().total = 305;
  Game().wanted = 2;
  LoadModule();

  const std::vector<std::string> first = MainLoop();
  // Every texture is still asked for, in load order; the failures follow the loaded message.
  for (const char* path : kTexturePaths) {
    EXPECT_THAT(first, Contains(std::string("LoadTextureFromFile ") + path));
  }
  ASSERT_GE(first.size(), 2u);
  EXPECT_EQ(first[first.size() - 2],
            "AddChatMessage 0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}was loaded! Author: "
            "{AA5555}Quendril");
  EXPECT_EQ(first.back(), LoadFailureLine("SAMPFUNCS\\Velomark\\star\\star.png, "
                                          "SAMPFUNCS\\Velomark\\characters\\0.png"));
  EXPECT_THAT(MainLoop(), Not(Contains(HasSubstr("could not load"))));

  // The stars have no texture at all; the ammo total loses only its 0.
  EXPECT_THAT(Present(), ElementsAreArray(Frame({
                             GlyphLine("5", 500, 100, 12, 16, 0xFFFFFFFF),
                             GlyphLine("3", 476, 100, 12, 16, 0xFFFFFFFF),
                         })));
}

}  // namespace
