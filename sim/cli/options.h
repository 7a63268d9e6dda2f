// The command line of velomark-sim.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct Options {
  bool help = false;
  // Check the game folder's settings file instead of playing a scenario.
  bool check = false;
  // Every path is absolute, resolved against the folder the tool was started in.
  std::filesystem::path gameDir;
  std::filesystem::path scenario;
  std::filesystem::path outDir;
  std::filesystem::path module;
  // No trace at all when traceToStandardOutput is false and traceFile is empty.
  bool traceToStandardOutput = false;
  std::optional<std::filesystem::path> traceFile;
};

// The bundled defaults, fixed when the tool is built.
struct OptionDefaults {
  std::filesystem::path gameDir;
  std::filesystem::path scenario;
  std::filesystem::path module;
};

// Parses the arguments after the program name; an option given twice takes its last value, so
// wrapper scripts can pass defaults that the player's arguments override. Throws SimError on an
// unknown option, a missing or empty value, or an option that --check does not take.
Options ParseOptions(const std::vector<std::string>& arguments, const OptionDefaults& defaults);

std::string UsageText(const OptionDefaults& defaults);
