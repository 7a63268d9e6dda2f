#include "platform/profile_format.h"

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

// Windows takes tab, line feed, vertical tab, form feed, carriage return, space and the DOS
// end-of-file mark (Ctrl-Z) as blanks.
bool IsProfileBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

std::string_view TrimProfileBlanks(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameProfileName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

ProfileLine ParseProfileLine(std::string_view line, size_t number) {
  const size_t close = line.rfind(']');
  if (line.front() == '[' && close != std::string_view::npos) {
    return {true, TrimProfileBlanks(line.substr(1, close - 1)), {}, false, number};
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {false, line, {}, false, number};
  return {false, TrimProfileBlanks(line.substr(0, equals)),
          TrimProfileBlanks(line.substr(equals + 1)), true, number};
}

ProfileLookup FindProfileKey(std::string_view contents, std::string_view section,
                             std::string_view key) {
  section = TrimProfileBlanks(section);
  key = TrimProfileBlanks(key);
  ProfileLookup lookup{};
  bool inSection = section.empty();
  ForEachProfileLine(contents, [&](const ProfileLine& line) {
    if (line.isHeader) {
      // Only the first section of a name is searched.
      if (inSection) return false;
      inSection = SameProfileName(line.name, section);
      return true;
    }
    if (!inSection || !SameProfileName(line.name, key)) return true;
    // The first key of the name decides, even when it has no value.
    lookup = {true, line};
    return false;
  });
  return lookup;
}
