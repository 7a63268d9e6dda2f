// The crosshair: which texture each weapon gets, its colour, and its centring.
#include <gmock/gmock.h>

#include <cstdint>
#include <string>

#include "tests/module/widget_trace.h"
#include "tests/recording_host.h"

using ::testing::AnyOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StrEq;

namespace {

constexpr uint32_t kReady = 0xFFFFFFFF, kReload = 0xFFFF4000;

// A 20 x 20 crosshair centred on canvas (320, 224).
std::string Crosshair(const char* name, uint32_t color) {
  return TextureLine(std::string("crosshairs\\") + name + ".png", 310, 214, 20, 20, color);
}

class CrosshairTest : public RecordingHostTest {
 protected:
  void Start(SettingsFile settings = OnlyComponents({"bCrosshair"})) {
    WriteSettings(settings);
    StartModule();
    Game().rightMouse = true;
  }
  void SetWeapon(int32_t slot, int32_t type) {
    Game().weaponSlot = slot;
    Game().weaponType = type;
  }
};

struct ChoiceCase {
  int32_t slot, type;
  const char* texture;  // null: no crosshair
};

std::string ChoiceCaseName(const ::testing::TestParamInfo<ChoiceCase>& info) {
  const auto number = [](int32_t n) {
    return n < 0 ? "minus" + std::to_string(-static_cast<int64_t>(n)) : std::to_string(n);
  };
  return "slot" + number(info.param.slot) + "_type" + number(info.param.type);
}

std::vector<ChoiceCase> ChoiceCases() {
  const char* const bySlot[] = {"pistol", "shotgun", "smg", "assault"};
  std::vector<ChoiceCase> cases;
  for (int32_t slot = 2; slot <= 5; ++slot) {
    for (int32_t type : {0, 22, 25, 31, 33, 38}) cases.push_back({slot, type, bySlot[slot - 2]});
  }
  for (int32_t slot : {0, 1, 6, 7, 8, 9, 10, -1}) {
    cases.push_back({slot, 33, "pistol"});
    cases.push_back({slot, 38, "assault"});
    for (int32_t type : {0, 31, 32, 34, 37, 39}) cases.push_back({slot, type, nullptr});
  }
  return cases;
}

class CrosshairChoice : public CrosshairTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(CrosshairChoice, DrawsTheTextureOfItsSlotOrType) {
  Start();
  SetWeapon(GetParam().slot, GetParam().type);
  if (GetParam().texture == nullptr) {
    EXPECT_THAT(DrawCalls(Present()), IsEmpty());
  } else {
    EXPECT_THAT(DrawCalls(Present()), ElementsAre(Crosshair(GetParam().texture, kReady)));
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CrosshairChoice, ::testing::ValuesIn(ChoiceCases()),
                         ChoiceCaseName);

TEST_F(CrosshairTest, RightButtonUpDrawsNothingAndLeavesTheWeaponAlone) {
  Start();
  SetWeapon(2, 22);
  Game().rightMouse = false;
  EXPECT_THAT(DrawCalls(Present()), IsEmpty());
  const std::vector<std::string> queries = TakeQueries();
  EXPECT_THAT(queries, Contains("isKeyDown"));
  EXPECT_THAT(queries, Each(Not(AnyOf(StrEq("pedWeaponSlot"), StrEq("pedWeaponInSlot"),
                                      StrEq("weaponType"), StrEq("weaponState")))));
}

struct StateCase {
  int32_t state;
  uint32_t color;
};

class CrosshairColor : public CrosshairTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(CrosshairColor, ReloadColourOnlyForStates2And3) {
  Start();
  SetWeapon(4, 29);
  Game().weaponState = GetParam().state;
  EXPECT_THAT(DrawCalls(Present()), ElementsAre(Crosshair("smg", GetParam().color)));
}

INSTANTIATE_TEST_SUITE_P(States, CrosshairColor,
                         ::testing::Values(StateCase{2, kReload}, StateCase{3, kReload},
                                           StateCase{0, kReady}, StateCase{1, kReady},
                                           StateCase{4, kReady}, StateCase{-1, kReady}));

struct SizeCase {
  const char* width;
  const char* height;
  int x, y, w, h;
};

class CrosshairCentring : public CrosshairTest, public ::testing::WithParamInterface<SizeCase> {};

// Half of an odd size is truncated toward zero: 15 gives 7, -15 gives -7 (not -8).
TEST_P(CrosshairCentring, SubtractsHalfTheSizeTruncatedTowardZero) {
  const SizeCase& c = GetParam();
  Start(OnlyComponents({"bCrosshair"})
            .Set("Crosshair", "fWidth", c.width)
            .Set("Crosshair", "fHeight", c.height));
  SetWeapon(2, 22);
  EXPECT_THAT(DrawCalls(Present()),
              ElementsAre(TextureLine("crosshairs\\pistol.png", c.x, c.y, c.w, c.h, kReady)));
}

// -16 canvas units scale to -15 pixels at 640 x 448 (-16 + 0.5, truncated toward zero).
INSTANTIATE_TEST_SUITE_P(OddSizes, CrosshairCentring,
                         ::testing::Values(SizeCase{"15", "15", 313, 217, 15, 15},
                                           SizeCase{"-16", "-16", 327, 231, -15, -15}));

}  // namespace
