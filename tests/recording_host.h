// The recording test host: a freshly loaded module in a game folder of the test's own, a game
// state the test sets, and a record of every effect and query in order.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sim/host/host.h"
#include "sim/host/module_loader.h"
#include "tests/settings_file.h"

class Recorder : public HostObserver {
 public:
  void OnTraceLine(std::string_view line) override { trace.emplace_back(line); }
  void OnQuery(std::string_view name) override { queries.emplace_back(name); }

  std::vector<std::string> trace;
  std::vector<std::string> queries;
};

class RecordingHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the settings file the module will read when it loads.
  void WriteSettings(const SettingsFile& settings);
  void WriteSettingsText(const std::string& text);
  // Deletes one of the texture files every game folder starts with.
  void RemoveTextureFile(const std::string& windowsPath);

  // Loads a fresh module (static initialisation reads the settings file now) and calls DllMain
  // with process attach, as a host does.
  void LoadModule();
  // Loads the module with the complete settings unless loaded already, runs the first ready
  // main-loop call and forgets what was recorded so far.
  void StartModule();

  GameState& Game() { return host::State(); }
  // What was recorded since the last call, and forgets it.
  std::vector<std::string> TakeTrace();
  std::vector<std::string> TakeQueries();
  // Runs one main-loop call or one frame and returns the trace lines it produced.
  std::vector<std::string> MainLoop();
  std::vector<std::string> Present();

  Recorder recorder;
  std::filesystem::path gameFolder;

 private:
  std::filesystem::path previousFolder_;
  std::unique_ptr<LoadedModule> module_;
  bool settingsWritten_ = false;
};

// The eighteen texture paths in their load order, as the module names them.
extern const char* const kTexturePaths[18];
