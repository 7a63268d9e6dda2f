// The one-time steps of the first ready call: the radar relocation and the game's standard
// display components.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "tests/recording_host.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

struct StandardKey {
  const char* key;
  int component;
};

// In the order the module hands them to the game.
const StandardKey kStandardKeys[15] = {
    {"bHP", 2},     {"bAP", 4},     {"bOP", 3},      {"bRadar", 8},        {"bRadio", 10},
    {"bStats", 14}, {"bMoney", 5},  {"bAmmo", 0},    {"bWeapon", 1},       {"bWanted", 11},
    {"bClock", 9},  {"bCrosshair", 12}, {"bVehicleName", 6}, {"bAreaName", 7}, {"bHelpText", 15},
};

// The fifteen display lines, with only shownKey (if any) passed as shown.
std::vector<std::string> DisplayLines(const std::string& shownKey) {
  std::vector<std::string> lines;
  for (const StandardKey& row : kStandardKeys) {
    lines.push_back("displaySetComponent " + std::to_string(row.component) +
                    (row.key == shownKey ? " true" : " false"));
  }
  return lines;
}

// The first ready call's trace: MainLoop, four memory writes, fifteen display lines, ...
constexpr size_t kFirstDisplayLine = 5;

std::vector<std::string> DisplayLinesOf(const std::vector<std::string>& firstCall) {
  if (firstCall.size() < kFirstDisplayLine + 15) return {};
  return {firstCall.begin() + kFirstDisplayLine, firstCall.begin() + kFirstDisplayLine + 15};
}

TEST_F(RecordingHostTest, WithoutStandartSectionEveryComponentIsHidden) {
  WriteSettings(SettingsFile::Complete());
  LoadModule();
  EXPECT_THAT(DisplayLinesOf(MainLoop()), ElementsAreArray(DisplayLines("")));
}

class StandardKeyTest : public RecordingHostTest,
                        public ::testing::WithParamInterface<StandardKey> {};

TEST_P(StandardKeyTest, EachKeyShowsItsOwnComponent) {
  WriteSettings(SettingsFile::Complete().Set("Standart", GetParam().key, "true"));
  LoadModule();
  EXPECT_THAT(DisplayLinesOf(MainLoop()), ElementsAreArray(DisplayLines(GetParam().key)));
}

INSTANTIATE_TEST_SUITE_P(Keys, StandardKeyTest, ::testing::ValuesIn(kStandardKeys),
                         [](const ::testing::TestParamInfo<StandardKey>& row) {
                           return std::string(row.param.key);
                         });

TEST_F(RecordingHostTest, StandartValuesOtherThanTrueHideTheComponent) {
  SettingsFile file = SettingsFile::Complete();
  const char* const values[] = {"True", "TRUE", "1", "yes", "truex", "", "on", "t",
                                "True", "1",    "",  "yes", "TRUE", "truex", "x"};
  for (size_t i = 0; i < 15; ++i) file.Set("Standart", kStandardKeys[i].key, values[i]);
  WriteSettings(file);
  LoadModule();
  EXPECT_THAT(DisplayLinesOf(MainLoop()), ElementsAreArray(DisplayLines("")));
}

// Sees queries and trace lines in one sequence, queries marked with "?".
class InterleavedRecorder : public HostObserver {
 public:
  void OnTraceLine(std::string_view line) override { events.emplace_back(line); }
  void OnQuery(std::string_view name) override { events.push_back("?" + std::string(name)); }
  std::vector<std::string> events;
};

TEST_F(RecordingHostTest, DisplayObjectIsFetchedAnewForEveryComponent) {
  WriteSettings(SettingsFile::Complete().Set("Standart", "bClock", "true"));
  LoadModule();
  InterleavedRecorder interleaved;
  host::SetObserver(&interleaved);
  host::RunMainLoop();

  std::vector<std::string> expected = {
      "MainLoop",
      "?gameSystemState",
      "?IsInitialized",
      "WriteMemory 0x00716642 0x42200000",
      "WriteMemory 0x00718D14 0x00716642",
      "WriteMemory 0x00858A10 0x42200000",
      "WriteMemory 0x00866B70 0x42D00000",
  };
  for (const std::string& line : DisplayLines("bClock")) {
    expected.push_back("?gameDisplay");
    expected.push_back(line);
  }
  ASSERT_GE(interleaved.events.size(), expected.size());
  EXPECT_THAT(std::vector<std::string>(interleaved.events.begin(),
                                       interleaved.events.begin() + expected.size()),
              ElementsAreArray(expected));
  EXPECT_EQ(interleaved.events[expected.size()],
            "LoadTextureFromFile SAMPFUNCS\\Velomark\\star\\star.png");
}

struct RadarCase {
  const char* fX;
  const char* fY;
  const char* xBits;
  const char* yBits;
};

class RadarRelocationTest : public RecordingHostTest,
                            public ::testing::WithParamInterface<RadarCase> {};

TEST_P(RadarRelocationTest, RadarPositionIsStoredUnconvertedAfterTheScaleAndItsPointer) {
  SCOPED_TRACE(std::string("fX=") + GetParam().fX + ", fY=" + GetParam().fY);
  // The radar bar widget being off does not stop the relocation.
  WriteSettings(SettingsFile::Complete()
                    .Set("Components", "bRadarBar", "false")
                    .Set("Radar", "fX", GetParam().fX)
                    .Set("Radar", "fY", GetParam().fY));
  LoadModule();
  // The screen size plays no part: the position is in the game's units, not canvas units.
  Game().screenWidth = 1920;
  Game().screenHeight = 1080;
  const std::vector<std::string> first = MainLoop();
  ASSERT_GE(first.size(), 5u);
  EXPECT_THAT(std::vector<std::string>(first.begin(), first.begin() + 5),
              ElementsAre("MainLoop", "WriteMemory 0x00716642 0x42200000",
                          "WriteMemory 0x00718D14 0x00716642",
                          std::string("WriteMemory 0x00858A10 ") + GetParam().xBits,
                          std::string("WriteMemory 0x00866B70 ") + GetParam().yBits));
  EXPECT_EQ(host::GameWord(0x718D14), 0x00716642u);
}

INSTANTIATE_TEST_SUITE_P(Positions, RadarRelocationTest,
                         ::testing::Values(RadarCase{"0", "0", "0x00000000", "0x00000000"},
                                           RadarCase{"-12.75", "0.001", "0xC14C0000", "0x3A83126F"},
                                           RadarCase{"123.456", "-0", "0x42F6E979", "0x80000000"}));

}  // namespace
