// Text-to-number conversions of the settings file, with fixed rules and error words that do not
// depend on the C or C++ library the module happens to be built with.
#pragma once

#include <cstdint>

inline constexpr const char* kInvalidStof = "invalid stof argument";
inline constexpr const char* kStofOutOfRange = "stof argument out of range";
inline constexpr const char* kInvalidStoi = "invalid stoi argument";
inline constexpr const char* kStoiOutOfRange = "stoi argument out of range";

template <typename T>
struct Conversion {
  T value;
  const char* error;  // null on success, else one of the four texts above
  const char* end;    // just past the characters the number was read from; the text on failure
};

// Skips leading white space, takes an optional sign, then the longest decimal, hexadecimal
// ("0x" with an optional "p" exponent), infinity or not-a-number at the start; the rest of the
// text is ignored. Fails when no number starts there, or when a finite number overflows single
// precision or a non-zero one underflows it (to zero or below the smallest normal float).
Conversion<float> ConvertToFloat(const char* text);

// Skips leading white space, takes an optional sign, then base-10 digits up to the first other
// character. Fails without a digit, or outside the int32 range.
Conversion<int32_t> ConvertToInt32(const char* text);
