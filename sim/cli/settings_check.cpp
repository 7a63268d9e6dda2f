#include "sim/cli/settings_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string_view>

#include "core/number_conversion.h"
#include "core/settings_table.h"
#include "platform/profile_format.h"
#include "platform/windows_api.h"
#include "standard/standard_components.h"

namespace {

// The module reads each value into a buffer of this size.
constexpr DWORD kValueBuffer = sizeof SettingString::text;
// Missing keys have no line; they sort after every line of the file.
constexpr size_t kNoLine = SIZE_MAX;

struct Problem {
  size_t line;
  std::string text;
};

struct KnownKey {
  std::string section;
  std::string key;
};

// Collects the problems of one file.
class Checker {
 public:
  Checker(const std::filesystem::path& path, std::string contents)
      : path_(path), name_(path.filename().string()), contents_(std::move(contents)) {}

  // The visitor of the settings table.
  void Bool(const char* section, const char* key, bool&) { CheckBool(section, key); }
  void Float(const char* section, const char* key, float&) {
    const Value value = Read(section, key);
    const Conversion<float> number = ConvertToFloat(value.text.c_str());
    if (number.error != nullptr) {
      Error(value, section, key, number.error);
    } else if (!std::isfinite(number.value)) {
      Warn(value.line, section, key,
           "not a finite number, so nothing is drawn right (value \"" + value.text + "\")");
    } else {
      WarnIfTextFollows(value, section, key, number.end);
    }
  }
  void Color(const char* section, const char* stem, ArgbColor&) {
    for (const char channel : kColorChannels) {
      const std::string key = std::string(stem) + channel;
      const Value value = Read(section, key.c_str());
      const Conversion<int32_t> number = ConvertToInt32(value.text.c_str());
      if (number.error != nullptr) {
        Error(value, section, key.c_str(), number.error);
      } else if (number.value < 0 || number.value > 255) {
        Warn(value.line, section, key.c_str(),
             "outside 0 to 255; only its low 8 bits count, so " + std::to_string(number.value) +
                 " reads as " + std::to_string(static_cast<uint32_t>(number.value) & 0xFFu));
      } else {
        WarnIfTextFollows(value, section, key.c_str(), number.end);
      }
    }
  }

  void CheckStandardSection() {
    for (const StandardComponent& row : kStandardComponents) CheckBool(kStandardSection, row.key);
  }

  // Lines the plug-in never reads: unknown sections and keys, repeated ones, keys outside any
  // section. Lines starting with ';' or '#' are the player's comments.
  void CheckUnreadLines() {
    std::vector<std::string> seenSections;
    std::string section;
    bool read = true;  // the lines belong to the first section of a known name
    std::vector<std::pair<std::string, size_t>> keysInSection;
    ForEachProfileLine(contents_, [&](const ProfileLine& line) {
      if (line.isHeader) {
        section = std::string(line.name);
        keysInSection.clear();
        read = false;
        if (Contains(seenSections, section)) {
          WarnLine(line.number, "[" + section + "]: repeated section; only the first is read");
        } else if (!IsKnownSection(section)) {
          WarnLine(line.number, "[" + section + "]: unknown section, never read (a typo?)");
        } else {
          read = true;
        }
        seenSections.push_back(section);
        return true;
      }
      if (line.name.front() == ';' || line.name.front() == '#' || !read) return true;
      const std::string key(line.name);
      if (seenSections.empty()) {
        WarnLine(line.number, key + ": before the first section, never read");
      } else if (!IsKnownKey(section, key)) {
        WarnLine(line.number, section + "." + key + ": unknown key, never read (a typo?)");
      } else if (const size_t first = FirstLineOf(keysInSection, key); first != 0) {
        WarnLine(line.number, section + "." + key + ": repeated; only line " + std::to_string(first) +
                             " is read");
      } else {
        keysInSection.emplace_back(key, line.number);
      }
      return true;
    });
  }

  SettingsCheck Result() {
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    SettingsCheck check;
    for (Problem& problem : problems_) check.problems.push_back(std::move(problem.text));
    check.errors = errors_;
    check.warnings = warnings_;
    return check;
  }

 private:
  struct Value {
    std::string text;  // as the plug-in reads it
    size_t line;       // where it is, or kNoLine
  };

