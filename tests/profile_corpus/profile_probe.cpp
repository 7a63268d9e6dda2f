// Asks the profile reader for every lookup listed on standard input and prints what it gives,
// one line per lookup, so that Windows' reader and the module's own can be compared line by line.
//
// Usage: profile_probe FOLDER < queries.txt
// FOLDER is a Windows-style relative path ("tests\profile_corpus"), the way the module names its
// settings file. Each query line is file|section|key, optionally followed by |default and
// |buffer size; no default (or an empty one) passes a null default, as the module does, and the
// buffer holds 256 bytes unless said otherwise. Empty lines and lines starting with "#" are
// notes. Each output line is the query line, " => [value] (count)".
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/windows_api.h"

#if defined(_WIN32)
#  include <fcntl.h>
#  include <io.h>
#endif

namespace {

constexpr DWORD kDefaultBufferSize = 256;
constexpr size_t kGuardBytes = 16;
constexpr char kUntouched = '#';

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '|') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool ReadLine(std::string& line) {
  line.clear();
  int c;
  while ((c = std::getchar()) != EOF && c != '\n') line += static_cast<char>(c);
  return c != EOF || !line.empty();
}

// Prints the lookup's answer; false when the query line is malformed.
bool Probe(const std::string& folder, const std::string& query) {
  const std::vector<std::string> fields = SplitFields(query);
  if (fields.size() < 3 || fields.size() > 5) return false;
  const std::string path = folder + "\\" + fields[0];
  const char* defaultValue = fields.size() > 3 && !fields[3].empty() ? fields[3].c_str() : nullptr;
  const DWORD size = fields.size() > 4 ? static_cast<DWORD>(std::atoi(fields[4].c_str()))
                                       : kDefaultBufferSize;
  if (size == 0) return false;

  // Bytes past the buffer stay untouched unless the reader writes beyond what it was given.
  std::string buffer(size + kGuardBytes, kUntouched);
  const DWORD count = GetPrivateProfileStringA(fields[1].c_str(), fields[2].c_str(), defaultValue,
                                               buffer.data(), size, path.c_str());
  const bool overrun = buffer.find_first_not_of(kUntouched, size) != std::string::npos;
  std::printf("%s => [%s] (%lu)%s\n", query.c_str(), buffer.c_str(),
              static_cast<unsigned long>(count), overrun ? " WROTE PAST THE BUFFER" : "");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER < queries.txt\n", argv[0]);
    return 2;
  }
#if defined(_WIN32)
  // The same bytes on both sides: no line-end translation on standard input or output.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::string line;
  while (ReadLine(line)) {
    if (line.empty() || line.front() == '#') continue;
    if (!Probe(argv[1], line)) {
      std::fprintf(stderr, "malformed query: %s\n", line.c_str());
      return 2;
    }
  }
  return 0;
}
