// Between lives or on reconnect the game can lose the local character, its weapon or the game
// object after the module has started. A widget that needs the missing object draws nothing
// that frame, an update that needs it leaves its state as it was, and nothing crashes.
#include <gmock/gmock.h>

#include <cstdint>
#include <string>

#include "tests/module/widget_trace.h"
#include "tests/recording_host.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

constexpr uint32_t kTotalColor = 0xFFFFFFFF, kClipColor = 0xFFCCCCCC;
constexpr int kAmmoY = 100;
constexpr int kBalanceY = 40, kChangeY = 60;

class MissingObjectsTest : public RecordingHostTest {
 protected:
  // Slot 4 with 150 rounds, 30 in the clip; the right button held.
  void Start(SettingsFile settings) {
    WriteSettings(settings);
    Game().weaponSlot = 4;
    Game().weaponType = 31;
    Game().total = 150;
    Game().clip = 30;
    Game().rightMouse = true;
    StartModule();
  }

  // The ammo counter's readouts: total, then clip.
  std::pair<std::string, std::string> Ammo() {
    const std::vector<std::string> frame = Present();
    return {GlyphText(frame, kAmmoY, kTotalColor), GlyphText(frame, kAmmoY, kClipColor)};
  }
  void ChangeAmmunition() {
    Game().total = 90;
    Game().clip = 12;
  }
};

using Readouts = std::pair<std::string, std::string>;

TEST_F(MissingObjectsTest, RadarBarDrawsNoBoxWithoutTheCharacter) {
  Start(OnlyComponents({"bRadarBar"}));
  Game().ped = false;
  EXPECT_THAT(Present(), ElementsAre("Present", "BeginRender", "EndRender"));
}

TEST_F(MissingObjectsTest, CrosshairDrawsNothingWithoutTheCharacter) {
  Start(OnlyComponents({"bCrosshair"}));
  ASSERT_THAT(DrawCalls(Present()), Not(IsEmpty()));
  Game().ped = false;
  EXPECT_THAT(DrawCalls(Present()), IsEmpty());
}

class CrosshairWithoutWeapon : public MissingObjectsTest,
                               public ::testing::WithParamInterface<std::pair<int32_t, int32_t>> {};

// Chosen by the slot or by the type, the crosshair needs the weapon for its colour.
TEST_P(CrosshairWithoutWeapon, DrawsNothing) {
  Start(OnlyComponents({"bCrosshair"}));
  Game().weaponSlot = GetParam().first;
  Game().weaponType = GetParam().second;
  ASSERT_THAT(DrawCalls(Present()), Not(IsEmpty()));
  Game().weapon = false;
  EXPECT_THAT(DrawCalls(Present()), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(BySlotAndByType, CrosshairWithoutWeapon,
                         ::testing::Values(std::pair{2, 22}, std::pair{5, 31}, std::pair{7, 33},
                                           std::pair{0, 38}));

TEST_F(MissingObjectsTest, AmmoKeepsItsReadoutsWhileTheCharacterIsMissing) {
  Start(OnlyComponents({"bAmmo"}));
  ChangeAmmunition();
  Game().ped = false;
  MainLoop();
  MainLoop();
  EXPECT_EQ(Ammo(), (Readouts{"120", "30"})) << "drawn from the state the last update left";

  Game().ped = true;
  MainLoop();
  EXPECT_EQ(Ammo(), (Readouts{"78", "12"}));
}

class AmmoWithoutWeapon : public MissingObjectsTest,
                          public ::testing::WithParamInterface<int32_t> {};

// Slots that need a weapon reading, for the type or the ammunition.
TEST_P(AmmoWithoutWeapon, KeepsItsReadouts) {
  Start(OnlyComponents({"bAmmo"}));
  ChangeAmmunition();
  Game().weaponSlot = GetParam();
  Game().weapon = false;
  MainLoop();
  EXPECT_EQ(Ammo(), (Readouts{"120", "30"}));

  Game().weapon = true;
  MainLoop();
  EXPECT_NE(Ammo(), (Readouts{"120", "30"})) << "updates again once the weapon is back";
}

INSTANTIATE_TEST_SUITE_P(Slots, AmmoWithoutWeapon, ::testing::Values(2, 4, 6, 8, 9));

// The money counter's state stays as it was while the game object is missing, indicator
// included, and the balance rolls on from there once it is back.
TEST_F(MissingObjectsTest, MoneyContinuesFromWhereItWasWhenTheGameReturns) {
  WriteSettings(OnlyComponents({"bMoney"}));
  Game().money = 500;
  StartModule();
  for (int i = 0; i < 1000 && GlyphText(Present(), kBalanceY) != "$500"; ++i) MainLoop();
  ASSERT_EQ(GlyphText(Present(), kBalanceY), "$500");

  Game().money = 800;
  MainLoop();
  ASSERT_EQ(GlyphText(Present(), kBalanceY), "$503");

  Game().game = false;
  Game().money = 900;
  for (int i = 0; i < 10; ++i) MainLoop();
  std::vector<std::string> frame = Present();
  EXPECT_EQ(GlyphText(frame, kBalanceY), "$503");
  EXPECT_EQ(GlyphText(frame, kChangeY), "+300");

  // 503 + (900 - 503) / 150 + 1; the change is against the money of the last update, 800.
  Game().game = true;
  MainLoop();
  frame = Present();
  EXPECT_EQ(GlyphText(frame, kBalanceY), "$506");
  EXPECT_EQ(GlyphText(frame, kChangeY), "+100");
}

// With every widget on and the character gone, the frame goes through: the bar and the
// crosshair stay away, the counters and the stars draw from what they have.
TEST_F(MissingObjectsTest, WholeFrameWithoutTheCharacter) {
  Start(SettingsFile::Complete());
  Game().wanted = 2;
  Game().ped = false;
  MainLoop();
  const std::vector<std::string> frame = Present();
  EXPECT_THAT(frame, Not(Contains(HasSubstr("DrawBox"))));
  EXPECT_THAT(frame, Not(Contains(HasSubstr("crosshairs"))));
  EXPECT_EQ(GlyphText(frame, kBalanceY), "$0");
  EXPECT_EQ(GlyphText(frame, kAmmoY, kTotalColor), "120");
  EXPECT_EQ(GlyphText(frame, 140), "??????") << "six stars";
  EXPECT_EQ(frame.back(), "EndRender");
}

}  // namespace
