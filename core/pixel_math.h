// Integer arithmetic on pixels, defined for every input.
//
// The conversions behave as the 32-bit x86 truncating conversion does on the real machine: a
// value out of int32 range, or a NaN, gives the "integer indefinite" -2147483648. Sums and
// differences wrap modulo 2^32 instead of overflowing.
#pragma once

#include <cstdint>

inline int32_t TruncateToInt32(double value) {
  // The comparison is false for NaN as well.
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(value);
}

inline int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// Half of a pixel value, truncated toward zero: half(7) = 3, half(-3) = -1.
inline int32_t Half(int32_t value) { return value / 2; }

// The magnitude of a 32-bit value; the most negative one has 2147483648.
inline uint32_t Magnitude(int32_t value) {
  return value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
}
