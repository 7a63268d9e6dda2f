// The radar bar: its boxes, in order, for the character's health, armour and oxygen.
#include <gmock/gmock.h>

#include <cmath>
#include <limits>

#include "tests/module/widget_trace.h"
#include "tests/recording_host.h"

using ::testing::ElementsAreArray;

namespace {

// The colours of the complete test settings and their tracks (alpha moved on by 0x45).
constexpr uint32_t kBorder = 0xFF000000;
constexpr uint32_t kHealth = 0xFFAA0000, kHealthTrack = 0x44AA0000;
constexpr uint32_t kArmor = 0xFFDDDDDD, kArmorTrack = 0x44DDDDDD;
constexpr uint32_t kOxygen = 0xFF4080FF, kOxygenTrack = 0x444080FF;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class RadarBarTest : public RecordingHostTest {
 protected:
  // The bar at canvas (500, 400), 100 x 10, border 2, alone on the screen.
  void Start(SettingsFile settings = OnlyComponents({"bRadarBar"})) {
    WriteSettings(settings);
    StartModule();
  }
};

struct BarCase {
  const char* name;
  float health, armor;
  bool oxygenActive;
  float oxygen;
  int screenWidth;
  const char* border;
  std::vector<std::string> boxes;
};

class RadarBarLayout : public RadarBarTest, public ::testing::WithParamInterface<BarCase> {};

TEST_P(RadarBarLayout, DrawsTheseBoxesInOrder) {
  const BarCase& c = GetParam();
  Start(OnlyComponents({"bRadarBar"}).Set("RadarBar", "fBorder", c.border));
  Game().health = c.health;
  Game().armor = c.armor;
  Game().oxygenActive = c.oxygenActive;
  Game().oxygen = c.oxygen;
  Game().screenWidth = c.screenWidth;
  EXPECT_THAT(DrawCalls(Present()), ElementsAreArray(c.boxes));
}

const BarCase kBarCases[] = {
    {"HealthAndArmour", 50, 30, false, 0, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 49, 6, kHealthTrack),
      BoxLine(500, 402, 24, 6, kHealth), BoxLine(551, 402, 49, 6, kArmorTrack),
      BoxLine(551, 402, 14, 6, kArmor)}},
    {"HealthAboveFullAlone", 150, 0, false, 0, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 100, 6, kHealthTrack),
      BoxLine(500, 402, 100, 6, kHealth)}},
    // NaN is not equal to 0, so the bar splits; the fill of a NaN is the integer indefinite.
    {"ArmourNaNSplits", 50, kNaN, false, 0, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 49, 6, kHealthTrack),
      BoxLine(500, 402, 24, 6, kHealth), BoxLine(551, 402, 49, 6, kArmorTrack),
      BoxLine(551, 402, -1073741825, 6, kArmor)}},
    {"NegativeZeroArmourDoesNotSplit", 50, -0.0f, false, 0, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 100, 6, kHealthTrack),
      BoxLine(500, 402, 50, 6, kHealth)}},
    // A raw 1998.5 is half of a full oxygen gauge.
    {"OxygenWithoutArmour", 50, 0, true, 1998.5f, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 49, 6, kHealthTrack),
      BoxLine(500, 402, 24, 6, kHealth), BoxLine(551, 402, 49, 6, kOxygenTrack),
      BoxLine(551, 402, 24, 6, kOxygen)}},
    {"OxygenBeforeArmour", 50, 30, true, 1998.5f, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 49, 6, kHealthTrack),
      BoxLine(500, 402, 24, 6, kHealth), BoxLine(551, 402, 49, 6, kOxygenTrack),
      BoxLine(551, 402, 24, 6, kOxygen)}},
    {"RawOxygen3997FillsItsGauge", 50, 0, true, 3997, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 49, 6, kHealthTrack),
      BoxLine(500, 402, 24, 6, kHealth), BoxLine(551, 402, 49, 6, kOxygenTrack),
      BoxLine(551, 402, 49, 6, kOxygen)}},
    {"OxygenAboveFullIsCapped", 50, 0, true, 100000, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 49, 6, kHealthTrack),
      BoxLine(500, 402, 24, 6, kHealth), BoxLine(551, 402, 49, 6, kOxygenTrack),
      BoxLine(551, 402, 49, 6, kOxygen)}},
    // half(0) - half(2): a width of -1 goes to the host as it is.
    {"EmptyHealthBesideArmour", 0, 30, false, 0, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 49, 6, kHealthTrack),
      BoxLine(500, 402, -1, 6, kHealth), BoxLine(551, 402, 49, 6, kArmorTrack),
      BoxLine(551, 402, 14, 6, kArmor)}},
    // ScaleX(-10) is -10 + 0.5 truncated toward zero.
    {"NegativeHealthAlone", -10, 0, false, 0, 640, "2",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 402, 100, 6, kHealthTrack),
      BoxLine(500, 402, -9, 6, kHealth)}},
    // half(3) = 1: each track is half(W) - 1 wide and the gauges stand 2 pixels apart.
    {"OddBorder", 50, 30, false, 0, 640, "3",
     {BoxLine(500, 400, 100, 10, kBorder), BoxLine(500, 403, 49, 4, kHealthTrack),
      BoxLine(500, 403, 24, 4, kHealth), BoxLine(551, 403, 49, 4, kArmorTrack),
      BoxLine(551, 403, 14, 4, kArmor)}},
    // At twice the width the border stays 2 pixels: it is scaled vertically, also as a gap.
    {"BorderScaledVerticallyOnAWideScreen", 50, 30, false, 0, 1280, "2",
     {BoxLine(1000, 400, 200, 10, kBorder), BoxLine(1000, 402, 99, 6, kHealthTrack),
      BoxLine(1000, 402, 49, 6, kHealth), BoxLine(1101, 402, 99, 6, kArmorTrack),
      BoxLine(1101, 402, 29, 6, kArmor)}},
};

INSTANTIATE_TEST_SUITE_P(Cases, RadarBarLayout, ::testing::ValuesIn(kBarCases),
                         CaseName());

struct TrackCase {
  uint32_t fill, track;
};

class RadarBarTrackColor : public RadarBarTest, public ::testing::WithParamInterface<TrackCase> {};

// The track's alpha is the fill's plus 0x45, modulo 256; red, green and blue stay.
TEST_P(RadarBarTrackColor, MovesAlphaOnBy0x45) {
  Start(OnlyComponents({"bRadarBar"}).SetColor("RadarBar", "iHealthColor", GetParam().fill));
  Game().health = 150;
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAreArray({BoxLine(500, 400, 100, 10, kBorder),
                                BoxLine(500, 402, 100, 6, GetParam().track),
                                BoxLine(500, 402, 100, 6, GetParam().fill)}));
}

INSTANTIATE_TEST_SUITE_P(Alphas, RadarBarTrackColor,
                         ::testing::Values(TrackCase{0xFF123456, 0x44123456},
                                           TrackCase{0x00123456, 0x45123456},
                                           TrackCase{0xBA123456, 0xFF123456},
                                           TrackCase{0xBB123456, 0x00123456}));

}  // namespace
