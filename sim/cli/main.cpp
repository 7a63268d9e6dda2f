// velomark-sim: plays a scenario against the module in the simulated host and game, writing the
// trace and the snapshots, or checks a settings file. See UsageText for the command line and scenario.h for the scenario.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "sim/cli/options.h"
#include "sim/cli/png_files.h"
#include "sim/cli/scenario.h"
#include "sim/cli/scenario_runner.h"
#include "sim/cli/settings_check.h"
#include "sim/cli/sim_error.h"

#if !defined(VELOMARK_DEFAULT_MODULE) || !defined(VELOMARK_DEFAULT_GAME_DIR) || \
    !defined(VELOMARK_DEFAULT_SCENARIO)
#error "the build names the default module, game folder and scenario"
#endif

namespace {

constexpr int kSuccess = 0;
constexpr int kSettingsProblems = 1;
constexpr int kBadInput = 2;

int CheckSettings(const Options& options) {
  const SettingsCheck check = CheckSettingsFile(SettingsFileIn(options.gameDir));
  for (const std::string& problem : check.problems) std::cout << problem << '\n';
  if (check.problems.empty()) {
    std::cout << "settings OK\n";
    return kSuccess;
  }
  std::cout << check.errors << (check.errors == 1 ? " error, " : " errors, ") << check.warnings
            << (check.warnings == 1 ? " warning" : " warnings") << '\n';
  return kSettingsProblems;
}

// Where the outputs went, on standard output unless the trace itself goes there.
void Report(std::ostream& out, const Options& options,
            const std::vector<std::filesystem::path>& snapshots) {
  if (!WritesSnapshots()) {
    out << "velomark-sim: this build writes no snapshots (it has no PNG library)\n";
  } else if (snapshots.empty()) {
    out << "velomark-sim: the scenario took no snapshots\n";
  } else {
    out << "velomark-sim: " << snapshots.size()
        << (snapshots.size() == 1 ? " snapshot" : " snapshots") << " in " << options.outDir.string()
        << ":";
    for (const std::filesystem::path& snapshot : snapshots) {
      out << ' ' << snapshot.filename().string();
    }
    out << '\n';
  }
  if (options.traceFile) out << "velomark-sim: trace in " << options.traceFile->string() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  const OptionDefaults defaults{VELOMARK_DEFAULT_GAME_DIR, VELOMARK_DEFAULT_SCENARIO,
                                VELOMARK_DEFAULT_MODULE};
  try {
    const Options options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), defaults);
    if (options.help) {
      std::cout << UsageText(defaults);
      return kSuccess;
    }
    if (options.check) return CheckSettings(options);
    const Scenario scenario = LoadScenarioFile(options.scenario);
    const std::vector<std::filesystem::path> snapshots = RunScenario(options, scenario);
    Report(options.traceToStandardOutput ? std::cerr : std::cout, options, snapshots);
    return kSuccess;
  } catch (const SimError& error) {
    std::cerr << "velomark-sim: " << error.what() << '\n';
  } catch (const std::exception& error) {
    // Out of memory for a snapshot, or a file system failure not foreseen above.
    std::cerr << "velomark-sim: " << error.what() << '\n';
  }
  return kBadInput;
}
