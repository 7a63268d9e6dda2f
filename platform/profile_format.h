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
  size_t number;           // 1-based, as an editor counts lines: CR LF ends one line
};

// Splits contents (after a UTF-8 byte order mark) into its non-blank lines and hands each to
// visit, in order, until visit returns false. The reader itself ends a line at a carriage return
// as at a line feed; only the line numbers take the two together as one line end.
template <typename Visit>
void ForEachProfileLine(std::string_view contents, Visit&& visit);

bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);
bool SameProfileName(std::string_view a, std::string_view b);
// Parses one line whose blanks are already trimmed; the line must not be empty.
ProfileLine ParseProfileLine(std::string_view line, size_t number);

// Where the reader finds section and key. Keys before the first header belong to section "".
struct ProfileLookup {
  bool found;       // the first key of the name in the first section of the name exists
  ProfileLine line; // that key's line, when found
};
ProfileLookup FindProfileKey(std::string_view contents, std::string_view section,
                             std::string_view key);

template <typename Visit>
void ForEachProfileLine(std::string_view contents, Visit&& visit) {
  constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  size_t start = contents.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
  size_t number = 1;
  while (start < contents.size()) {
    const size_t end = contents.find_first_of("\r\n", start);
    const size_t stop = end == std::string_view::npos ? contents.size() : end;
    const std::string_view line = TrimProfileBlanks(contents.substr(start, stop - start));
    if (!line.empty() && !visit(ParseProfileLine(line, number))) return;
    const bool crBeforeLf = stop + 1 < contents.size() && contents[stop] == '\r' &&
                            contents[stop + 1] == '\n';
    if (!crBeforeLf) ++number;
    start = stop + 1;
  }
}
