// The ammo counter: which readouts each weapon gets, their layout, negative readouts, and the
// move out of the money change indicator's way.
#include <gmock/gmock.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/module/widget_trace.h"
#include "tests/recording_host.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr uint32_t kTotalColor = 0xFFFFFFFF, kClipColor = 0xFFCCCCCC;
constexpr int kAmmoY = 100, kMovedAmmoY = 120;

std::string Total(const std::string& glyph, int x) {
  return GlyphLine(glyph, x, kAmmoY, 13, 16, kTotalColor);
}
std::string Clip(const std::string& glyph, int x) {
  return GlyphLine(glyph, x, kAmmoY, 13, 16, kClipColor);
}

// What each readout reads as, told apart by colour.
struct Readouts {
  std::string total, clip;
  bool operator==(const Readouts&) const = default;
  friend void PrintTo(const Readouts& r, std::ostream* os) {
    *os << "total \"" << r.total << "\", clip \"" << r.clip << "\"";
  }
};

class AmmoCounterTest : public RecordingHostTest {
 protected:
  // A weapon in slot 4 with 150 rounds, 30 of them in the clip.
  void Start(SettingsFile settings = OnlyComponents({"bAmmo"})) {
    WriteSettings(settings);
    SetWeapon(4, 31);
    Game().total = 150;
    Game().clip = 30;
    StartModule();
  }

  void SetWeapon(int32_t slot, int32_t type) {
    Game().weaponSlot = slot;
    Game().weaponType = type;
  }

  Readouts ShownAt(int y) {
    const std::vector<std::string> frame = Present();
    return {GlyphText(frame, y, kTotalColor), GlyphText(frame, y, kClipColor)};
  }
  Readouts Shown() { return ShownAt(kAmmoY); }
};

// 600 - 13 * 1.1 = 585.7, truncated; every further step 14.3, truncated; a gap of 10.
TEST_F(AmmoCounterTest, DrawsTotalThenGapThenClipRightToLeft) {
  Start();
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAre(Total("0", 585), Total("2", 570), Total("1", 555), Clip("0", 530),
                          Clip("3", 515)));
}

enum class Shows { kNothing, kTotalAlone, kBoth };

struct WeaponCase {
  int32_t slot, type;
  Shows shows;
};

std::string WeaponCaseName(const ::testing::TestParamInfo<WeaponCase>& info) {
  const auto number = [](int32_t n) {
    return n < 0 ? "minus" + std::to_string(-static_cast<int64_t>(n)) : std::to_string(n);
  };
  return "slot" + number(info.param.slot) + "_type" + number(info.param.type);
}

std::vector<WeaponCase> WeaponCases() {
  std::vector<WeaponCase> cases;
  for (int32_t slot : {0, 1, -1, INT32_MIN, 10, 11, INT32_MAX}) {
    cases.push_back({slot, 31, Shows::kNothing});
  }
  for (int32_t slot : {6, 8}) {
    for (int32_t type : {31, 25, 0}) cases.push_back({slot, type, Shows::kTotalAlone});
  }
  for (int32_t slot : {2, 3, 4, 5, 7, 9}) {
    for (int32_t type : {25, 35, 36}) cases.push_back({slot, type, Shows::kTotalAlone});
    for (int32_t type : {0, 24, 31, 33, 34, 37, 38}) cases.push_back({slot, type, Shows::kBoth});
  }
  return cases;
}

class AmmoCounterWeapon : public AmmoCounterTest,
                          public ::testing::WithParamInterface<WeaponCase> {};

