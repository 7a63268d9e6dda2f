// Input the tool refuses: exit status 2, one line on standard error naming the file and the
// fault, and no trace or snapshot left behind.
#include <gmock/gmock.h>

#include <fstream>
#include <functional>
#include <map>

#include "tests/sim/sim_tool.h"

using ::testing::HasSubstr;
using ::testing::SizeIs;
using ::testing::StartsWith;

namespace fs = std::filesystem;

namespace {

// A scenario that would write a snapshot, so every case could leave one behind.
constexpr const char* kGoodScenario =
    R"({ "steps": [ { "mainLoop": 1, "present": 1, "snapshot": "a.png" } ] })";

struct BadInput {
  const char* name;
  std::string scenario;                        // written to scenario.json
  std::map<std::string, std::string> options;  // over the defaults below
  std::function<void(const fs::path& scratch)> prepare;
  const char* file;    // the scratch file the error line names; empty: none
  const char* detail;  // what the line says is wrong
};

void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

class BadInputTest : public SimToolTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(BadInputTest, IsRefusedWithOneLineAndNoOutput) {
  const BadInput& input = GetParam();
  MakeGameDir(SettingsFile::Complete());
  WriteFile("scenario.json", input.scenario);
  if (input.prepare) input.prepare(scratch);
  std::map<std::string, std::string> options = {{"--game-dir", "game"},
                                                {"--scenario", "scenario.json"},
                                                {"--trace", "trace.txt"},
                                                {"--out", "out"}};
  for (const auto& [option, value] : input.options) options[option] = value;
  std::vector<std::string> arguments;
  for (const auto& [option, value] : options) {
    arguments.push_back(option);
    arguments.push_back(value);
  }

  const ToolResult result = Run(arguments);

  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.standardOutput, "");
  ASSERT_THAT(result.ErrorLines(), SizeIs(1)) << result.standardError;
  const std::string line = result.ErrorLines()[0];
  EXPECT_THAT(line, StartsWith("velomark-sim: "));
  if (*input.file != '\0') {
    EXPECT_THAT(line, HasSubstr((scratch / input.file).string()));
  }
  EXPECT_THAT(line, HasSubstr(input.detail));
  EXPECT_FALSE(fs::exists(scratch / "trace.txt"));
  EXPECT_FALSE(fs::exists(scratch / "trace.txt.partial"));
  EXPECT_FALSE(fs::is_directory(scratch / "out"));
}

