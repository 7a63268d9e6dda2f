// Pixel arithmetic and the canvas-to-pixel conversion, at the edges of the 32-bit range.
#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <limits>
#include <string>

#include "core/canvas.h"
#include "core/pixel_math.h"

namespace {

// --- Canvas units to pixels -----------------------------------------------------------------

struct ScaleCase {
  int32_t screen;
  bool vertical;
  float value;
  int32_t pixels;
};

class ScaleToPixelsTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleToPixelsTest, ScalesAndRoundsAsTheCanvasDoes) {
  const ScaleCase& c = GetParam();
  EXPECT_EQ(ScaleToPixels(c.screen, c.vertical ? kCanvasYFactor : kCanvasXFactor, c.value),
            c.pixels)
      << (c.vertical ? "ScaleY(" : "ScaleX(") << c.value << ") at " << c.screen;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, ScaleToPixelsTest,
    ::testing::Values(ScaleCase{1920, false, 640.0f, 1920}, ScaleCase{1920, false, 320.0f, 960},
                      ScaleCase{1920, false, 1.0f, 3}, ScaleCase{1080, true, 448.0f, 1080},
                      ScaleCase{1080, true, 10.0f, 24}, ScaleCase{1366, false, 320.0f, 683},
                      ScaleCase{768, true, 10.0f, 17},
                      // Negative values are truncated after the half is added, not rounded.
                      ScaleCase{1024, false, -0.8f, 0}, ScaleCase{1280, false, -0.8f, -1},
                      ScaleCase{800, false, -1.0f, 0}, ScaleCase{1920, false, -1.0f, -2},
                      ScaleCase{640, false, 2.5f, 3}, ScaleCase{640, false, -2.5f, -2},
                      ScaleCase{640, false, -3.4f, -2}, ScaleCase{640, false, -0.4f, 0},
                      // Out of range gives the integer indefinite.
                      ScaleCase{1920, false, 1e30f, INT32_MIN},
                      ScaleCase{1920, false, -1e30f, INT32_MIN},
                      ScaleCase{1920, false, std::numeric_limits<float>::quiet_NaN(),
                                INT32_MIN}));

struct ScreenSize {
  int32_t width, height;
};

class WholeCanvasTest : public ::testing::TestWithParam<ScreenSize> {};

TEST_P(WholeCanvasTest, CanvasCoversTheScreenAndZeroStaysZero) {
  const ScreenSize s = GetParam();
  SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
  EXPECT_EQ(ScaleToPixels(s.width, kCanvasXFactor, 640.0f), s.width);
  EXPECT_EQ(ScaleToPixels(s.height, kCanvasYFactor, 448.0f), s.height);
  EXPECT_EQ(ScaleToPixels(s.width, kCanvasXFactor, 0.0f), 0);
  EXPECT_EQ(ScaleToPixels(s.height, kCanvasYFactor, 0.0f), 0);
  EXPECT_EQ(ScaleToPixels(s.width, kCanvasXFactor, -0.0f), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, WholeCanvasTest,
                         ::testing::Values(ScreenSize{640, 448}, ScreenSize{800, 600},
                                           ScreenSize{1024, 768}, ScreenSize{1280, 720},
                                           ScreenSize{1366, 768}, ScreenSize{1920, 1080}));

// --- Truncation -----------------------------------------------------------------------------

struct TruncateCase {
  double value;
  int32_t result;
};

class TruncateTest : public ::testing::TestWithParam<TruncateCase> {};

TEST_P(TruncateTest, TruncatesTowardZeroOrGivesTheIntegerIndefinite) {
  EXPECT_EQ(TruncateToInt32(GetParam().value), GetParam().result)
      << std::setprecision(17) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TruncateTest,
    ::testing::Values(TruncateCase{1.9, 1}, TruncateCase{-1.9, -1}, TruncateCase{-0.5, 0},
                      TruncateCase{2147483647.9, INT32_MAX},
                      TruncateCase{-2147483648.0, INT32_MIN},
                      // Truncation gives -2147483648, which fits.
                      TruncateCase{-2147483648.9, INT32_MIN},
                      TruncateCase{2147483648.0, INT32_MIN},
                      TruncateCase{-2147483649.0, INT32_MIN},
                      TruncateCase{4294967296.0, INT32_MIN},
                      TruncateCase{std::numeric_limits<double>::quiet_NaN(), INT32_MIN},
                      TruncateCase{std::numeric_limits<double>::infinity(), INT32_MIN},
                      TruncateCase{-std::numeric_limits<double>::infinity(), INT32_MIN}));

// --- Wrapping sums and differences, halves, magnitudes --------------------------------------

TEST(PixelMathTest, SumsAndDifferencesWrapModulo2To32) {
  EXPECT_EQ(WrapAdd(INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(WrapAdd(INT32_MIN, -1), INT32_MAX);
  EXPECT_EQ(WrapAdd(INT32_MIN, INT32_MIN), 0);
  EXPECT_EQ(WrapAdd(INT32_MAX, INT32_MAX), -2);
  EXPECT_EQ(WrapAdd(-3, 5), 2);

  EXPECT_EQ(WrapSub(INT32_MIN, 1), INT32_MAX);
  EXPECT_EQ(WrapSub(INT32_MAX, -1), INT32_MIN);
  EXPECT_EQ(WrapSub(0, INT32_MIN), INT32_MIN);
  EXPECT_EQ(WrapSub(-1, INT32_MAX), INT32_MIN);
  EXPECT_EQ(WrapSub(3, 5), -2);
}

TEST(PixelMathTest, HalvesTruncateTowardZero) {
  EXPECT_EQ(Half(7), 3);
  EXPECT_EQ(Half(-7), -3);
  EXPECT_EQ(Half(-3), -1);
  EXPECT_EQ(Half(-1), 0);
  EXPECT_EQ(Half(INT32_MAX), 1073741823);
  EXPECT_EQ(Half(INT32_MIN), -1073741824);
}

TEST(PixelMathTest, MagnitudeCoversTheMostNegativeValue) {
  EXPECT_EQ(Magnitude(INT32_MIN), 2147483648u);
  EXPECT_EQ(Magnitude(INT32_MIN + 1), 2147483647u);
  EXPECT_EQ(Magnitude(INT32_MAX), 2147483647u);
  EXPECT_EQ(Magnitude(-1), 1u);
  EXPECT_EQ(Magnitude(0), 0u);
}

}  // namespace