// From a weapon showing both readouts to the weapon of the case, at the next update.
TEST_P(AmmoCounterWeapon, ShowsTheReadoutsOfItsSlotAndType) {
  Start();
  ASSERT_EQ(Shown(), (Readouts{"120", "30"}));
  SetWeapon(GetParam().slot, GetParam().type);
  MainLoop();
  switch (GetParam().shows) {
    case Shows::kNothing: EXPECT_EQ(Shown(), (Readouts{"", ""})); break;
    case Shows::kTotalAlone: EXPECT_EQ(Shown(), (Readouts{"150", ""})); break;
    case Shows::kBoth: EXPECT_EQ(Shown(), (Readouts{"120", "30"})); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, AmmoCounterWeapon, ::testing::ValuesIn(WeaponCases()),
                         WeaponCaseName);

// Slots below 2 and above 9 decide on the slot alone: no ammunition is read, so the numbers
// stay as the last weapon left them and come back only when the game is asked again.
TEST_F(AmmoCounterTest, HiddenSlotsReadNoAmmunition) {
  Start();
  SetWeapon(0, 31);
  MainLoop();
  EXPECT_THAT(TakeQueries(), ElementsAre("pedWeaponSlot"));
  SetWeapon(10, 31);
  MainLoop();
  EXPECT_THAT(TakeQueries(), ElementsAre("pedWeaponSlot", "pedWeaponSlot"));
  EXPECT_EQ(Shown(), (Readouts{"", ""}));

  SetWeapon(4, 31);
  Game().total = 90;
  Game().clip = 12;
  MainLoop();
  EXPECT_EQ(Shown(), (Readouts{"78", "12"}));
}

// Every test and every reading asks the game again, the weapon object included.
TEST_F(AmmoCounterTest, AsksTheGameAfreshForEveryTestAndReading) {
  Start();
  MainLoop();
  const char* const slot = "pedWeaponSlot";
  const char* const weapon = "pedWeaponInSlot";
  EXPECT_THAT(TakeQueries(),
              ElementsAre(slot, slot, slot, slot, slot, weapon, "weaponType", slot, weapon,
                          "weaponType", slot, weapon, "weaponType", slot, weapon,
                          "weaponTotalAmmo", slot, weapon, "weaponClipAmmo", slot, weapon,
                          "weaponClipAmmo"));
}

struct CountCase {
  const char* name;
  int32_t total, clip;
  Readouts shown;
};

class AmmoCounterCounts : public AmmoCounterTest,
                          public ::testing::WithParamInterface<CountCase> {};

// Every draw is one glyph of a readout: no texture outside the thirteen glyphs ('?') and nothing
// else drawn. The difference total - clip wraps as 32-bit arithmetic does.
TEST_P(AmmoCounterCounts, ReadsAs) {
  Start();
  Game().total = GetParam().total;
  Game().clip = GetParam().clip;
  MainLoop();
  const std::vector<std::string> frame = Present();
  const Readouts& expected = GetParam().shown;
  EXPECT_EQ((Readouts{GlyphText(frame, kAmmoY, kTotalColor), GlyphText(frame, kAmmoY, kClipColor)}),
            expected);
  EXPECT_EQ(DrawCalls(frame).size(), expected.total.size() + expected.clip.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AmmoCounterCounts,
    ::testing::Values(CountCase{"TotalEqualToClip", 30, 30, {"0", "30"}},
                      CountCase{"EmptyClip", 150, 0, {"150", "0"}},
                      CountCase{"ClipAboveTotal", 20, 30, {"-10", "30"}},
                      CountCase{"NegativeClip", 20, -5, {"25", "-5"}},
                      CountCase{"MostNegativeTotal", INT32_MIN, 0, {"-2147483648", "0"}},
                      CountCase{"WrapsToMostNegative", INT32_MAX, -1, {"-2147483648", "-1"}},
                      CountCase{"WrapsToLargest", INT32_MIN, 1, {"2147483647", "1"}},
                      CountCase{"MostNegativeClip", 0, INT32_MIN, {"-2147483648", "-2147483648"}}),
    CaseName());

// A negative readout: its magnitude, then the minus glyph one step further left in the
// readout's own colour; the pen moves on past the sign before the gap.
TEST_F(AmmoCounterTest, ClipAboveTotalDrawsMinusBeforeTheGap) {
  Start();
  Game().total = 20;
  Game().clip = 30;
  MainLoop();
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAre(Total("0", 585), Total("1", 570), Total("-", 555), Clip("0", 530),
                          Clip("3", 515)));
}

TEST_F(AmmoCounterTest, NegativeClipDrawsMinusLeftOfIt) {
  Start();
  Game().total = 20;
  Game().clip = -5;
  MainLoop();
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAre(Total("5", 585), Total("2", 570), Clip("5", 545), Clip("-", 530)));
}

TEST_F(AmmoCounterTest, NegativeTotalAloneDrawsMinusLeftOfIt) {
  Start();
  SetWeapon(6, 31);
  Game().total = -7;
  MainLoop();
  EXPECT_THAT(DrawCalls(Present()), ElementsAre(Total("7", 585), Total("-", 570)));
}

TEST_F(AmmoCounterTest, MovesDownWhileTheMoneyChangeShows) {
  Start(OnlyComponents({"bMoney", "bAmmo"}));
  host::SetTick(1000);
  Game().money = 50;
  MainLoop();
  EXPECT_EQ(ShownAt(kMovedAmmoY), (Readouts{"120", "30"}));
  EXPECT_EQ(ShownAt(kAmmoY), (Readouts{"", ""}));

  host::SetTick(5001);
  MainLoop();
  EXPECT_EQ(ShownAt(kAmmoY), (Readouts{"120", "30"}));
  EXPECT_EQ(ShownAt(kMovedAmmoY), (Readouts{"", ""}));
}

}  // namespace
