#include "tests/sim/sim_tool.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#if !defined(VELOMARK_SIM_PATH) || !defined(VELOMARK_SOURCE_DIR) || \
    !defined(VELOMARK_SIM_SCRATCH_DIR)
#error "the build names the tool, the source folder and the scratch folder"
#endif

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

#ifdef _WIN32
// The test's own paths hold no double quotes.
std::string Quoted(const std::string& argument) { return "\"" + argument + "\""; }
#else
std::string Quoted(const std::string& argument) {
  std::string quoted = "'";
  for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
#endif

// The value of the last "--name value" or "--name=value" among the arguments; empty if none.
std::string OptionValue(const std::vector<std::string>& arguments, const std::string& name) {
  std::string value;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == name && i + 1 < arguments.size()) value = arguments[i + 1];
    if (arguments[i].rfind(name + "=", 0) == 0) value = arguments[i].substr(name.size() + 1);
  }
  return value;
}

// With VELOMARK_SIM_CASES naming a folder, each scenario that the tool played to the end with
// the built module is kept there as a case of its own: the scenario and the game folder as they
// stood, for scripts/test_windows_sim.sh to play again natively and under Windows.
void KeepCase(const fs::path& scratch, const std::vector<std::string>& arguments) {
  const char* cases = std::getenv("VELOMARK_SIM_CASES");
  if (cases == nullptr || *cases == '\0') return;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h" || argument.rfind("--module", 0) == 0) return;
  }
  const auto given = [&](const std::string& name, const fs::path& fallback) {
    const std::string value = OptionValue(arguments, name);
    return value.empty() ? fallback : scratch / value;
  };
  const fs::path source(VELOMARK_SOURCE_DIR);
  const fs::path game = given("--game-dir", source / "assets");
  const fs::path scenario = given("--scenario", source / "sim" / "scenarios" / "demo.json");

  fs::path kept = fs::path(cases) / scratch.filename();
  for (int run = 2; fs::exists(kept); ++run) {
    kept = fs::path(cases) / (scratch.filename().string() + "." + std::to_string(run));
  }
  fs::create_directories(kept);
  fs::copy(game, kept / "game", fs::copy_options::recursive);
  fs::copy_file(scenario, kept / "scenario.json");
}

int ExitCode(int status) {
#ifdef _WIN32
  return status;
#else
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace

std::vector<std::string> ToolResult::ErrorLines() const {
  std::vector<std::string> lines;
  std::istringstream stream(standardError);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

void SimToolTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  scratch = fs::path(VELOMARK_SIM_SCRATCH_DIR) / name;
  fs::remove_all(scratch);
  fs::create_directories(scratch);
}

void SimToolTest::TearDown() {
  if (!HasFailure()) fs::remove_all(scratch);
}

ToolResult SimToolTest::Run(const std::vector<std::string>& arguments) {
  const fs::path outFile = scratch / "tool-stdout.txt";
  const fs::path errFile = scratch / "tool-stderr.txt";
  std::string command = Quoted(VELOMARK_SIM_PATH);
  for (const std::string& argument : arguments) command += " " + Quoted(argument);
  command += " >" + Quoted(outFile.string()) + " 2>" + Quoted(errFile.string());
#ifdef _WIN32
  command = "\"" + command + "\"";  // cmd.exe strips one pair of quotes around the whole line
#endif
  const fs::path previous = fs::current_path();
  fs::current_path(scratch);
  const int status = std::system(command.c_str());
  fs::current_path(previous);

  ToolResult result;
  result.exitCode = ExitCode(status);
  result.standardOutput = ReadFile(outFile);
  result.standardError = ReadFile(errFile);
  fs::remove(outFile);
  fs::remove(errFile);
  if (result.exitCode == 0) KeepCase(scratch, arguments);
  return result;
}

fs::path SimToolTest::MakeGameDir(const SettingsFile& settings, const std::string& name) {
  const fs::path game = scratch / name;
  const fs::path plugin = game / "SAMPFUNCS" / "Velomark";
  fs::create_directories(plugin);
  fs::copy(fs::path(VELOMARK_SOURCE_DIR) / "assets" / "SAMPFUNCS" / "Velomark", plugin,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  std::ofstream(plugin / "Velomark.ini", std::ios::binary | std::ios::trunc) << settings.Text();
  return game;
}

fs::path SimToolTest::WriteFile(const std::string& name, const std::string& text) {
  const fs::path file = scratch / name;
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
  return file;
}

std::vector<std::string> SimToolTest::TraceOf(const SettingsFile& settings,
                                              const std::string& scenario) {
  MakeGameDir(settings);
  WriteFile("scenario.json", scenario);
  const ToolResult result =
      Run({"--game-dir", "game", "--scenario", "scenario.json", "--trace", "trace.txt"});
  EXPECT_EQ(result.exitCode, 0) << result.standardError;
  return ReadLines(scratch / "trace.txt");
}

std::vector<std::string> ReadLines(const fs::path& file) {
  std::vector<std::string> lines;
  std::ifstream stream(file, std::ios::binary);
  for (std::string line; std::getline(stream, line);) {
    // A checkout that turned line ends into CR LF still compares equal.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::vector<std::string>> FrameDraws(const std::vector<std::string>& trace) {
  std::vector<std::vector<std::string>> frames;
  bool inFrame = false;
  for (const std::string& line : trace) {
    if (line == "BeginRender") {
      frames.emplace_back();
      inFrame = true;
    } else if (line == "EndRender") {
      inFrame = false;
    } else if (inFrame) {
      frames.back().push_back(line);
    }
  }
  return frames;
}

std::vector<std::string> LastFrameDraws(const std::vector<std::string>& trace) {
  const std::vector<std::vector<std::string>> frames = FrameDraws(trace);
  return frames.empty() ? std::vector<std::string>{} : frames.back();
}

SettingsFile OnlyWidget(const std::string& componentKey) {
  SettingsFile settings = SettingsFile::Complete();
  for (const char* key : {"bRadarBar", "bMoney", "bAmmo", "bCrosshair", "bStar"}) {
    settings.Set("Components", key, key == componentKey ? "true" : "false");
  }
  return settings;
}
