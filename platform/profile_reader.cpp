// The profile (INI) reader used where Windows' own is not available. It reads files the way
// Windows does for the module's lookups (checked against it on the files in
// tests/profile_corpus), with the format's rules in profile_format.h; besides, one pair of quotes
// around a value or the default is removed; values are cut to fit the caller's buffer; the
// path's backslashes are taken as folder separators relative to the current folder. The bytes
// are used as they are: no code page is converted.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/profile_format.h"
#include "platform/windows_api.h"

#if !defined(_WIN32)

namespace {

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

}  // namespace

extern "C" DWORD GetPrivateProfileStringA(const char* section, const char* key,
                                          const char* defaultValue, char* out, DWORD outSize,
                                          const char* fileName) {
  if (out == nullptr || outSize == 0) return 0;
  std::string_view value = defaultValue != nullptr ? WithoutTrailingSpaces(defaultValue) : "";
  std::string contents;
  if (section != nullptr && key != nullptr && fileName != nullptr &&
      ReadWholeFile(fileName, contents)) {
    const ProfileLookup lookup = FindProfileKey(contents, section, key);
    if (lookup.found && lookup.line.hasValue) value = lookup.line.value;
  }
  return static_cast<DWORD>(CopyValue(value, out, outSize));
}

#endif
