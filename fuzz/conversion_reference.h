// A second, independent reading of the settings file's number rules, to hold the module's
// conversions against: a hand-written scanner finds the characters that make up the number by
// the written grammar, and glibc's strtof / strtol in the "C" locale turn exactly those
// characters into the value and tell whether it is in range.
#pragma once

#include <cstddef>
#include <cstdint>

struct ReferenceFloat {
  const char* error;  // null, "invalid stof argument" or "stof argument out of range"
  size_t used;        // characters read from the text, blanks and sign included; 0 on failure
  float value;        // 0 on failure
};

struct ReferenceInt {
  const char* error;  // null, "invalid stoi argument" or "stoi argument out of range"
  size_t used;
  int32_t value;
};

// Out of range means: too large for single precision, or a number with a non-zero digit whose
// correctly rounded value is below the smallest normal float (zero or subnormal).
ReferenceFloat ReferenceReadFloat(const char* text);
ReferenceInt ReferenceReadInt(const char* text);
