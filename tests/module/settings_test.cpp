// The settings file as the loaded module reads it: switches, numbers, colours, when each part of
// the file is read, and what a setting that cannot be read does to the module.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "tests/recording_host.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

// Only the radar bar draws, so a frame's first box is its border.
SettingsFile RadarBarOnly() {
  return SettingsFile::Complete()
      .Set("Components", "bMoney", "false")
      .Set("Components", "bAmmo", "false")
      .Set("Components", "bCrosshair", "false")
      .Set("Components", "bStar", "false");
}

const auto kAnyBox = Contains(StartsWith("DrawBox"));

// --- Switches -------------------------------------------------------------------------------

struct BoolCase {
  const char* value;
  bool on;
};

class SettingsBoolTest : public RecordingHostTest, public ::testing::WithParamInterface<BoolCase> {};

TEST_P(SettingsBoolTest, OnlyTheExactWordTrueSwitchesAWidgetOn) {
  SCOPED_TRACE(std::string("bRadarBar=") + GetParam().value);
  WriteSettings(RadarBarOnly().Set("Components", "bRadarBar", GetParam().value));
  StartModule();
  if (GetParam().on) {
    EXPECT_THAT(Present(), kAnyBox);
  } else {
    EXPECT_THAT(Present(), ElementsAre("Present", "BeginRender", "EndRender"));
  }
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsBoolTest,
                         ::testing::Values(BoolCase{"true", true}, BoolCase{"True", false},
                                           BoolCase{"TRUE", false}, BoolCase{"1", false},
                                           BoolCase{"yes", false}, BoolCase{"truex", false},
                                           BoolCase{"tru", false}, BoolCase{"", false}));

TEST_F(RecordingHostTest, MissingComponentsSectionSwitchesEveryWidgetOff) {
  SettingsFile file = SettingsFile::Complete();
  for (const char* key : {"bRadarBar", "bMoney", "bAmmo", "bCrosshair", "bStar"}) {
    file.Remove("Components", key);
  }
  WriteSettings(file);
  StartModule();
  Game().money = 500;
  Game().wanted = 3;
  Game().rightMouse = true;
  Game().weaponSlot = 3;
  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
  EXPECT_THAT(TakeQueries(), IsEmpty());
  EXPECT_THAT(Present(), ElementsAre("Present", "BeginRender", "EndRender"));
}

// --- Floats ---------------------------------------------------------------------------------

// Radar.fX goes into the game's memory bit for bit, so the stored word is exactly the float read.
struct FloatCase {
  const char* value;
  const char* bits;
};

class SettingsFloatTest : public RecordingHostTest,
                          public ::testing::WithParamInterface<FloatCase> {};

TEST_P(SettingsFloatTest, RadarXIsStoredAsTheFloatRead) {
  SCOPED_TRACE(std::string("fX=") + GetParam().value);
  WriteSettings(SettingsFile::Complete().Set("Radar", "fX", GetParam().value));
  LoadModule();
  EXPECT_THAT(MainLoop(), Contains(std::string("WriteMemory 0x00858A10 ") + GetParam().bits));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsFloatTest,
    ::testing::Values(FloatCase{"12.5", "0x41480000"},
                      // Quotes keep the blanks, which the profile reader trims otherwise.
                      FloatCase{"\"  12.5\"", "0x41480000"},
                      FloatCase{"\t12.5", "0x41480000"}, FloatCase{"3.5px", "0x40600000"},
                      FloatCase{"-2", "0xC0000000"}, FloatCase{"1e1", "0x41200000"},
                      FloatCase{".5", "0x3F000000"}, FloatCase{"0.1", "0x3DCCCCCD"},
                      FloatCase{"-0", "0x80000000"}, FloatCase{"0", "0x00000000"},
                      FloatCase{"0x1p3", "0x41000000"}, FloatCase{"-inf", "0xFF800000"},
                      FloatCase{"3.4028235e38", "0x7F7FFFFF"}));

