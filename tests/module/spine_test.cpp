// Load, registration, the main loop's ready test and start-up, and the frame gates.
#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/recording_host.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

const std::string kLoadedChatLine =
    "AddChatMessage 0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}was loaded! Author: "
    "{AA5555}Quendril";

// Every widget switch off: the main loop runs no update and a frame draws nothing.
SettingsFile AllComponentsOff() {
  return SettingsFile::Complete()
      .Set("Components", "bRadarBar", "false")
      .Set("Components", "bMoney", "false")
      .Set("Components", "bAmmo", "false")
      .Set("Components", "bCrosshair", "false")
      .Set("Components", "bStar", "false");
}

class SpineTest : public RecordingHostTest {};

TEST_F(SpineTest, DllMainRegistersOnlyOnProcessAttachAndAlwaysReturnsTrue) {
  WriteSettings(SettingsFile::Complete());
  std::string error;
  const std::unique_ptr<LoadedModule> module = LoadedModule::Load(VELOMARK_MODULE_PATH, error);
  ASSERT_NE(module, nullptr) << error;

  // Process detach, thread attach and thread detach before any attach: nothing registers.
  for (const uint32_t reason : {0u, 2u, 3u}) {
    SCOPED_TRACE(reason);
    EXPECT_EQ(module->CallDllMain(reason), 1);
    EXPECT_THAT(TakeTrace(), IsEmpty());
    EXPECT_FALSE(host::MainLoopRegistered());
  }

  EXPECT_EQ(module->CallDllMain(1), 1);
  EXPECT_THAT(TakeTrace(), ElementsAre("initPlugin"));
  EXPECT_TRUE(host::MainLoopRegistered());

  // Thread notifications and detach after attach do not register again or tear anything down.
  for (const uint32_t reason : {2u, 3u, 0u}) {
    SCOPED_TRACE(reason);
    EXPECT_EQ(module->CallDllMain(reason), 1);
    EXPECT_THAT(TakeTrace(), IsEmpty());
  }
  EXPECT_TRUE(host::MainLoopRegistered());
}

// One way the game is not ready yet, and the queries the ready test may make before giving up.
struct WaitingCase {
  const char* name;
  void (*makeNotReady)(GameState&);
  std::vector<std::string> queries;
};

class SpineWaitingTest : public RecordingHostTest,
                         public ::testing::WithParamInterface<WaitingCase> {};

TEST_P(SpineWaitingTest, MainLoopStopsAtTheFirstFailedConditionAndRunsNoUpdate) {
  GetParam().makeNotReady(Game());
  Game().money = 500;  // an update that ran would ask for it
  WriteSettings(SettingsFile::Complete());
  LoadModule();
  TakeTrace();
  TakeQueries();

  for (int call = 0; call < 3; ++call) {
    SCOPED_TRACE(call);
    EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
    EXPECT_THAT(TakeQueries(), ElementsAreArray(GetParam().queries));
  }
  EXPECT_FALSE(host::PresentRegistered());

  // Once ready, the waiting has left no trace: the module starts as it would have at once.
  Game() = GameState{};
  Game().money = 500;
  const std::vector<std::string> ready = MainLoop();
  EXPECT_THAT(ready, Contains(kLoadedChatLine));
  EXPECT_THAT(TakeQueries(), Contains("playerMoney"));
}

INSTANTIATE_TEST_SUITE_P(
    NotReady, SpineWaitingTest,
    ::testing::Values(
        WaitingCase{"GameMissing", [](GameState& s) { s.game = false; }, {}},
        WaitingCase{"SystemStateNot9", [](GameState& s) { s.systemState = 8; },
                    {"gameSystemState"}},
        WaitingCase{"SystemStateNegative", [](GameState& s) { s.systemState = -9; },
                    {"gameSystemState"}},
        WaitingCase{"ClientNotInitialised", [](GameState& s) { s.clientInitialized = false; },
                    {"gameSystemState", "IsInitialized"}}),
    [](const ::testing::TestParamInfo<WaitingCase>& row) { return row.param.name; });

