// Keeps what the module drew in the last presented frame, so that a snapshot can be composited
// when a step asks for one. Frames are only recorded, never composited, while the module runs:
// a scenario may present many frames and snapshot few.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/host/host.h"
#include "sim/render/image.h"

class SnapshotRenderer : public HostObserver {
 public:
  void OnTraceLine(std::string_view) override {}
  // A new frame: forgets the last one's drawing and takes the screen size of this one.
  void OnPresentBegins() override;
  void OnDrawBox(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) override;
  void OnDrawTexture(const stTextureInfo& texture, int32_t x, int32_t y, int32_t w, int32_t h,
                     uint32_t color) override;

  // The last presented frame drawn over the backdrop; before the first frame, the backdrop
  // alone at the current screen size.
  Image Render() const;

 private:
  struct Draw {
    const Image* texture;  // null for a box; the host keeps its textures for the whole run
    int32_t x, y, w, h;
    uint32_t color;
  };

  bool presented_ = false;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<Draw> draws_;
};
