#include "core/canvas.h"

#include "core/host.h"

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
