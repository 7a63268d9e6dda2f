// Runs the built velomark-sim as a player does, in a scratch folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/settings_file.h"

struct ToolResult {
  int exitCode = -1;
  std::string standardOutput;
  std::string standardError;

  std::vector<std::string> ErrorLines() const;
};

class SimToolTest : public ::testing::Test {
 protected:
  // A fresh, empty scratch folder under the build folder, named after the test.
  void SetUp() override;
  // The scratch folder stays behind when the test failed, for a look at what the tool wrote.
  void TearDown() override;

  // Runs the tool from the scratch folder, so relative paths in the arguments are scratch paths.
  // With VELOMARK_SIM_CASES set, a scenario played to the end is also kept (see sim_tool.cpp).
  ToolResult Run(const std::vector<std::string>& arguments);

  // A game folder in the scratch folder: the bundled textures and this settings file.
  std::filesystem::path MakeGameDir(const SettingsFile& settings, const std::string& name = "game");
  std::filesystem::path WriteFile(const std::string& name, const std::string& text);

  // Plays the scenario in a game folder with the settings, expecting success; the trace lines.
  std::vector<std::string> TraceOf(const SettingsFile& settings, const std::string& scenario);

  std::filesystem::path scratch;
};

std::vector<std::string> ReadLines(const std::filesystem::path& file);

// The draw calls of every drawn frame in a trace: the lines between each BeginRender and its
// EndRender.
std::vector<std::vector<std::string>> FrameDraws(const std::vector<std::string>& trace);
// Those of the last drawn frame; empty when none was drawn.
std::vector<std::string> LastFrameDraws(const std::vector<std::string>& trace);

// The complete test settings with only the named widget switched on ("bMoney", ...).
SettingsFile OnlyWidget(const std::string& componentKey);
