// The profile (INI) format as Windows' profile reader reads it: lines end at a line feed or a
// carriage return; blanks around names and values do not count; a header's name ends at the
// line's last "]", and a line starting with "[" without one is an ordinary line; a line without
// "=" is a key without a value; ';' and '#' start no comment (such lines are keys with odd names).
// Section and key names compare without regard to case; the first section of a name, and the
// first key of a name in it, are the ones used.
#pragma once

#include <cstddef>
#include <string_view>

struct ProfileLine {
  bool isHeader;           // a section header, else a key
  std::string_view name;   // the section's or the key's name, trimmed
  std::string_view value;  // trimmed; empty for a header or a key without "="
  bool hasValue;           // a key with "="
  size_t offset;           // where the line starts in the file's contents
};

// Splits contents (after a UTF-8 byte order mark) into its non-blank lines and hands each to
// visit, in order, until visit returns false.
template <typename Visit>
void ForEachProfileLine(std::string_view contents, Visit&& visit);

bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);
bool SameProfileName(std::string_view a, std::string_view b);
// Parses one line whose blanks are already trimmed; the line must not be empty.
ProfileLine ParseProfileLine(std::string_view line, size_t offset);

// Where the reader finds section and key. Keys before the first header belong to section "".
struct ProfileLookup {
  bool found;       // the first key of the name in the first section of the name exists
  ProfileLine line; // that key's line, when found
};
ProfileLookup FindProfileKey(std::string_view contents, std::string_view section,
                             std::string_view key);

// The 1-based number of the line starting at offset, as an editor counts lines: a carriage
// return and line feed together end one line.
size_t ProfileLineNumber(std::string_view contents, size_t offset);

template <typename Visit>
void ForEachProfileLine(std::string_view contents, Visit&& visit) {
  constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  size_t start = contents.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
  while (start < contents.size()) {
    const size_t end = contents.find_first_of("\r\n", start);
    const size_t stop = end == std::string_view::npos ? contents.size() : end;
    const std::string_view line = TrimProfileBlanks(contents.substr(start, stop - start));
    if (!line.empty() && !visit(ParseProfileLine(line, start))) return;
    start = stop + 1;
  }
}
