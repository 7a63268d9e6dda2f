// The 640 x 448 virtual canvas that every widget is placed on, scaled to the screen in pixels.
#pragma once

#include <cstdint>

#include "core/host.h"
#include "core/pixel_math.h"

inline constexpr double kCanvasXFactor = 0.0015625;               // 1 / 640
inline constexpr double kCanvasYFactor = 0.002232142857142857;    // 1 / 448

// screenSize * factor * value + 0.5 in double precision, truncated toward zero: halves round up
// for positive values, but negative values are not rounded (-2.5 gives -2, -3.4 gives -2).
inline int32_t ScaleToPixels(int32_t screenSize, double factor, float value) {
  return TruncateToInt32(static_cast<double>(screenSize) * factor * static_cast<double>(value) +
                         0.5);
}

// The conversions below are inline: a busy frame makes over a hundred of them, and a call of
// their own around each was a tenth of the frame's cost.

// The screen size in pixels, asked of the host afresh on every call.
inline void QueryScreenSize(int& width, int& height) {
  SF->getGame()->getScreenResolution(&width, &height);
}

// Canvas x or width to pixels at the current screen width; asks the host for it on every call.
inline int32_t ScaleX(float value) {
  int width = 0;
  int height = 0;
  QueryScreenSize(width, height);
  return ScaleToPixels(width, kCanvasXFactor, value);
}
// Canvas y or height to pixels at the current screen height.
inline int32_t ScaleY(float value) {
  int width = 0;
  int height = 0;
  QueryScreenSize(width, height);
  return ScaleToPixels(height, kCanvasYFactor, value);
}