  // The value comes from the platform's profile reader, as the plug-in gets it (on Windows,
  // Windows' own); the file's contents, already read, only say on which line it stands.
  Value Read(const char* section, const char* key) {
    known_.push_back({section, key});
    char buffer[kValueBuffer];
    GetPrivateProfileStringA(section, key, nullptr, buffer, sizeof buffer,
                             path_.string().c_str());
    const ProfileLookup lookup = FindProfileKey(contents_, section, key);
    const size_t line = lookup.found ? lookup.line.number : kNoLine;
    if (lookup.found && lookup.line.value.size() >= kValueBuffer) {
      Warn(line, section, key, "longer than 255 characters; the rest is cut off");
    }
    return {buffer, line};
  }

  // The plug-in reads a number from the start of a value and ignores the rest: "1,5" reads as 1.
  void WarnIfTextFollows(const Value& value, const char* section, const char* key,
                         const char* end) {
    const std::string_view rest = end;
    if (rest.find_first_not_of(" \t") == std::string_view::npos) return;
    const std::string_view number(value.text.data(), value.text.size() - rest.size());
    // Appended piece by piece: GCC 12 warns falsely of overlapping copies in a chain of "+".
    std::string words = "\"";
    words.append(TrimProfileBlanks(rest));
    words.append("\" after the number is ignored, so this reads as \"");
    words.append(TrimProfileBlanks(number));
    words.append("\" (value \"").append(value.text).append("\")");
    Warn(value.line, section, key, words);
  }

  void CheckBool(const char* section, const char* key) {
    const Value value = Read(section, key);
    if (!value.text.empty() && value.text != "true" && value.text != "false") {
      Warn(value.line, section, key,
           "only \"true\" switches on, so this reads as false (value \"" + value.text + "\")");
    }
  }

  std::string Place(size_t line) const {
    return line == kNoLine ? name_ + ": " : name_ + ":" + std::to_string(line) + ": ";
  }

  void Error(const Value& value, const char* section, const char* key, const char* words) {
    std::string text = Place(value.line) + section + "." + key + ": " + words + " (value \"" +
                       value.text + "\")";
    if (value.line == kNoLine) text += ", the key is missing";
    problems_.push_back({value.line, std::move(text)});
    ++errors_;
  }

  void Warn(size_t line, const char* section, const char* key, const std::string& words) {
    WarnLine(line, std::string(section) + "." + key + ": " + words);
  }

  void WarnLine(size_t line, const std::string& words) {
    problems_.push_back({line, Place(line) + "warning: " + words});
    ++warnings_;
  }

  static bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& seen) { return SameProfileName(seen, name); });
  }

  static size_t FirstLineOf(const std::vector<std::pair<std::string, size_t>>& keys,
                            const std::string& key) {
    for (const auto& [name, line] : keys) {
      if (SameProfileName(name, key)) return line;
    }
    return 0;
  }

  bool IsKnownSection(const std::string& section) const {
    return std::any_of(known_.begin(), known_.end(), [&](const KnownKey& known) {
      return SameProfileName(known.section, section);
    });
  }

  bool IsKnownKey(const std::string& section, const std::string& key) const {
    return std::any_of(known_.begin(), known_.end(), [&](const KnownKey& known) {
      return SameProfileName(known.section, section) && SameProfileName(known.key, key);
    });
  }

  std::filesystem::path path_;
  std::string name_;
  std::string contents_;
  std::vector<KnownKey> known_;  // every key read so far
  std::vector<Problem> problems_;
  int errors_ = 0;
  int warnings_ = 0;
};

}  // namespace

std::filesystem::path SettingsFileIn(const std::filesystem::path& gameDir) {
  std::filesystem::path path = gameDir;
  std::string_view rest = kSettingsFile;
  for (size_t slash = rest.find('\\'); slash != std::string_view::npos;
       slash = rest.find('\\')) {
    path /= std::string(rest.substr(0, slash));
    rest.remove_prefix(slash + 1);
  }
  return path / std::string(rest);
}

SettingsCheck CheckSettingsFile(const std::filesystem::path& path) {
  std::error_code error;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
  if (!file.is_open()) {
    SettingsCheck check;
    check.problems.push_back(path.string() + ": cannot be read (no such file, or not allowed)");
    check.errors = 1;
    return check;
  }
  std::string contents{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  Checker checker(path, std::move(contents));
  SettingsRecord scratch{};
  VisitSettings(scratch, checker);
  checker.CheckStandardSection();
  checker.CheckUnreadLines();
  return checker.Result();
}