TEST_F(RecordingHostTest, FloatSettingDrivesPixelGeometry) {
  // 3.5px reads as 3.5: ScaleX(3.5) at 640 wide is 4 (3.5 + 0.5), ScaleY(12.5) at 448 high is 13.
  WriteSettings(RadarBarOnly()
                    .Set("RadarBar", "fX", "  3.5px")
                    .Set("RadarBar", "fY", "12.5")
                    .Set("RadarBar", "fWidth", "1e2")
                    .Set("RadarBar", "fHeight", ".5e1"));
  StartModule();
  const std::vector<std::string> frame = Present();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[2], "DrawBox 4 13 100 5 0xFF000000");
}

// --- Colours --------------------------------------------------------------------------------

struct ColorCase {
  const char* a;
  const char* r;
  const char* g;
  const char* b;
  const char* argb;
};

class SettingsColorTest : public RecordingHostTest,
                          public ::testing::WithParamInterface<ColorCase> {};

TEST_P(SettingsColorTest, ColourIsComposedFromTheLowByteOfEachComponent) {
  SCOPED_TRACE(std::string("A R G B: ") + GetParam().a + " " + GetParam().r + " " + GetParam().g +
               " " + GetParam().b);
  WriteSettings(RadarBarOnly()
                    .Set("RadarBar", "iBorderColorA", GetParam().a)
                    .Set("RadarBar", "iBorderColorR", GetParam().r)
                    .Set("RadarBar", "iBorderColorG", GetParam().g)
                    .Set("RadarBar", "iBorderColorB", GetParam().b));
  StartModule();
  const std::vector<std::string> frame = Present();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[2], std::string("DrawBox 500 400 100 10 ") + GetParam().argb);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsColorTest,
    ::testing::Values(ColorCase{"255", "0", "128", "255", "0xFF0080FF"},
                      ColorCase{"256", "0", "0", "0", "0x00000000"},
                      ColorCase{"-1", "300", "0", "1", "0xFF2C0001"},
                      ColorCase{"+7", "12.9", "010", "0x1F", "0x070C0A00"},
                      ColorCase{"2147483647", "-2147483648", "511", "-256", "0xFF00FF00"}));

// --- When the file is read ------------------------------------------------------------------

TEST_F(RecordingHostTest, WidgetSettingsAreReadAtLoadAndNeverAgain) {
  WriteSettings(RadarBarOnly().Set("Radar", "fX", "1"));
  LoadModule();
  WriteSettings(RadarBarOnly()
                    .Set("Radar", "fX", "2")
                    .Set("Components", "bRadarBar", "false")
                    .SetColor("RadarBar", "iBorderColor", 0xFF123456));

  EXPECT_THAT(MainLoop(), Contains("WriteMemory 0x00858A10 0x3F800000"));  // 1.0
  const std::vector<std::string> frame = Present();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[2], "DrawBox 500 400 100 10 0xFF000000");
}

TEST_F(RecordingHostTest, StandartKeysAreReadWhenTheGameBecomesReady) {
  Game().systemState = 0;
  WriteSettings(SettingsFile::Complete());
  LoadModule();
  MainLoop();  // waiting: nothing read yet
  WriteSettings(SettingsFile::Complete()
                    .Set("Standart", "bHP", "true")
                    .Set("Standart", "bHelpText", "true"));

  Game().systemState = 9;
  const std::vector<std::string> first = MainLoop();
  EXPECT_THAT(first, Contains("displaySetComponent 2 true"));
  EXPECT_THAT(first, Contains("displaySetComponent 15 true"));
  EXPECT_THAT(first, Contains("displaySetComponent 4 false"));
}

// --- A setting that cannot be read ----------------------------------------------------------

struct FailureCase {
  const char* name;
  const char* section;
  const char* key;
  // Null removes the key from the file.
  const char* value;
  const char* error;
  const char* valueShown;
};

std::string FailureChatLine(const std::string& setting, const std::string& error,
                            const std::string& value) {
  return "AddChatMessage 0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}did not start: " + setting +
         " in SAMPFUNCS\\Velomark\\Velomark.ini: " + error + " (value \"" + value + "\")";
}

