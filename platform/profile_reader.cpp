// The profile (INI) reader used where Windows' own is not available. It reads files the way
// Windows does for the module's lookups: section and key names compared without regard to case,
// blanks around names and values ignored, one pair of quotes around a value removed, lines
// starting with ';' skipped, the first match used, values cut to fit the caller's buffer, and
// the path's backslashes taken as folder separators relative to the current folder. A line
// without "=" and a header without "]" hold nothing.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/windows_api.h"

#if !defined(_WIN32)

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value.remove_prefix(1);
    value.remove_suffix(1);
  }
  return value;
}

bool ReadWholeFile(const char* windowsPath, std::string& contents) {
  std::string path(windowsPath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) contents.append(chunk, got);
  std::fclose(file);
  return true;
}

// The value of the first key named key in the first section named section, if any. Keys
// before the first section header belong to the section named "".
bool FindValue(std::string_view contents, std::string_view section, std::string_view key,
               std::string_view& value) {
  constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  if (contents.substr(0, kUtf8Bom.size()) == kUtf8Bom) contents.remove_prefix(kUtf8Bom.size());
  section = Trim(section);
  key = Trim(key);

  bool inSection = section.empty();
  while (!contents.empty()) {
    const size_t end = contents.find('\n');
    std::string_view line = Trim(contents.substr(0, end));
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);

    if (line.empty() || line.front() == ';') continue;
    const size_t close = line.find(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      // Only the first section of a name is searched.
      if (inSection) return false;
      inSection = SameName(Trim(line.substr(1, close - 1)), section);
      continue;
    }
    // A line without "=" (an unclosed section header among them) holds no value.
    const size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    if (!SameName(Trim(line.substr(0, equals)), key)) continue;
    value = Unquote(Trim(line.substr(equals + 1)));
    return true;
  }
  return false;
}

}  // namespace

extern "C" DWORD GetPrivateProfileStringA(const char* section, const char* key,
                                          const char* defaultValue, char* out, DWORD outSize,
                                          const char* fileName) {
  if (out == nullptr || outSize == 0) return 0;
  std::string_view value = defaultValue != nullptr ? std::string_view(defaultValue) : "";
  std::string contents;
  std::string_view found;
  if (section != nullptr && key != nullptr && fileName != nullptr &&
      ReadWholeFile(fileName, contents) && FindValue(contents, section, key, found)) {
    value = found;
  }
  const size_t length = value.size() < outSize - 1 ? value.size() : outSize - 1;
  std::memcpy(out, value.data(), length);
  out[length] = '\0';
  return static_cast<DWORD>(length);
}

#endif
