// velomark-sim --check: every problem of a settings file at once, each with its line, in the
// plug-in's own words; "settings OK" only for a file the plug-in reads without a fault.
#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

#include "tests/sim/sim_tool.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;

namespace fs = std::filesystem;

namespace {

// The line of section.key in a plain settings text, counted independently of the tool.
std::string LineOf(const std::string& text, const std::string& section, const std::string& key) {
  std::istringstream lines(text);
  std::string current;
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (!line.empty() && line.front() == '[') current = line.substr(1, line.find(']') - 1);
    if (current == section && line.rfind(key + "=", 0) == 0) return std::to_string(number);
  }
  ADD_FAILURE() << section << "." << key << " is not in the text";
  return "?";
}

std::vector<std::string> OutputLines(const ToolResult& result) {
  std::vector<std::string> lines;
  std::istringstream stream(result.standardOutput);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

class SettingsCheckTest : public SimToolTest {
 protected:
  ToolResult Check(const SettingsFile& settings) {
    MakeGameDir(settings);
    return Run({"--check", "--game-dir", "game"});
  }
  ToolResult CheckText(const std::string& text) {
    MakeGameDir(SettingsFile::Complete());
    std::ofstream(scratch / "game" / "SAMPFUNCS" / "Velomark" / "Velomark.ini",
                  std::ios::binary | std::ios::trunc)
        << text;
    return Run({"--check", "--game-dir", "game"});
  }
};

TEST_F(SettingsCheckTest, TheBundledAndTheCompleteSettingsAreOk) {
  const ToolResult bundled =
      Run({"--check", "--game-dir", (fs::path(VELOMARK_SOURCE_DIR) / "assets").string()});
  EXPECT_EQ(bundled.exitCode, 0) << bundled.standardOutput;
  EXPECT_EQ(bundled.standardOutput, "settings OK\n");

  const ToolResult complete = Check(SettingsFile::Complete());
  EXPECT_EQ(complete.exitCode, 0) << complete.standardOutput;
  EXPECT_EQ(complete.standardOutput, "settings OK\n");
}

TEST_F(SettingsCheckTest, ListsEveryProblemWithItsLineInTheOrderOfTheFile) {
  const SettingsFile settings = SettingsFile::Complete()
                                    .Set("Components", "bRadarBar", "True")
                                    .Set("Components", "bMony", "true")
                                    .Set("Radar", "fY", "1e39")
                                    .Set("RadarBar", "fBorder", "1,5")
                                    .Set("Money", "fX", "abc")
                                    .Set("Money", "fWidth", "12")
                                    .Set("Ammo", "fLetterOffset", "nan")
                                    .Set("Star", "iFullColorR", "300")
                                    .Set("Star", "iFullColorG", "2147483648")
                                    .Set("Star", "iFullColorB", "x")
                                    .Remove("Crosshair", "fHeight")
                                    .Remove("Money", "iNegativeColorB");
  const std::string text = settings.Text();
  const auto at = [&](const char* section, const char* key) {
    return "Velomark.ini:" + LineOf(text, section, key) + ": ";
  };

  const ToolResult result = Check(settings);

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(
      OutputLines(result),
      ElementsAre(
          at("Components", "bRadarBar") + "warning: Components.bRadarBar: only \"true\" switches "
                                          "on, so this reads as false (value \"True\")",
          at("Components", "bMony") + "warning: Components.bMony: unknown key, never read (a typo?)",
          at("Radar", "fY") + "Radar.fY: stof argument out of range (value \"1e39\")",
          at("RadarBar", "fBorder") + "warning: RadarBar.fBorder: \",5\" after the number is "
                                       "ignored, so this reads as \"1\" (value \"1,5\")",
          at("Money", "fX") + "Money.fX: invalid stof argument (value \"abc\")",
          at("Money", "fWidth") + "warning: Money.fWidth: unknown key, never read (a typo?)",
          at("Ammo", "fLetterOffset") + "warning: Ammo.fLetterOffset: not a finite number, so "
                                        "nothing is drawn right (value \"nan\")",
          at("Star", "iFullColorR") + "warning: Star.iFullColorR: outside 0 to 255; only its low 8 "
                                      "bits count, so 300 reads as 44",
          at("Star", "iFullColorG") +
              "Star.iFullColorG: stoi argument out of range (value \"2147483648\")",
          at("Star", "iFullColorB") + "Star.iFullColorB: invalid stoi argument (value \"x\")",
          "Velomark.ini: Money.iNegativeColorB: invalid stoi argument (value \"\"), the key is "
          "missing",
          "Velomark.ini: Crosshair.fHeight: invalid stof argument (value \"\"), the key is missing",
          "6 errors, 6 warnings"));
}

// The first problem the tool lists is the one the plug-in itself stops at.
TEST_F(SettingsCheckTest, ItsFirstErrorIsThePluginsOwn) {
  const SettingsFile settings =
      SettingsFile::Complete().Set("Money", "fYOffset", "one").Set("Star", "fX", "");
  const ToolResult check = Check(settings);
  ASSERT_THAT(OutputLines(check), SizeIs(3)) << check.standardOutput;
  EXPECT_THAT(OutputLines(check)[0], HasSubstr("Money.fYOffset: invalid stof argument"));

  const std::vector<std::string> trace = TraceOf(settings, R"({ "steps": [ { "mainLoop": 1 } ] })");
  EXPECT_THAT(trace, testing::Contains(HasSubstr(
                         "did not start: Money.fYOffset in SAMPFUNCS\\Velomark\\Velomark.ini: "
                         "invalid stof argument (value \"one\")")));
}

// Lines are counted as an editor counts them, whatever ends them.
TEST_F(SettingsCheckTest, CountsLinesWhateverEndsThem) {
  const std::string lines[] = {"[Money]", "", "fX=12", "fX=13", "[Monney]"};
  for (const char* end : {"\n", "\r\n", "\r"}) {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    const std::vector<std::string> output = OutputLines(CheckText(text));
    EXPECT_THAT(output, testing::IsSupersetOf(
                            {"Velomark.ini:4: warning: Money.fX: repeated; only line 3 is read",
                             "Velomark.ini:5: warning: [Monney]: unknown section, never read (a "
                             "typo?)"}))
        << "line end " << testing::PrintToString(end);
  }
}

TEST_F(SettingsCheckTest, NamesTheRulesOfTheReaderThatHideAKey) {
  const ToolResult result = CheckText(
      "stray=1\n"              // 1: before any section
      "[Components]\n"         // 2
      "; bMoney=true\n"        // 3: a comment, not a problem
      "bMoney=true\n"          // 4
      "[Standart]\n"           // 5
      "bHP=yes\n"              // 6: the game's own health bar stays hidden
      "bRadar=false\n"         // 7
      "[Components]\n"         // 8: read never
      "bAmmo=true\n");         // 9
  const std::vector<std::string> output = OutputLines(result);
  EXPECT_THAT(output, testing::IsSupersetOf(
                          {"Velomark.ini:1: warning: stray: before the first section, never read",
                           "Velomark.ini:6: warning: Standart.bHP: only \"true\" switches on, so "
                           "this reads as false (value \"yes\")",
                           "Velomark.ini:8: warning: [Components]: repeated section; only the "
                           "first is read"}));
  for (const std::string& line : output) {
    EXPECT_THAT(line, testing::Not(HasSubstr(":3:")));
    EXPECT_THAT(line, testing::Not(HasSubstr(":9:")));
  }
  EXPECT_EQ(result.exitCode, 1);
}

TEST_F(SettingsCheckTest, AFileThatCannotBeReadIsAProblem) {
  const ToolResult result = Run({"--check", "--game-dir", "nowhere"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(OutputLines(result),
              ElementsAre((scratch / "nowhere" / "SAMPFUNCS" / "Velomark" / "Velomark.ini")
                                  .string() +
                              ": cannot be read (no such file, or not allowed)",
                          "1 error, 0 warnings"));
}

TEST_F(SettingsCheckTest, TakesNoScenarioOptions) {
  const ToolResult result = Run({"--check", "--scenario", "a.json"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.ErrorLines(),
              ElementsAre("velomark-sim: --check takes only --game-dir, not --scenario"));
}

}  // namespace
