// How the tool plays a scenario: the order of a step's parts, where the trace goes, and a game
// folder that lacks a texture.
#include <gmock/gmock.h>

#include "tests/sim/sim_tool.h"

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;
using ::testing::StartsWith;

namespace fs = std::filesystem;

namespace {

class ScenarioPlayTest : public SimToolTest {};

// The lines that mark the host's calls into the module.
std::vector<std::string> CallMarks(const std::vector<std::string>& trace) {
  std::vector<std::string> marks;
  for (const std::string& line : trace) {
    if (line == "initPlugin" || line == "MainLoop" || line == "Present") marks.push_back(line);
  }
  return marks;
}

// A step sets the game first, then makes its main-loop calls, then its frames: the game turns
// ready in the second step, whose main-loop call starts the module, and only then can a frame
// be presented.
TEST_F(ScenarioPlayTest, StepSetsThenCallsTheMainLoopThenPresents) {
  const auto trace = TraceOf(SettingsFile::Complete(), R"({
    // Comments are allowed, as in the format's description.
    "game": { "systemState": 8 },
    "steps": [ { "mainLoop": 1, "present": 1 },
               { "set": { "systemState": 9 }, "mainLoop": 2, "present": 2 } ] })");
  EXPECT_THAT(CallMarks(trace),
              ElementsAre("initPlugin", "MainLoop", "MainLoop", "MainLoop", "Present", "Present"));
  ASSERT_THAT(trace, SizeIs(::testing::Gt(4u)));
  EXPECT_EQ(trace[1], "MainLoop");
  EXPECT_EQ(trace[2], "MainLoop");  // the first call found the game not ready: it did nothing
  EXPECT_EQ(trace[3], "WriteMemory 0x00716642 0x42200000");
}

TEST_F(ScenarioPlayTest, TraceToStandardOutputIsTheTraceFile) {
  const std::string scenario = R"({ "game": { "money": 20, "wanted": 2 },
    "steps": [ { "mainLoop": 3, "present": 1, "snapshot": "a.png" } ] })";
  const std::vector<std::string> fileTrace = TraceOf(SettingsFile::Complete(), scenario);

  const ToolResult result =
      Run({"--game-dir", "game", "--scenario", "scenario.json", "--trace", "-", "--out", "out"});
  ASSERT_EQ(result.exitCode, 0) << result.standardError;
  std::vector<std::string> printed;
  std::istringstream stream(result.standardOutput);
  for (std::string line; std::getline(stream, line);) printed.push_back(line);
  EXPECT_EQ(printed, fileTrace);
  // Where the snapshots went is said on standard error, out of the trace's way.
  EXPECT_THAT(result.standardError, HasSubstr((scratch / "out").string()));
}

TEST_F(ScenarioPlayTest, MissingTextureLoadsAsNullWithAWarning) {
  const fs::path game = MakeGameDir(SettingsFile::Complete());
  fs::remove(game / "SAMPFUNCS" / "Velomark" / "star" / "star.png");
  WriteFile("scenario.json", R"({ "steps": [ { "mainLoop": 1 } ] })");

  const ToolResult result =
      Run({"--game-dir", "game", "--scenario", "scenario.json", "--trace", "trace.txt"});

  ASSERT_EQ(result.exitCode, 0) << result.standardError;
  ASSERT_THAT(result.ErrorLines(), SizeIs(1));
  EXPECT_THAT(result.ErrorLines()[0], HasSubstr("star.png"));
  // The module was handed a null handle for it, and says so in the chat.
  EXPECT_THAT(ReadLines(scratch / "trace.txt"),
              Contains(AllOf(StartsWith("AddChatMessage"), HasSubstr("star\\star.png"))));
}

// A setting that cannot be read: once the game is ready the plug-in names it in the chat, and
// from then on stores nothing, sets no component, loads no texture and draws nothing.
TEST_F(ScenarioPlayTest, BadSettingIsNamedOnceAndThePlugInStaysInert) {
  const auto trace = TraceOf(SettingsFile::Complete().Set("Money", "fX", "abc"), R"({
    "game": { "systemState": 8 },
    "steps": [ { "mainLoop": 1, "present": 1 },
               { "set": { "systemState": 9 }, "mainLoop": 3, "present": 1 } ] })");
  EXPECT_THAT(trace, ElementsAre("initPlugin", "MainLoop", "MainLoop",
                                 "AddChatMessage 0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}did "
                                 "not start: Money.fX in SAMPFUNCS\\Velomark\\Velomark.ini: "
                                 "invalid stof argument (value \"abc\")",
                                 "MainLoop", "MainLoop"));
}

TEST_F(ScenarioPlayTest, HelpPrintsTheUsageAndRunsNothing) {
  const ToolResult result = Run({"--help"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_THAT(result.standardOutput, StartsWith("Usage: velomark-sim"));
  EXPECT_THAT(result.standardError, IsEmpty());
  EXPECT_FALSE(fs::exists(scratch / "out"));
}

}  // namespace