// The start-up trace of the first ready call with the complete settings: radar relocation,
// the standard components as given, every texture in load order, the Present hook and the
// loaded message.
std::vector<std::string> StartupTrace(const std::vector<std::string>& standardComponents) {
  std::vector<std::string> trace = {
      "MainLoop",
      "WriteMemory 0x00716642 0x42200000",
      "WriteMemory 0x00718D14 0x00716642",
      "WriteMemory 0x00858A10 0x42200000",  // Radar.fX 40.0
      "WriteMemory 0x00866B70 0x42D00000",  // Radar.fY 104.0
  };
  trace.insert(trace.end(), standardComponents.begin(), standardComponents.end());
  for (const char* path : kTexturePaths) trace.push_back(std::string("LoadTextureFromFile ") + path);
  trace.push_back("registerD3DCallback 17");
  trace.push_back(kLoadedChatLine);
  return trace;
}

TEST_F(SpineTest, FirstReadyCallRunsTheWholeStartUpInOrderAndNoLaterCallRepeatsIt) {
  WriteSettings(AllComponentsOff()
                    .Set("Standart", "bHP", "true")
                    .Set("Standart", "bRadar", "true")
                    .Set("Standart", "bHelpText", "true"));
  LoadModule();
  EXPECT_THAT(TakeTrace(), ElementsAre("initPlugin"));
  EXPECT_FALSE(host::PresentRegistered());

  EXPECT_THAT(MainLoop(), ElementsAreArray(StartupTrace({
                              "displaySetComponent 2 true",
                              "displaySetComponent 4 false",
                              "displaySetComponent 3 false",
                              "displaySetComponent 8 true",
                              "displaySetComponent 10 false",
                              "displaySetComponent 14 false",
                              "displaySetComponent 5 false",
                              "displaySetComponent 0 false",
                              "displaySetComponent 1 false",
                              "displaySetComponent 11 false",
                              "displaySetComponent 9 false",
                              "displaySetComponent 12 false",
                              "displaySetComponent 6 false",
                              "displaySetComponent 7 false",
                              "displaySetComponent 15 true",
                          })));
  EXPECT_TRUE(host::PresentRegistered());
  TakeQueries();

  // Ready for good: no start-up step again, and readiness is not asked again either.
  for (int call = 0; call < 3; ++call) {
    SCOPED_TRACE(call);
    EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
    EXPECT_THAT(TakeQueries(), IsEmpty());
  }
}

TEST_F(SpineTest, FirstReadyCallRunsTheEnabledUpdatesAfterTheStartUp) {
  Game().money = 500;
  Game().weaponSlot = 3;
  WriteSettings(SettingsFile::Complete());
  LoadModule();
  TakeQueries();

  MainLoop();
  const std::vector<std::string> queries = TakeQueries();
  // The ready test, the display object fetched for each of the fifteen components and the chat
  // record for the loaded message come first; only then do the money and ammo updates ask.
  std::vector<std::string> startup = {"gameSystemState", "IsInitialized"};
  startup.insert(startup.end(), 15, "gameDisplay");
  startup.push_back("getChat");
  ASSERT_GT(queries.size(), startup.size());
  EXPECT_THAT(std::vector<std::string>(queries.begin(), queries.begin() + startup.size()),
              ElementsAreArray(startup));
  const std::vector<std::string> updates(queries.begin() + startup.size(), queries.end());
  EXPECT_THAT(updates, Not(Contains("gameSystemState")));
  // The money update runs to its end before the ammo update asks anything.
  const auto lastMoney = std::find(updates.rbegin(), updates.rend(), "playerMoney");
  const auto firstAmmo = std::find(updates.begin(), updates.end(), "pedWeaponSlot");
  ASSERT_NE(lastMoney, updates.rend());
  ASSERT_NE(firstAmmo, updates.end());
  EXPECT_LT(lastMoney.base() - updates.begin(), firstAmmo - updates.begin());
  EXPECT_THAT(updates, Contains("weaponTotalAmmo"));
}

