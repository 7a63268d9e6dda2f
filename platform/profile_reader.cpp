// The profile (INI) reader used where Windows' own is not available. It reads files the way
// Windows does for the module's lookups (checked against it on the files in
// tests/profile_corpus): lines end at a line feed or a carriage return; section and key names are
// compared without regard to case; blanks around names and values are ignored; the first section
// of a name and the first key of a name in it are used; a line without "=" is a key without a
// value, which gives the default; ';' and '#' start no comment (such lines are keys with odd
// names); a header's name ends at the line's last "]", and a line starting with "[" without one
// is an ordinary line of the section before it; one pair of quotes around a value or the default
// is removed; values are cut to fit the caller's buffer; the path's backslashes are taken as
// folder separators relative to the current folder. The bytes are used as they are: no code page
// is converted.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/windows_api.h"

#if !defined(_WIN32)

namespace {

// Windows takes tab, line feed, vertical tab, form feed, carriage return, space and the DOS
// end-of-file mark (Ctrl-Z) as blanks.
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

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

// Windows drops trailing spaces (not other blanks) from the default, but never its first
// character.
std::string_view WithoutTrailingSpaces(std::string_view text) {
  while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Copies value into out, cut to outSize - 1 characters, and returns the count copied. Windows
// removes one matching pair of quotes around the value in two steps: the opening quote before the
// cut, the closing one after it, by dropping the last character copied whenever the buffer is at
// least as long as the rest of the value. So a buffer just large enough for the unquoted value
// and its terminator gets one character less.
size_t CopyValue(std::string_view value, char* out, DWORD outSize) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  if (quoted) value.remove_prefix(1);
  size_t length = value.size() < outSize - 1 ? value.size() : outSize - 1;
  if (quoted && length > 0 && outSize >= value.size()) --length;
  std::memcpy(out, value.data(), length);
  out[length] = '\0';
  return length;
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

// The value of the first key named key in the first section named section, if that key has one.
// Keys before the first section header belong to the section named "".
bool FindValue(std::string_view contents, std::string_view section, std::string_view key,
               std::string_view& value) {
  constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  if (contents.substr(0, kUtf8Bom.size()) == kUtf8Bom) contents.remove_prefix(kUtf8Bom.size());
  section = Trim(section);
  key = Trim(key);

  bool inSection = section.empty();
  while (!contents.empty()) {
    const size_t end = contents.find_first_of("\r\n");
    std::string_view line = Trim(contents.substr(0, end));
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);

    if (line.empty()) continue;
    const size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      // Only the first section of a name is searched.
      if (inSection) return false;
      inSection = SameName(Trim(line.substr(1, close - 1)), section);
      continue;
    }
    if (!inSection) continue;
    const size_t equals = line.find('=');
    if (!SameName(Trim(line.substr(0, equals)), key)) continue;
    // The first key of the name decides, even when it has no value.
    if (equals == std::string_view::npos) return false;
    value = Trim(line.substr(equals + 1));
    return true;
  }
  return false;
}

}  // namespace

extern "C" DWORD GetPrivateProfileStringA(const char* section, const char* key,
                                          const char* defaultValue, char* out, DWORD outSize,
                                          const char* fileName) {
  if (out == nullptr || outSize == 0) return 0;
  std::string_view value = defaultValue != nullptr ? WithoutTrailingSpaces(defaultValue) : "";
  std::string contents;
  std::string_view found;
  if (section != nullptr && key != nullptr && fileName != nullptr &&
      ReadWholeFile(fileName, contents) && FindValue(contents, section, key, found)) {
    value = found;
  }
  return static_cast<DWORD>(CopyValue(value, out, outSize));
}

#endif
