// The wanted stars: full stars for the level, empty ones filling the row up to six, their
// spacing, and a bound on what a garbage level can draw.
#include <gmock/gmock.h>

#include <cstdint>
#include <string>

#include "tests/module/widget_trace.h"
#include "tests/recording_host.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr uint32_t kFull = 0xFFFFD700, kEmpty = 0x80404040;
// The most full stars one frame draws, however large the level read from game memory.
constexpr int kMostFullStars = 64;

// A 10 x 10 star at canvas y 140 (pixels at 640 x 448).
std::string Star(int x, uint32_t color) {
  return TextureLine("star\\star.png", x, 140, 10, 10, color);
}

// The row of the complete test settings: the rightmost star at 600 - 10, each next one 10 + 2
// further left, the full stars first.
std::vector<std::string> Row(int full, int empty) {
  std::vector<std::string> stars;
  int x = 590;
  for (int i = 0; i < full; ++i, x -= 12) stars.push_back(Star(x, kFull));
  for (int i = 0; i < empty; ++i, x -= 12) stars.push_back(Star(x, kEmpty));
  return stars;
}

class WantedStarsTest : public RecordingHostTest {
 protected:
  void Start(SettingsFile settings = OnlyComponents({"bStar"})) {
    WriteSettings(settings);
    StartModule();
  }
};

TEST_F(WantedStarsTest, OneStarIsRightmostWithFiveEmptyToItsLeft) {
  Start();
  Game().wanted = 1;
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAre(Star(590, kFull), Star(578, kEmpty), Star(566, kEmpty),
                          Star(554, kEmpty), Star(542, kEmpty), Star(530, kEmpty)));
}

struct CountCase {
  const char* name;
  int32_t wanted;
  int full, empty;
};

class WantedStarsCount : public WantedStarsTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(WantedStarsCount, DrawsFullThenEmptyStars) {
  Start();
  Game().wanted = GetParam().wanted;
  EXPECT_THAT(DrawCalls(Present()), ElementsAreArray(Row(GetParam().full, GetParam().empty)));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, WantedStarsCount,
    ::testing::Values(CountCase{"Zero", 0, 0, 0}, CountCase{"MinusOne", -1, 0, 0},
                      CountCase{"MostNegative", INT32_MIN, 0, 0}, CountCase{"One", 1, 1, 5},
                      CountCase{"Five", 5, 5, 1}, CountCase{"Six", 6, 6, 0},
                      CountCase{"Seven", 7, 7, 0},
                      CountCase{"AtTheBound", kMostFullStars, kMostFullStars, 0},
                      CountCase{"OverTheBound", kMostFullStars + 1, kMostFullStars, 0},
                      CountCase{"Garbage", INT32_MAX, kMostFullStars, 0}),
    CaseName());

// 10 and 2 canvas units scale to 13 and 3 pixels on a screen 800 wide: 16 pixels from star to
// star, where scaling 12 units at once would give 15.
TEST_F(WantedStarsTest, StepScalesWidthAndGapEachByItself) {
  Start();
  Game().screenWidth = 800;
  Game().wanted = 2;
  auto star = [](int x, uint32_t color) {
    return TextureLine("star\\star.png", x, 140, 13, 10, color);
  };
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAre(star(737, kFull), star(721, kFull), star(705, kEmpty),
                          star(689, kEmpty), star(673, kEmpty), star(657, kEmpty)));
}

TEST_F(WantedStarsTest, NoGapMakesTheStarsAbut) {
  Start(OnlyComponents({"bStar"}).Set("Star", "fOffset", "0"));
  Game().wanted = 3;
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAre(Star(590, kFull), Star(580, kFull), Star(570, kFull),
                          Star(560, kEmpty), Star(550, kEmpty), Star(540, kEmpty)));
}

}  // namespace
