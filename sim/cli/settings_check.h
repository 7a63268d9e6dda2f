// velomark-sim --check: reads a settings file as the plug-in does and lists every problem at
// once, where the plug-in itself stops at the first.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct SettingsCheck {
  // "Velomark.ini:LINE: Section.key: words (value "...")", errors and warnings ("warning: "
  // after the place), in the order of the file's lines; problems of keys that are missing come
  // last, in reading order.
  std::vector<std::string> problems;
  int errors = 0;
  int warnings = 0;
};

// Where the plug-in finds its settings file when the game runs in gameDir.
std::filesystem::path SettingsFileIn(const std::filesystem::path& gameDir);

// Checks the settings file at path; a file that cannot be read is one error.
SettingsCheck CheckSettingsFile(const std::filesystem::path& path);