class StartupFailureTest : public RecordingHostTest,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StartupFailureTest, ModuleNamesTheSettingOnceAndThenStaysInert) {
  const FailureCase& c = GetParam();
  SettingsFile file = SettingsFile::Complete();
  if (c.value == nullptr) {
    file.Remove(c.section, c.key);
  } else {
    file.Set(c.section, c.key, c.value);
  }
  WriteSettings(file);
  Game().systemState = 0;
  Game().money = 500;
  LoadModule();
  EXPECT_THAT(TakeTrace(), ElementsAre("initPlugin"));

  // The player is told only once the chat exists, at the first ready call.
  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
  Game().systemState = 9;
  EXPECT_THAT(MainLoop(),
              ElementsAre("MainLoop", FailureChatLine(std::string(c.section) + "." + c.key,
                                                      c.error, c.valueShown)));

  // Then nothing: no start-up step, no update, no readiness test, no frame.
  for (int call = 0; call < 4; ++call) {
    SCOPED_TRACE(call);
    EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
  }
  EXPECT_THAT(TakeQueries(), Not(Contains("playerMoney")));
  EXPECT_FALSE(host::PresentRegistered());
  Game().money = 700;
  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
  EXPECT_THAT(TakeQueries(), IsEmpty());
  EXPECT_EQ(host::GameWord(0x858A10), 0u);
}

const std::string kLongValue(300, 'a');

INSTANTIATE_TEST_SUITE_P(
    Settings, StartupFailureTest,
    ::testing::Values(
        FailureCase{"FloatMissing", "Money", "fX", nullptr, "invalid stof argument", ""},
        FailureCase{"FloatEmpty", "Money", "fX", "", "invalid stof argument", ""},
        FailureCase{"FloatNotANumber", "Money", "fX", "abc", "invalid stof argument", "abc"},
        FailureCase{"FloatTooLarge", "Money", "fX", "1e39", "stof argument out of range", "1e39"},
        FailureCase{"FloatTooSmall", "Radar", "fY", "1e-50", "stof argument out of range",
                    "1e-50"},
        FailureCase{"ColourNotANumber", "RadarBar", "iHealthColorR", "x", "invalid stoi argument",
                    "x"},
        FailureCase{"ColourTooLarge", "RadarBar", "iHealthColorR", "2147483648",
                    "stoi argument out of range", "2147483648"},
        FailureCase{"ColourMissing", "Star", "iEmptyColorB", nullptr, "invalid stoi argument",
                    ""},
        // The value shown is the one the module read: cut to its first 255 characters.
        FailureCase{"LongValue", "Ammo", "fLetterOffset", kLongValue.c_str(),
                    "invalid stof argument", kLongValue.c_str() + 45}),
    [](const ::testing::TestParamInfo<FailureCase>& row) { return row.param.name; });

TEST_F(RecordingHostTest, OnlyTheFirstBadSettingInReadOrderIsNamed) {
  std::string text = SettingsFile::Complete()
                         .Set("Star", "fOffset", "later")
                         .Set("Money", "iNegativeColorG", "??")
                         .Set("RadarBar", "fBorder", "wide")
                         .Text();
  // The last section, [Star], goes first: the file's order is not the order of the reads.
  const size_t star = text.find("[Star]");
  ASSERT_NE(star, std::string::npos);
  WriteSettingsText(text.substr(star) + text.substr(0, star));
  LoadModule();
  EXPECT_THAT(MainLoop(),
              ElementsAre("MainLoop", FailureChatLine("RadarBar.fBorder", "invalid stof argument",
                                                      "wide")));
  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
}

TEST_F(RecordingHostTest, MissingSettingsFileLeavesTheModuleInert) {
  LoadModule();
  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop", FailureChatLine("Radar.fX",
                                                                  "invalid stof argument", "")));
  EXPECT_FALSE(host::PresentRegistered());
}

}  // namespace
