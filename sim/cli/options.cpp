#include "sim/cli/options.h"

#include <string_view>

#include "sim/cli/sim_error.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kValueOptions[] = {"--game-dir", "--scenario", "--trace", "--out",
                                              "--module"};

bool TakesValue(std::string_view name) {
  for (std::string_view option : kValueOptions) {
    if (option == name) return true;
  }
  return false;
}

// Relative paths are taken from the starting folder, before the tool moves into the game folder.
fs::path Resolved(const std::string& value) {
  return fs::absolute(fs::path(value)).lexically_normal();
}

void Assign(Options& options, std::string_view name, const std::string& value) {
  if (name == "--game-dir") {
    options.gameDir = Resolved(value);
  } else if (name == "--scenario") {
    options.scenario = Resolved(value);
  } else if (name == "--out") {
    options.outDir = Resolved(value);
  } else if (name == "--module") {
    options.module = Resolved(value);
  } else {
    options.traceToStandardOutput = value == "-";
    options.traceFile.reset();
    if (!options.traceToStandardOutput) options.traceFile = Resolved(value);
  }
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& arguments, const OptionDefaults& defaults) {
  Options options;
  options.gameDir = defaults.gameDir;
  options.scenario = defaults.scenario;
  options.module = defaults.module;
  options.outDir = Resolved("out");

  std::string playOption;  // the last option that only playing a scenario takes
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument == "--check") {
      options.check = true;
      continue;
    }
    // Both "--out DIR" and "--out=DIR".
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (!TakesValue(name)) {
      throw SimError("unknown argument '" + argument + "' (see --help)");
    }
    std::string value;
    if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      throw SimError(name + " needs a value (see --help)");
    }
    if (value.empty()) throw SimError(name + " needs a non-empty value");
    if (name != "--game-dir") playOption = name;
    Assign(options, name, value);
  }
  if (options.check && !playOption.empty()) {
    throw SimError("--check takes only --game-dir, not " + playOption);
  }
  return options;
}

std::string UsageText(const OptionDefaults& defaults) {
  return "Usage: velomark-sim [--game-dir DIR] [--scenario FILE] [--trace FILE|-] [--out DIR]\n"
         "                    [--module FILE]\n"
         "       velomark-sim --check [--game-dir DIR]\n"
         "\n"
         "Loads the Velomark plug-in into a simulated host and game, plays a scenario, records\n"
         "every call the plug-in makes (the trace) and writes what it drew as PNG snapshots.\n"
         "\n"
         "  --game-dir DIR   the game's folder, holding SAMPFUNCS/Velomark/Velomark.ini and the\n"
         "                   textures; it becomes the current folder before the plug-in loads\n"
         "                   (default: " + defaults.gameDir.string() + ")\n"
         "  --scenario FILE  the scenario to play (default: the demo, " +
         defaults.scenario.string() + ")\n"
         "  --trace FILE|-   write the trace to FILE, or to standard output for - (default: none)\n"
         "  --out DIR        folder for the scenario's snapshots, created if missing\n"
         "                   (default: out)\n"
         "  --module FILE    the plug-in to load (default: " + defaults.module.string() + ")\n"
         "  --check          check DIR/SAMPFUNCS/Velomark/Velomark.ini as the plug-in reads it\n"
         "                   and list every problem, with its line; exits 0 and says\n"
         "                   \"settings OK\" when there is none, 1 otherwise\n"
         "  --help           show this text\n"
         "\n"
         "A scenario is a JSON object: \"screen\": [w, h] (default [640, 448]), \"tickStart\"\n"
         "(the millisecond tick at load, default 0), \"game\" (the game's state at load) and\n"
         "\"steps\": a list of {\"at\": ms after load, \"set\": {game keys}, \"mainLoop\": calls,\n"
         "\"present\": frames, \"snapshot\": \"name.png\"}, done in that order. Game keys: game,\n"
         "systemState, clientInitialized, canDraw, chatWord, menuActive, rightMouse, ped, health,\n"
         "armor, oxygen, oxygenActive, money, wanted, weaponSlot, weapon, weaponType,\n"
         "weaponState, clip, total, screen. health, armor and oxygen also take \"nan\", \"inf\",\n"
         "\"-inf\" and \"-0\".\n"
         "\n"
         "Exit status: 0 on success; 1 when --check finds a problem; 2 when an option, the\n"
         "scenario, the game folder, the plug-in or an output is not usable, with one line on\n"
         "standard error saying why and no output left behind.\n";
}
