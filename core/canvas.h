// The 640 x 448 virtual canvas that every widget is placed on, scaled to the screen in pixels.
#pragma once

#include <cstdint>

inline constexpr double kCanvasXFactor = 0.0015625;               // 1 / 640
inline constexpr double kCanvasYFactor = 0.002232142857142857;    // 1 / 448

// screenSize * factor * value + 0.5, truncated toward zero (not rounded for negative values).
int32_t ScaleToPixels(int32_t screenSize, double factor, float value);

// Canvas x or width to pixels at the current screen width; asks the host for it on every call.
int32_t ScaleX(float value);
// Canvas y or height to pixels at the current screen height.
int32_t ScaleY(float value);
