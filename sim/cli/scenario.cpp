#include "sim/cli/scenario.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <type_traits>

#include "sim/cli/sim_error.h"

namespace {

using json = nlohmann::json;

template <typename T>
using Member = T GameState::*;

struct GameKey {
  std::string_view name;
  std::variant<Member<bool>, Member<int32_t>, Member<uint32_t>, Member<float>> field;
};

// Every key of the game state a scenario can set, except "screen", which sets two members.
constexpr GameKey kGameKeys[] = {
    {"game", &GameState::game},
    {"systemState", &GameState::systemState},
    {"clientInitialized", &GameState::clientInitialized},
    {"canDraw", &GameState::canDraw},
    {"chatWord", &GameState::chatWord},
    {"menuActive", &GameState::menuActive},
    {"rightMouse", &GameState::rightMouse},
    {"ped", &GameState::ped},
    {"health", &GameState::health},
    {"armor", &GameState::armor},
    {"oxygen", &GameState::oxygen},
    {"oxygenActive", &GameState::oxygenActive},
    {"money", &GameState::money},
    {"wanted", &GameState::wanted},
    {"weaponSlot", &GameState::weaponSlot},
    {"weapon", &GameState::weapon},
    {"weaponType", &GameState::weaponType},
    {"weaponState", &GameState::weaponState},
    {"clip", &GameState::clip},
    {"total", &GameState::total},
};
constexpr std::string_view kScreenKey = "screen";

// Larger screens would make snapshots of hundreds of megabytes.
constexpr int64_t kMaxScreenSide = 8192;

[[noreturn]] void Fail(const std::string& message) { throw SimError(message); }

// A JSON value as the author wrote it, shortened for an error line.
std::string Found(const json& value) {
  std::string text = value.dump();
  constexpr size_t kMaxShown = 40;
  if (text.size() > kMaxShown) text = text.substr(0, kMaxShown - 3) + "...";
  return text;
}

std::string MemberPath(const std::string& path, std::string_view key) {
  std::string member = path;
  if (!member.empty()) member += '.';
  member += key;
  return member;
}

void RequireObject(const json& value, const std::string& path) {
  if (!value.is_object()) Fail(path + " must be a JSON object {...}, not " + Found(value));
}

void RequireKnownKeys(const json& object, const std::string& path,
                      std::initializer_list<std::string_view> known) {
  for (const auto& item : object.items()) {
    bool isKnown = false;
    for (std::string_view key : known) isKnown = isKnown || key == item.key();
    if (!isKnown) Fail("unknown key " + MemberPath(path, item.key()));
  }
}

// The value when it is a JSON whole number that fits 64 signed bits.
std::optional<int64_t> WholeNumber(const json& value) {
  if (value.is_number_unsigned()) {
    const auto number = value.get<uint64_t>();
    if (number > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return std::nullopt;
    return static_cast<int64_t>(number);
  }
  if (value.is_number_integer()) return value.get<int64_t>();
  return std::nullopt;
}

int64_t ReadWhole(const json& value, const std::string& path, int64_t min, int64_t max) {
  const std::optional<int64_t> number = WholeNumber(value);
  if (!number) Fail(path + " must be a whole number, not " + Found(value));
  if (*number < 0 && min == 0) Fail(path + " is " + Found(value) + ", but must not be negative");
  if (*number < min || *number > max) {
    Fail(path + " must be from " + std::to_string(min) + " to " + std::to_string(max) + ", not " +
         Found(value));
  }
  return *number;
}

bool ReadBool(const json& value, const std::string& path) {
  if (!value.is_boolean()) Fail(path + " must be true or false, not " + Found(value));
  return value.get<bool>();
}

float ReadFloat(const json& value, const std::string& path) {
  if (value.is_number()) {
    const auto number = value.get<double>();
    if (std::isfinite(number) && std::fabs(number) > FLT_MAX) {
      Fail(path + " is too large for a float: " + Found(value));
    }
    return static_cast<float>(number);
  }
  if (value.is_string()) {
    // Values JSON cannot write as numbers; "-0" because a JSON -0 reads as the integer 0.
    const auto& text = value.get_ref<const std::string&>();
    if (text == "nan") return std::numeric_limits<float>::quiet_NaN();
    if (text == "inf") return std::numeric_limits<float>::infinity();
    if (text == "-inf") return -std::numeric_limits<float>::infinity();
    if (text == "-0") return -0.0f;
  }
  Fail(path + " must be a number or one of \"nan\", \"inf\", \"-inf\", \"-0\", not " +
       Found(value));
}

template <typename T>
T ReadFieldValue(const json& value, const std::string& path) {
  if constexpr (std::is_same_v<T, bool>) {
    return ReadBool(value, path);
  } else if constexpr (std::is_same_v<T, float>) {
    return ReadFloat(value, path);
  } else {
    return static_cast<T>(
        ReadWhole(value, path, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
  }
}

void ReadScreen(const json& value, const std::string& path, std::vector<GameChange>& changes) {
  const auto side = [&](size_t index) -> std::optional<int32_t> {
    const std::optional<int64_t> number = WholeNumber(value[index]);
    if (!number || *number < 1 || *number > kMaxScreenSide) return std::nullopt;
    return static_cast<int32_t>(*number);
  };
  std::optional<int32_t> width;
  std::optional<int32_t> height;
  if (value.is_array() && value.size() == 2) {
    width = side(0);
    height = side(1);
  }
  if (!width || !height) {
    Fail(path + " must be [width, height], each a whole number from 1 to " +
         std::to_string(kMaxScreenSide) + ", not " + Found(value));
  }
  changes.emplace_back(FieldChange<int32_t>{&GameState::screenWidth, *width});
  changes.emplace_back(FieldChange<int32_t>{&GameState::screenHeight, *height});
}

// A "game" or "set" object: the changes it makes, in the order of the keys.
std::vector<GameChange> ReadGameChanges(const json& object, const std::string& path) {
  RequireObject(object, path);
  std::vector<GameChange> changes;
  for (const auto& item : object.items()) {
    const std::string keyPath = MemberPath(path, item.key());
    if (item.key() == kScreenKey) {
      ReadScreen(item.value(), keyPath, changes);
      continue;
    }
    const GameKey* known = nullptr;
    for (const GameKey& key : kGameKeys) {
      if (key.name == item.key()) known = &key;
    }
    if (known == nullptr) Fail("unknown key " + keyPath);
    changes.push_back(std::visit(
        [&](auto field) -> GameChange {
          using Value = std::remove_reference_t<decltype(std::declval<GameState&>().*field)>;
          return FieldChange<Value>{field, ReadFieldValue<Value>(item.value(), keyPath)};
        },
        known->field));
  }
  return changes;
}

bool IsPlainPngName(const std::string& name) {
  if (name.size() <= 4 || name.front() == '.') return false;
  for (char c : name) {
    // Separators of either system and a drive colon would leave the output folder.
    if (c == '/' || c == '\\' || c == ':') return false;
  }
  std::string extension = name.substr(name.size() - 4);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".png";
}

ScenarioStep ReadStep(const json& object, const std::string& path, uint32_t previousAt) {
  RequireObject(object, path);
  RequireKnownKeys(object, path, {"at", "set", "mainLoop", "present", "snapshot"});
  ScenarioStep step;
  step.at = previousAt;
  if (object.contains("at")) {
    step.at = static_cast<uint32_t>(
        ReadWhole(object["at"], path + ".at", 0, std::numeric_limits<uint32_t>::max()));
    if (step.at < previousAt) {
      Fail(path + ".at is " + std::to_string(step.at) + ", earlier than the " +
           std::to_string(previousAt) + " of the step before; \"at\" must never decrease");
    }
  }
  if (object.contains("set")) step.set = ReadGameChanges(object["set"], path + ".set");
  constexpr int64_t kMaxCount = std::numeric_limits<int32_t>::max();
  if (object.contains("mainLoop")) {
    step.mainLoopCalls =
        static_cast<int32_t>(ReadWhole(object["mainLoop"], path + ".mainLoop", 0, kMaxCount));
  }
  if (object.contains("present")) {
    step.presentCalls =
        static_cast<int32_t>(ReadWhole(object["present"], path + ".present", 0, kMaxCount));
  }
  if (object.contains("snapshot")) {
    const json& name = object["snapshot"];
    if (!name.is_string() || !IsPlainPngName(name.get<std::string>())) {
      Fail(path + ".snapshot must be a file name ending in .png, without folders, not " +
           Found(name));
    }
    step.snapshot = name.get<std::string>();
  }
  return step;
}

json ParseJson(std::string_view text) {
  try {
    return json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/true,
                       /*ignore_comments=*/true);
  } catch (const json::parse_error& error) {
    // "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error ..."
    const std::string message = error.what();
    const size_t where = message.find("at line ");
    Fail("invalid JSON " + (where == std::string::npos ? message : message.substr(where)));
  }
}

}  // namespace

void Apply(const std::vector<GameChange>& changes, GameState& state) {
  for (const GameChange& change : changes) {
    std::visit([&](const auto& fieldChange) { state.*fieldChange.field = fieldChange.value; },
               change);
  }
}

bool Scenario::TakesSnapshots() const {
  for (const ScenarioStep& step : steps) {
    if (!step.snapshot.empty()) return true;
  }
  return false;
}

Scenario ParseScenario(std::string_view text) {
  const json root = ParseJson(text);
  if (!root.is_object()) Fail("the scenario must be a JSON object {...}, not " + Found(root));
  RequireKnownKeys(root, "", {"screen", "tickStart", "game", "steps"});

  Scenario scenario;
  if (root.contains("screen")) ReadScreen(root["screen"], "screen", scenario.initial);
  if (root.contains("tickStart")) {
    scenario.tickStart = static_cast<uint32_t>(
        ReadWhole(root["tickStart"], "tickStart", 0, std::numeric_limits<uint32_t>::max()));
  }
  // After the top-level screen, so that a "screen" inside "game" has the last word.
  if (root.contains("game")) {
    const std::vector<GameChange> game = ReadGameChanges(root["game"], "game");
    scenario.initial.insert(scenario.initial.end(), game.begin(), game.end());
  }
  if (root.contains("steps")) {
    const json& steps = root["steps"];
    if (!steps.is_array()) Fail("steps must be a JSON array [...], not " + Found(steps));
    uint32_t previousAt = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
      scenario.steps.push_back(ReadStep(steps[i], "steps[" + std::to_string(i) + "]", previousAt));
      previousAt = scenario.steps.back().at;
    }
  }
  return scenario;
}

Scenario LoadScenarioFile(const std::filesystem::path& file) {
  const std::string name = file.string();
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    throw SimError(name + ": is a folder, not a scenario file");
  }
  std::ifstream stream(file, std::ios::binary);
  if (!stream) {
    throw SimError(name + (std::filesystem::exists(file, error) ? ": cannot be read"
                                                                : ": no such scenario file"));
  }
  std::ostringstream text;
  text << stream.rdbuf();
  if (stream.bad()) throw SimError(name + ": cannot be read");
  try {
    return ParseScenario(text.str());
  } catch (const SimError& failure) {
    throw SimError(name + ": " + failure.what());
  }
}
