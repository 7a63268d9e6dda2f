#include "sim/cli/snapshot_renderer.h"

#include "sim/render/compositor.h"

void SnapshotRenderer::OnPresentBegins() {
  presented_ = true;
  width_ = host::State().screenWidth;
  height_ = host::State().screenHeight;
  draws_.clear();
}

void SnapshotRenderer::OnDrawBox(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) {
  draws_.push_back({nullptr, x, y, w, h, color});
}

void SnapshotRenderer::OnDrawTexture(const stTextureInfo& texture, int32_t x, int32_t y, int32_t w,
                                     int32_t h, uint32_t color) {
  draws_.push_back({&texture.image, x, y, w, h, color});
}

Image SnapshotRenderer::Render() const {
  const int32_t width = presented_ ? width_ : host::State().screenWidth;
  const int32_t height = presented_ ? height_ : host::State().screenHeight;
  Image frame = MakeImage(width, height);
  FillBackdrop(frame);
  for (const Draw& draw : draws_) {
    if (draw.texture == nullptr) {
      BlendBox(frame, draw.x, draw.y, draw.w, draw.h, draw.color);
    } else {
      BlendTexture(frame, *draw.texture, draw.x, draw.y, draw.w, draw.h, draw.color);
    }
  }
  return frame;
}