TEST_F(SpineTest, UpdatesKeepRunningAfterTheGameLeavesItsReadyState) {
  StartModule();
  Game().systemState = 0;
  Game().clientInitialized = false;
  Game().money = 900;

  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
  const std::vector<std::string> queries = TakeQueries();
  EXPECT_THAT(queries, Contains("playerMoney"));
  EXPECT_THAT(queries, Contains("pedWeaponSlot"));
  EXPECT_THAT(queries, Not(Contains("gameSystemState")));
  EXPECT_THAT(queries, Not(Contains("IsInitialized")));
}

TEST_F(SpineTest, SwitchedOffUpdatesAskTheGameNothing) {
  WriteSettings(AllComponentsOff());
  StartModule();
  Game().money = 900;
  Game().weaponSlot = 3;
  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
  EXPECT_THAT(TakeQueries(), IsEmpty());
}

// A frame gate that fails, and the queries made up to and including it.
struct GateCase {
  const char* name;
  void (*closeGate)(GameState&);
  std::vector<std::string> queries;
};

class SpineGateTest : public RecordingHostTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(SpineGateTest, FailedGateEndsTheFrameBeforeBeginRender) {
  StartModule();
  // Everything any widget would draw is there to be drawn.
  Game().armor = 50;
  Game().money = 500;
  Game().wanted = 3;
  Game().rightMouse = true;
  Game().weaponSlot = 3;
  MainLoop();
  TakeQueries();

  GetParam().closeGate(Game());
  EXPECT_THAT(Present(), ElementsAre("Present"));
  EXPECT_THAT(TakeQueries(), ElementsAreArray(GetParam().queries));
}

INSTANTIATE_TEST_SUITE_P(
    Gates, SpineGateTest,
    ::testing::Values(
        GateCase{"CannotDraw",
                 [](GameState& s) {
                   s.canDraw = false;
                   s.chatWord = 0;
                   s.menuActive = true;
                 },
                 {"CanDraw"}},
        GateCase{"ChatWordZero",
                 [](GameState& s) {
                   s.chatWord = 0;
                   s.menuActive = true;
                 },
                 {"CanDraw", "getChat"}},
        GateCase{"MenuActive", [](GameState& s) { s.menuActive = true; },
                 {"CanDraw", "getChat", "isGTAMenuActive"}}),
    [](const ::testing::TestParamInfo<GateCase>& row) { return row.param.name; });

TEST_F(SpineTest, AnyNonZeroChatWordOpensTheGate) {
  StartModule();
  Game().chatWord = 0x80000000u;
  EXPECT_THAT(Present(), Contains("BeginRender"));
}

TEST_F(SpineTest, FrameWithEveryWidgetOffIsAnEmptyDrawingPass) {
  WriteSettings(AllComponentsOff());
  StartModule();
  Game().wanted = 3;
  Game().rightMouse = true;
  Game().weaponSlot = 3;
  EXPECT_THAT(Present(), ElementsAre("Present", "BeginRender", "EndRender"));
  EXPECT_THAT(TakeQueries(), ElementsAre("CanDraw", "getChat", "isGTAMenuActive"));
}

// Which widget drew a trace line of a frame, by its texture, colour or kind.
int WidgetOf(const std::string& line) {
  if (line.starts_with("DrawBox")) return 1;
  if (line.find("\\crosshairs\\") != std::string::npos) return 4;
  if (line.find("\\star\\") != std::string::npos) return 5;
  if (line.find("0xFF00AA00") != std::string::npos) return 2;  // Money.iPositiveColor
  if (line.find("0xFFFFFFFF") != std::string::npos ||           // Ammo.iTotalColor
      line.find("0xFFCCCCCC") != std::string::npos) {           // Ammo.iClipColor
    return 3;
  }
  return 0;
}

