#include "fuzz/conversion_reference.h"

#include <locale.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"

namespace {

constexpr const char* kInvalidFloat = "invalid stof argument";
constexpr const char* kFloatRange = "stof argument out of range";
constexpr const char* kInvalidInt = "invalid stoi argument";
constexpr const char* kIntRange = "stoi argument out of range";

bool IsBlank(char c) { return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr; }
bool IsDecimal(char c) { return c >= '0' && c <= '9'; }
bool IsHexadecimal(char c) {
  return c != '\0' && std::strchr("0123456789abcdefABCDEF", c) != nullptr;
}

// The scanner's view of the text: a position that only moves forward.
struct Cursor {
  std::string_view text;
  size_t at = 0;

  char Peek(size_t ahead = 0) const {
    return at + ahead < text.size() ? text[at + ahead] : '\0';
  }
  bool TakeOneOf(const char* set) {
    const char c = Peek();
    if (c == '\0' || std::strchr(set, c) == nullptr) return false;
    ++at;
    return true;
  }
  // Takes word when the text continues with it in any mix of case.
  bool TakeWord(std::string_view word) {
    if (text.size() - at < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
      const char c = text[at + i];
      const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
      if (lower != word[i]) return false;
    }
    at += word.size();
    return true;
  }
  size_t TakeWhile(bool (*accept)(char)) {
    const size_t from = at;
    while (accept(Peek())) ++at;
    return at - from;
  }
};

// digits [ "." digits ], at least one digit in all; nothing is taken when there is no digit.
// Notes whether any digit is not 0.
bool TakeMantissa(Cursor& cursor, bool (*isDigit)(char), bool& nonZero) {
  const size_t from = cursor.at;
  size_t digits = cursor.TakeWhile(isDigit);
  if (cursor.Peek() == '.') {
    ++cursor.at;
    digits += cursor.TakeWhile(isDigit);
  }
  if (digits == 0) {
    cursor.at = from;
    return false;
  }
  for (size_t i = from; i < cursor.at; ++i) {
    if (cursor.text[i] != '0' && cursor.text[i] != '.') nonZero = true;
  }
  return true;
}

// letter [ sign ] digits; nothing is taken unless a digit follows.
void TakeExponent(Cursor& cursor, const char* letters) {
  Cursor trial = cursor;
  if (!trial.TakeOneOf(letters)) return;
  trial.TakeOneOf("+-");
  if (trial.TakeWhile(IsDecimal) > 0) cursor = trial;
}

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c;
}

// The sign and number (without the leading blanks) as their own NUL-terminated text.
std::string NumberText(const Cursor& cursor, size_t signAt) {
  return std::string(cursor.text.substr(signAt, cursor.at - signAt));
}

}  // namespace

ReferenceFloat ReferenceReadFloat(const char* text) {
  Cursor cursor{text};
  cursor.TakeWhile(IsBlank);
  const size_t signAt = cursor.at;
  cursor.TakeOneOf("+-");

  bool word = false;
  bool nonZero = false;
  if (cursor.TakeWord("infinity") || cursor.TakeWord("inf") || cursor.TakeWord("nan")) {
    word = true;
  } else if (cursor.Peek() == '0' && (cursor.Peek(1) == 'x' || cursor.Peek(1) == 'X') &&
             (IsHexadecimal(cursor.Peek(2)) ||
              (cursor.Peek(2) == '.' && IsHexadecimal(cursor.Peek(3))))) {
    cursor.at += 2;
    TakeMantissa(cursor, IsHexadecimal, nonZero);
    TakeExponent(cursor, "pP");
  } else if (TakeMantissa(cursor, IsDecimal, nonZero)) {
    TakeExponent(cursor, "eE");
  } else {
    return {kInvalidFloat, 0, 0.0f};
  }

  // The grammar has no "nan(...)" form, so strtof never sees a payload: every NaN it gives
  // here is the default quiet NaN with the written sign.
  const std::string number = NumberText(cursor, signAt);
  char* end = nullptr;
  errno = 0;
  const float value = strtof_l(number.c_str(), &end, CLocale());
  const int status = errno;
  FUZZ_CHECK(end == number.c_str() + number.size(),
             "the reference's scanner and strtof disagree on where \"" + number + "\" ends");

  const bool overflow = !word && std::isinf(value);
  const bool underflow = nonZero && std::fabs(value) < FLT_MIN;
  // strtof's errno agrees, except at the two edges of underflow where C leaves errno to the
  // library: glibc keeps quiet about an exact subnormal, and reports a value that only
  // rounding lifts to the smallest normal float.
  FUZZ_CHECK(overflow || underflow || status != ERANGE || std::fabs(value) == FLT_MIN,
             "strtof reports ERANGE for \"" + number + "\", which the reference accepts");
  FUZZ_CHECK(!underflow || status == ERANGE || value != 0.0f,
             "strtof reads \"" + number + "\" as zero without ERANGE");
  if (overflow || underflow) return {kFloatRange, 0, 0.0f};
  return {nullptr, cursor.at, value};
}

ReferenceInt ReferenceReadInt(const char* text) {
  Cursor cursor{text};
  cursor.TakeWhile(IsBlank);
  const size_t signAt = cursor.at;
  cursor.TakeOneOf("+-");
  if (cursor.TakeWhile(IsDecimal) == 0) return {kInvalidInt, 0, 0};

  const std::string number = NumberText(cursor, signAt);
  char* end = nullptr;
  errno = 0;
  const long long value = strtoll_l(number.c_str(), &end, 10, CLocale());
  FUZZ_CHECK(end == number.c_str() + number.size(),
             "the reference's scanner and strtoll disagree on where \"" + number + "\" ends");
  if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return {kIntRange, 0, 0};
  return {nullptr, cursor.at, static_cast<int32_t>(value)};
}
