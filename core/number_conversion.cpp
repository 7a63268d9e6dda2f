#include "core/number_conversion.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when text starts with word, in any mix of case.
bool StartsWithWord(const char* text, const char* word) {
  for (; *word; ++text, ++word) {
    if (Lower(*text) != *word) return false;
  }
  return true;
}

// The extent of a mantissa with an optional point; counts its digits and notes a non-zero one.
struct Mantissa {
  const char* end;
  int digits;
  bool nonZero;
};

template <typename DigitTest>
Mantissa ScanMantissa(const char* p, DigitTest isDigit) {
  Mantissa m{p, 0, false};
  auto take = [&] {
    while (isDigit(*m.end)) {
      if (*m.end != '0') m.nonZero = true;
      ++m.digits;
      ++m.end;
    }
  };
  take();
  if (*m.end == '.') {
    ++m.end;
    take();
  }
  return m;
}

// An exponent is taken only when at least one digit follows its letter and sign.
const char* ScanExponent(const char* p, char letter) {
  if (Lower(*p) != letter) return p;
  const char* q = p + 1;
  if (*q == '+' || *q == '-') ++q;
  if (!IsDigit(*q)) return p;
  while (IsDigit(*q)) ++q;
  return q;
}

Conversion<float> Finish(float magnitude, bool negative, bool nonZeroDigits, std::errc status,
                         const char* text, const char* end) {
  if (status == std::errc::invalid_argument) return {0.0f, kInvalidStof, text};
  const bool underflow = nonZeroDigits && std::fabs(magnitude) < FLT_MIN;
  if (status == std::errc::result_out_of_range || underflow) return {0.0f, kStofOutOfRange, text};
  return {negative ? -magnitude : magnitude, nullptr, end};
}

}  // namespace

Conversion<float> ConvertToFloat(const char* text) {
  const char* p = text;
  while (IsSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');

  if (StartsWithWord(p, "inf")) {
    const float inf = std::numeric_limits<float>::infinity();
    const char* end = p + (StartsWithWord(p, "infinity") ? 8 : 3);
    return {negative ? -inf : inf, nullptr, end};
  }
  if (StartsWithWord(p, "nan")) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    return {negative ? -nan : nan, nullptr, p + 3};
  }

  // "0x" starts a hexadecimal number only when a hexadecimal digit follows; otherwise the
  // number is the "0" before the "x".
  if (p[0] == '0' && Lower(p[1]) == 'x') {
    const Mantissa hex = ScanMantissa(p + 2, IsHexDigit);
    if (hex.digits > 0) {
      const char* end = ScanExponent(hex.end, 'p');
      float magnitude = 0.0f;
      const auto result = std::from_chars(p + 2, end, magnitude, std::chars_format::hex);
      return Finish(magnitude, negative, hex.nonZero, result.ec, text, end);
    }
  }

  const Mantissa dec = ScanMantissa(p, IsDigit);
  if (dec.digits == 0) return {0.0f, kInvalidStof, text};
  const char* end = ScanExponent(dec.end, 'e');
  float magnitude = 0.0f;
  const auto result = std::from_chars(p, end, magnitude, std::chars_format::general);
  return Finish(magnitude, negative, dec.nonZero, result.ec, text, end);
}

Conversion<int32_t> ConvertToInt32(const char* text) {
  const char* p = text;
  while (IsSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  if (!IsDigit(*p)) return {0, kInvalidStoi, text};

  // Accumulate the magnitude; 2147483648 is the largest one that fits (as a negative value).
  const uint64_t limit = negative ? 2147483648u : 2147483647u;
  uint64_t magnitude = 0;
  for (; IsDigit(*p); ++p) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
    if (magnitude > limit) return {0, kStoiOutOfRange, text};
  }
  const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return {static_cast<int32_t>(value), nullptr, p};
}
