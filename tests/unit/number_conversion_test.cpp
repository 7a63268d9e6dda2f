// The settings file's text-to-number conversions: what they read, where they stop, and the
// words they fail with.
#include "core/number_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

std::string ErrorText(const char* error) { return error == nullptr ? "(none)" : error; }

uint32_t BitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// --- Floats that read -----------------------------------------------------------------------

struct FloatCase {
  const char* text;
  float value;
};

class FloatReadsTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatReadsTest, ReadsTheNumberAtTheStart) {
  const Conversion<float> result = ConvertToFloat(GetParam().text);
  EXPECT_EQ(ErrorText(result.error), "(none)") << '"' << GetParam().text << '"';
  // Bit for bit: the sign of a zero and the last bit of the single-precision value count.
  EXPECT_EQ(BitsOf(result.value), BitsOf(GetParam().value))
      << '"' << GetParam().text << "\" reads as " << result.value << " instead of "
      << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, FloatReadsTest,
    ::testing::Values(FloatCase{"12.5", 12.5f}, FloatCase{"  12.5", 12.5f},
                      FloatCase{"\t\n\v\f\r 12.5", 12.5f}, FloatCase{"3.5px", 3.5f},
                      FloatCase{"12px", 12.0f}, FloatCase{"-2", -2.0f}, FloatCase{"+7", 7.0f},
                      FloatCase{"1e1", 10.0f}, FloatCase{"1E+2", 100.0f},
                      FloatCase{"25e-1", 2.5f}, FloatCase{".5", 0.5f}, FloatCase{"-.5", -0.5f},
                      FloatCase{"5.", 5.0f}, FloatCase{"0.1", 0.1f}, FloatCase{"-0", -0.0f},
                      FloatCase{"0", 0.0f}, FloatCase{"007", 7.0f},
                      // An exponent letter without digits is not part of the number.
                      FloatCase{"1e", 1.0f}, FloatCase{"1e+", 1.0f}, FloatCase{"1e-x", 1.0f},
                      FloatCase{"1.5.5", 1.5f}, FloatCase{"2 3", 2.0f},
                      // Rounded once, to the nearest single-precision value.
                      FloatCase{"16777217", 16777216.0f}, FloatCase{"16777219", 16777220.0f},
                      FloatCase{"3.4028235e38", std::numeric_limits<float>::max()},
                      FloatCase{"-3.4028235e38", -std::numeric_limits<float>::max()},
                      FloatCase{"1.17549435e-38", std::numeric_limits<float>::min()},
                      // A zero is never out of range, however small its exponent.
                      FloatCase{"0e-999", 0.0f}, FloatCase{"-0.000e-999", -0.0f},
                      FloatCase{"0e999", 0.0f}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, FloatReadsTest,
    ::testing::Values(FloatCase{"0x1p3", 8.0f}, FloatCase{"0X1P3", 8.0f},
                      FloatCase{"0x10", 16.0f}, FloatCase{"-0x10", -16.0f},
                      FloatCase{"0xA.8", 10.5f}, FloatCase{"0x.8", 0.5f},
                      FloatCase{"0x1.8p1", 3.0f}, FloatCase{"0x1p-2", 0.25f},
                      FloatCase{"0x1p", 1.0f}, FloatCase{"0x1pz", 1.0f},
                      FloatCase{"0xffp0", 255.0f},
                      // Without a hexadecimal digit after it, "0x" is the number 0 and an "x".
                      FloatCase{"0x", 0.0f}, FloatCase{"0xg", 0.0f}, FloatCase{"-0x", -0.0f},
                      FloatCase{"0x.p1", 0.0f}));

INSTANTIATE_TEST_SUITE_P(
    Words, FloatReadsTest,
    ::testing::Values(FloatCase{"inf", kInf}, FloatCase{"INF", kInf}, FloatCase{"-Inf", -kInf},
                      FloatCase{"+iNf", kInf}, FloatCase{"infinity", kInf},
                      FloatCase{"-INFINITY", -kInf}, FloatCase{"InFiNiTy", kInf},
                      FloatCase{"infinit", kInf}, FloatCase{"  infx", kInf}));

struct NanCase {
  const char* text;
  bool negative;
};

class FloatNanTest : public ::testing::TestWithParam<NanCase> {};

TEST_P(FloatNanTest, ReadsNotANumberWithItsSign) {
  SCOPED_TRACE(GetParam().text);
  const Conversion<float> result = ConvertToFloat(GetParam().text);
  EXPECT_EQ(ErrorText(result.error), "(none)");
  EXPECT_TRUE(std::isnan(result.value));
  EXPECT_EQ(std::signbit(result.value), GetParam().negative);
}

INSTANTIATE_TEST_SUITE_P(Words, FloatNanTest,
                         ::testing::Values(NanCase{"nan", false}, NanCase{"NaN", false},
                                           NanCase{"NAN", false}, NanCase{"+nAn", false},
                                           NanCase{"-nan", true}, NanCase{"nan(123)", false},
                                           NanCase{" \tnanx", false}));

// --- Floats that fail -----------------------------------------------------------------------

struct FailureCase {
  const char* text;
  const char* error;
};

class FloatFailsTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FloatFailsTest, FailsWithItsWords) {
  EXPECT_EQ(ErrorText(ConvertToFloat(GetParam().text).error), GetParam().error)
      << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Invalid, FloatFailsTest,
    ::testing::Values(FailureCase{"", "invalid stof argument"},
                      FailureCase{" ", "invalid stof argument"},
                      FailureCase{" \t", "invalid stof argument"},
                      FailureCase{"abc", "invalid stof argument"},
                      FailureCase{"+", "invalid stof argument"},
                      FailureCase{"-", "invalid stof argument"},
                      FailureCase{".", "invalid stof argument"},
                      FailureCase{"-.e1", "invalid stof argument"},
                      FailureCase{"e5", "invalid stof argument"},
                      FailureCase{"+-1", "invalid stof argument"},
                      FailureCase{"--1", "invalid stof argument"},
                      FailureCase{"- 1", "invalid stof argument"},
                      FailureCase{"x1", "invalid stof argument"},
                      FailureCase{"in", "invalid stof argument"},
                      FailureCase{"na", "invalid stof argument"},
                      FailureCase{"px12", "invalid stof argument"}));

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, FloatFailsTest,
    ::testing::Values(FailureCase{"1e39", "stof argument out of range"},
                      FailureCase{"-1e39", "stof argument out of range"},
                      FailureCase{"3.5e38", "stof argument out of range"},
                      FailureCase{"1e1000", "stof argument out of range"},
                      FailureCase{"1e-50", "stof argument out of range"},
                      FailureCase{"-1e-50", "stof argument out of range"},
                      // Below the smallest normal single-precision value.
                      FailureCase{"1e-40", "stof argument out of range"},
                      FailureCase{"0x1p200", "stof argument out of range"},
                      FailureCase{"0x1p-200", "stof argument out of range"}));