// Money, a weapon with a clip in a crosshair slot, aiming and a wanted level.
void GiveEveryWidgetSomethingToDraw(GameState& game) {
  game.money = 500;
  game.weaponSlot = 3;
  game.clip = 7;
  game.total = 30;
  game.wanted = 2;
  game.rightMouse = true;
}

TEST_F(SpineTest, WidgetsDrawInTheirFixedOrderWithinOnePass) {
  StartModule();
  GiveEveryWidgetSomethingToDraw(Game());
  MainLoop();

  const std::vector<std::string> frame = Present();
  ASSERT_GE(frame.size(), 4u);
  EXPECT_EQ(frame[0], "Present");
  EXPECT_EQ(frame[1], "BeginRender");
  EXPECT_EQ(frame.back(), "EndRender");
  std::vector<int> widgets;
  for (size_t i = 2; i + 1 < frame.size(); ++i) {
    const int widget = WidgetOf(frame[i]);
    if (widgets.empty() || widgets.back() != widget) widgets.push_back(widget);
  }
  EXPECT_THAT(widgets, ElementsAre(1, 2, 3, 4, 5));
}

// Each widget switch, alone, lets only its own widget draw.
struct SwitchCase {
  const char* key;
  int widget;
};

class SpineSwitchTest : public RecordingHostTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SpineSwitchTest, EachSwitchGatesOnlyItsOwnWidget) {
  SettingsFile file = AllComponentsOff().Set("Components", GetParam().key, "true");
  WriteSettings(file);
  StartModule();
  GiveEveryWidgetSomethingToDraw(Game());
  MainLoop();

  const std::vector<std::string> frame = Present();
  ASSERT_GE(frame.size(), 4u) << "the widget drew nothing";
  for (size_t i = 2; i + 1 < frame.size(); ++i) {
    EXPECT_EQ(WidgetOf(frame[i]), GetParam().widget) << frame[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Components, SpineSwitchTest,
                         ::testing::Values(SwitchCase{"bRadarBar", 1}, SwitchCase{"bMoney", 2},
                                           SwitchCase{"bAmmo", 3}, SwitchCase{"bCrosshair", 4},
                                           SwitchCase{"bStar", 5}),
                         [](const ::testing::TestParamInfo<SwitchCase>& row) {
                           return std::string(row.param.key);
                         });

// The game's own money display and the module's money counter are switched separately.
struct MoneySwitches {
  const char* standard;
  const char* component;
};

class SpineMoneySwitchTest : public RecordingHostTest,
                             public ::testing::WithParamInterface<MoneySwitches> {};

TEST_P(SpineMoneySwitchTest, StandartMoneyIsIndependentOfTheMoneyCounterSwitch) {
  SCOPED_TRACE(std::string("Standart.bMoney=") + GetParam().standard +
               ", Components.bMoney=" + GetParam().component);
  WriteSettings(AllComponentsOff()
                    .Set("Standart", "bMoney", GetParam().standard)
                    .Set("Components", "bMoney", GetParam().component));
  LoadModule();
  const std::string standard = GetParam().standard;
  EXPECT_THAT(MainLoop(), Contains("displaySetComponent 5 " + standard));

  const bool counterOn = std::string(GetParam().component) == "true";
  const auto dollar =
      Contains(StartsWith("DrawTexture SAMPFUNCS\\Velomark\\characters\\dollar.png"));
  if (counterOn) {
    EXPECT_THAT(Present(), dollar);
  } else {
    EXPECT_THAT(Present(), Not(dollar));
  }
}

INSTANTIATE_TEST_SUITE_P(Switches, SpineMoneySwitchTest,
                         ::testing::Values(MoneySwitches{"true", "true"},
                                           MoneySwitches{"true", "false"},
                                           MoneySwitches{"false", "true"},
                                           MoneySwitches{"false", "false"}));

}  // namespace
