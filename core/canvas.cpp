#include "core/canvas.h"

#include "core/host.h"
#include "core/pixel_math.h"

int32_t ScaleToPixels(int32_t screenSize, double factor, float value) {
  return TruncateToInt32(static_cast<double>(screenSize) * factor * static_cast<double>(value) +
                         0.5);
}

namespace {
struct ScreenSize {
  int width = 0;
  int height = 0;
};

ScreenSize QueryScreen() {
  ScreenSize size;
  SF->getGame()->getScreenResolution(&size.width, &size.height);
  return size;
}
}  // namespace

int32_t ScaleX(float value) { return ScaleToPixels(QueryScreen().width, kCanvasXFactor, value); }

int32_t ScaleY(float value) { return ScaleToPixels(QueryScreen().height, kCanvasYFactor, value); }
