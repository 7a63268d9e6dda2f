// Each floor makes exactly the host calls the module makes for the same frame, main-loop call or
// settings load, so the floor cannot drift away from what it is the floor of.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/busy_hud.h"
#include "bench/floor.h"
#include "bench/noop_host.h"
#include "core/settings.h"
#include "core/startup_failure.h"

namespace {

using Calls = std::vector<std::string>;

// The calls one run makes; the host's count must agree with what it wrote down.
Calls CallsOf(void (*run)()) {
  Calls calls;
  const uint64_t before = noop::HostCalls();
  noop::RecordCallsInto(&calls);
  run();
  noop::RecordCallsInto(nullptr);
  EXPECT_EQ(noop::HostCalls() - before, calls.size()) << "a host member that is not counted";
  return calls;
}

bool IsDrawingCall(const std::string& call) {
  for (const char* name : {"BeginRender", "EndRender", "DrawBox", "DrawTexture"}) {
    if (call.rfind(name, 0) == 0) return true;
  }
  return false;
}

// A frame's calls cut after every drawing call, the queries before each in name order: which
// argument of a draw call the compiler evaluates first is its own choice.
std::vector<Calls> DrawCallByDrawCall(const Calls& calls) {
  std::vector<Calls> pieces(1);
  for (const std::string& call : calls) {
    pieces.back().push_back(call);
    if (IsDrawingCall(call)) {
      std::sort(pieces.back().begin(), pieces.back().end());
      pieces.emplace_back();
    }
  }
  return pieces;
}

class FloorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { startError = StartBusyHud(); }
  void SetUp() override { ASSERT_EQ(startError, "") << "the module did not start"; }

  static std::string startError;
};

std::string FloorTest::startError;

TEST_F(FloorTest, FrameFloorMakesTheModulesCalls) {
  const Calls module = CallsOf(ModuleFrame);
  const Calls floor = CallsOf(FloorFrame);
  EXPECT_EQ(DrawCallByDrawCall(floor), DrawCallByDrawCall(module));
  // Five boxes of the radar bar and 25 textures: 13 money glyphs, 5 ammo glyphs, the crosshair
  // and 6 stars.
  EXPECT_EQ(std::count_if(module.begin(), module.end(), IsDrawingCall), 2 + 5 + 25);
}

TEST_F(FloorTest, MainLoopFloorMakesTheModulesCalls) {
  EXPECT_EQ(CallsOf(FloorMainLoop), CallsOf(ModuleMainLoop));
}

TEST_F(FloorTest, SettingsLoadFloorMakesTheModulesLookups) {
  const Calls module = CallsOf(ModuleSettingsLoad);
  EXPECT_EQ(CallsOf(FloorSettingsLoad), module);
  EXPECT_EQ(module.size(), 82u);
  EXPECT_FALSE(HasStartupFailure());
}

// Lookups answered from memory hand the module what the file gave.
TEST_F(FloorTest, SettingsFromMemoryAreTheSettingsFromTheFile) {
  const SettingsRecord fromFile = Settings;
  noop::AnswerProfileLookups(noop::ProfileAnswers::kFromMemory);
  // The first load fills the answers from the file, the second reads them all from memory.
  LoadSettings();
  Settings = SettingsRecord{};
  const Calls lookups = CallsOf(ModuleSettingsLoad);
  noop::AnswerProfileLookups(noop::ProfileAnswers::kFromFile);

  EXPECT_EQ(lookups, CallsOf(FloorSettingsLoad));
  EXPECT_TRUE(Settings.Components.bStar);
  EXPECT_EQ(Settings.Radar.fY, fromFile.Radar.fY);
  EXPECT_EQ(Settings.RadarBar.fBorder, fromFile.RadarBar.fBorder);
  EXPECT_EQ(Settings.RadarBar.iBorderColor, fromFile.RadarBar.iBorderColor);
  EXPECT_EQ(Settings.Money.iNegativeColor, fromFile.Money.iNegativeColor);
  EXPECT_EQ(Settings.Ammo.fLetterOffset, fromFile.Ammo.fLetterOffset);
  EXPECT_EQ(Settings.Crosshair.iReloadColor, fromFile.Crosshair.iReloadColor);
  EXPECT_EQ(Settings.Star.fOffset, fromFile.Star.fOffset);
  EXPECT_EQ(Settings.Star.iEmptyColor, fromFile.Star.iEmptyColor);
  EXPECT_FALSE(HasStartupFailure());
}

// The frame comparison forgives only the order of the queries between two draw calls.
TEST(DrawCallByDrawCallTest, ForgivesOnlyTheOrderBetweenTwoDrawCalls) {
  const Calls frame = {"getRender", "BeginRender",   "getGame",     "getScreenResolution",
                       "pedArmor",  "getRender",     "DrawBox",     "pedHealth",
                       "getRender", "DrawTexture a", "getRender",   "DrawTexture b",
                       "getRender", "EndRender"};
  struct Case {
    const char* what;
    Calls calls;
    bool same;
  };
  const Case cases[] = {
      {"queries of one draw call reordered",
       {"getRender", "BeginRender", "pedArmor", "getRender", "getGame", "getScreenResolution",
        "DrawBox", "pedHealth", "getRender", "DrawTexture a", "getRender", "DrawTexture b",
        "getRender", "EndRender"},
       true},
      {"a query moved to the next draw call",
       {"getRender", "BeginRender", "getGame", "getScreenResolution", "getRender", "DrawBox",
        "pedArmor", "pedHealth", "getRender", "DrawTexture a", "getRender", "DrawTexture b",
        "getRender", "EndRender"},
       false},
      {"two draw calls swapped",
       {"getRender", "BeginRender", "getGame", "getScreenResolution", "pedArmor", "getRender",
        "DrawBox", "pedHealth", "getRender", "DrawTexture b", "getRender", "DrawTexture a",
        "getRender", "EndRender"},
       false},
      {"a getRender missing",
       {"getRender", "BeginRender", "getGame", "getScreenResolution", "pedArmor", "DrawBox",
        "pedHealth", "getRender", "DrawTexture a", "getRender", "DrawTexture b", "getRender",
        "EndRender"},
       false},
      {"a query after the last draw call",
       {"getRender", "BeginRender", "getGame", "getScreenResolution", "pedArmor", "getRender",
        "DrawBox", "pedHealth", "getRender", "DrawTexture a", "getRender", "DrawTexture b",
        "getRender", "EndRender", "pedArmor"},
       false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DrawCallByDrawCall(c.calls) == DrawCallByDrawCall(frame), c.same) << c.what;
  }
}

}  // namespace