// --- Where the number ends -------------------------------------------------------------------

struct ExtentCase {
  const char* text;
  long used;  // characters read, blanks and sign included; 0 when the conversion fails
};

class FloatExtentTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(FloatExtentTest, EndsJustPastTheNumber) {
  const char* text = GetParam().text;
  EXPECT_EQ(ConvertToFloat(text).end - text, GetParam().used) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Values, FloatExtentTest,
    ::testing::Values(ExtentCase{"  12.5px", 6}, ExtentCase{"1e+", 1}, ExtentCase{"5.e2x", 4},
                      ExtentCase{"0x1p", 3}, ExtentCase{"-0x.8p-1z", 8}, ExtentCase{"0xg", 1},
                      ExtentCase{"-infinity!", 9}, ExtentCase{"infinit", 3},
                      ExtentCase{"nan(1)", 3}, ExtentCase{"abc", 0}, ExtentCase{"1e39", 0}));

class IntExtentTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(IntExtentTest, EndsJustPastTheDigits) {
  const char* text = GetParam().text;
  EXPECT_EQ(ConvertToInt32(text).end - text, GetParam().used) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(Values, IntExtentTest,
                         ::testing::Values(ExtentCase{" -42x", 4}, ExtentCase{"12.9", 2},
                                           ExtentCase{"x", 0}, ExtentCase{"2147483648", 0}));

// --- Integers -------------------------------------------------------------------------------

struct IntCase {
  const char* text;
  int32_t value;
};

class IntReadsTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntReadsTest, ReadsTheDecimalDigitsAtTheStart) {
  SCOPED_TRACE(GetParam().text);
  const Conversion<int32_t> result = ConvertToInt32(GetParam().text);
  EXPECT_EQ(ErrorText(result.error), "(none)");
  EXPECT_EQ(result.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IntReadsTest,
    ::testing::Values(IntCase{"255", 255}, IntCase{"+7", 7}, IntCase{"-7", -7},
                      IntCase{"12.9", 12}, IntCase{"010", 10}, IntCase{"0x1F", 0},
                      IntCase{"  -0", 0}, IntCase{"\t\n\v\f\r42", 42}, IntCase{"42abc", 42},
                      IntCase{"1e3", 1}, IntCase{"2147483647", INT32_MAX},
                      IntCase{"-2147483648", INT32_MIN},
                      // Leading zeros do not count toward the range.
                      IntCase{"000000000000000000000042", 42},
                      IntCase{"-000000000002147483648", INT32_MIN}));

class IntFailsTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(IntFailsTest, FailsWithItsWords) {
  EXPECT_EQ(ErrorText(ConvertToInt32(GetParam().text).error), GetParam().error)
      << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Values, IntFailsTest,
    ::testing::Values(FailureCase{"", "invalid stoi argument"},
                      FailureCase{"   ", "invalid stoi argument"},
                      FailureCase{"+", "invalid stoi argument"},
                      FailureCase{"-", "invalid stoi argument"},
                      FailureCase{"- 1", "invalid stoi argument"},
                      FailureCase{"abc", "invalid stoi argument"},
                      FailureCase{".5", "invalid stoi argument"},
                      FailureCase{"2147483648", "stoi argument out of range"},
                      FailureCase{"-2147483649", "stoi argument out of range"},
                      FailureCase{"99999999999999999999", "stoi argument out of range"},
                      FailureCase{"-99999999999999999999999999", "stoi argument out of range"},
                      FailureCase{"4294967296", "stoi argument out of range"}));

}  // namespace