void MakeFile(const fs::path& file) { std::ofstream(file) << "not what is wanted\n"; }

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInputTest,
    ::testing::Values(
        BadInput{"JsonSyntaxError", "{\n  \"steps\": [\n    { \"at\": 0,, }\n  ]\n}\n", {}, {},
                 "scenario.json", "invalid JSON at line 3"},
        BadInput{"UnknownKey",
                 R"({ "steps": [ {}, {}, { "set": { "helth": 50 } } ] })", {}, {},
                 "scenario.json", "unknown key steps[2].set.helth"},
        BadInput{"UnknownTopLevelKey", R"({ "scren": [640, 448] })", {}, {}, "scenario.json",
                 "unknown key scren"},
        BadInput{"WrongTypeForAFloat", R"({ "game": { "health": "full" } })", {}, {},
                 "scenario.json", "game.health must be a number"},
        BadInput{"WrongTypeForABool", R"({ "game": { "rightMouse": 1 } })", {}, {},
                 "scenario.json", "game.rightMouse must be true or false"},
        BadInput{"FractionForAWholeNumber", R"({ "steps": [ { "mainLoop": 1.5 } ] })", {}, {},
                 "scenario.json", "steps[0].mainLoop must be a whole number"},
        BadInput{"IntegerOutOfRange", R"({ "game": { "money": 2147483648 } })", {}, {},
                 "scenario.json", "game.money must be from -2147483648 to 2147483647"},
        BadInput{"StepsNotAList", R"({ "steps": { "at": 0 } })", {}, {}, "scenario.json",
                 "steps must be a JSON array"},
        BadInput{"DecreasingAt", R"({ "steps": [ { "at": 200 }, { "at": 100 } ] })", {}, {},
                 "scenario.json", "steps[1].at"},
        BadInput{"NegativeCount", R"({ "steps": [ { "present": -1 } ] })", {}, {},
                 "scenario.json", "steps[0].present is -1, but must not be negative"},
        BadInput{"ZeroScreenWidth", R"({ "screen": [0, 448] })", {}, {}, "scenario.json",
                 "screen must be [width, height]"},
        BadInput{"ScreenOfOneSide", R"({ "steps": [ { "set": { "screen": [640] } } ] })", {},
                 {}, "scenario.json", "steps[0].set.screen must be [width, height]"},
        BadInput{"SnapshotOutsideTheOutputFolder",
                 R"({ "steps": [ { "snapshot": "../escape.png" } ] })", {}, {}, "scenario.json",
                 "steps[0].snapshot must be a file name ending in .png"},
        BadInput{"MissingScenarioFile", kGoodScenario, {{"--scenario", "nowhere.json"}}, {},
                 "nowhere.json", "no such scenario file"},
        BadInput{"MissingGameFolder", kGoodScenario, {{"--game-dir", "no-such-game"}}, {},
                 "no-such-game", "no such game folder"},
        BadInput{"ModuleThatIsNotALibrary", kGoodScenario, {{"--module", "fake-module.so"}},
                 [](const fs::path& scratch) { MakeFile(scratch / "fake-module.so"); },
                 "fake-module.so", "cannot load the module"},
        BadInput{"MissingModule", kGoodScenario, {{"--module", "absent.so"}}, {}, "absent.so",
                 "module"},
        BadInput{"OutputFolderIsAFile", kGoodScenario, {},
                 [](const fs::path& scratch) { MakeFile(scratch / "out"); }, "out",
                 "the output folder is a file"},
        BadInput{"OutputFolderUnderAFile", kGoodScenario, {{"--out", "blocker/out"}},
                 [](const fs::path& scratch) { MakeFile(scratch / "blocker"); }, "blocker/out",
                 "cannot create the output folder"},
        BadInput{"TraceInAMissingFolder", kGoodScenario, {{"--trace", "no-folder/trace.txt"}},
                 {}, "no-folder/trace.txt", "its folder does not exist"},
        BadInput{"UnknownOption", kGoodScenario, {{"--speed", "fast"}}, {}, "",
                 "unknown argument '--speed'"}),
    [](const ::testing::TestParamInfo<BadInput>& param) { return std::string(param.param.name); });

// A snapshot that cannot be written half-way through: the snapshots written before it are taken
// back, and the trace file from an earlier run is left as it was.
TEST_F(BadInputTest, FailureMidRunTakesBackWhatTheRunWrote) {
  MakeGameDir(SettingsFile::Complete());
  WriteFile("scenario.json", R"({ "steps": [
      { "mainLoop": 1, "present": 1, "snapshot": "first.png" },
      { "present": 1, "snapshot": "second.png" } ] })");
  WriteFile("trace.txt", "earlier run\n");
  fs::create_directories(scratch / "out" / "second.png");  // a folder where the PNG should go

  const ToolResult result = Run({"--game-dir", "game", "--scenario", "scenario.json", "--trace",
                                 "trace.txt", "--out", "out"});

  EXPECT_EQ(result.exitCode, 2);
  ASSERT_THAT(result.ErrorLines(), SizeIs(1)) << result.standardError;
  EXPECT_THAT(result.ErrorLines()[0], HasSubstr("second.png"));
  EXPECT_FALSE(fs::exists(scratch / "out" / "first.png"));
  EXPECT_FALSE(fs::exists(scratch / "trace.txt.partial"));
  EXPECT_THAT(ReadLines(scratch / "trace.txt"), ::testing::ElementsAre("earlier run"));
  size_t leftInOut = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(scratch / "out")) ++leftInOut;
  EXPECT_EQ(leftInOut, 1u);  // only the folder that was in the way
}

}  // namespace
