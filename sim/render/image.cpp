#include "sim/render/image.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace {

constexpr uint64_t kBytesPerPixel = 4;

// Computed in 64 bits: (2^31 - 1)^2 × 4 still fits, while size_t may be 32 bits wide.
uint64_t ByteCount(int32_t width, int32_t height) {
  return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * kBytesPerPixel;
}

size_t ByteOffset(const Image& image, int32_t x, int32_t y) {
  return (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) *
         kBytesPerPixel;
}

}  // namespace

Image MakeImage(int32_t width, int32_t height, Rgba fill) {
  Image image;
  image.width = std::max(width, 0);
  image.height = std::max(height, 0);
  const uint64_t bytes = ByteCount(image.width, image.height);
  if (bytes > image.rgba.max_size()) throw std::length_error("image too large");
  image.rgba.resize(static_cast<size_t>(bytes));
  for (size_t offset = 0; offset < image.rgba.size(); offset += kBytesPerPixel) {
    image.rgba[offset] = fill.r;
    image.rgba[offset + 1] = fill.g;
    image.rgba[offset + 2] = fill.b;
    image.rgba[offset + 3] = fill.a;
  }
  return image;
}

bool HasConsistentSize(const Image& image) {
  return image.width >= 0 && image.height >= 0 &&
         ByteCount(image.width, image.height) == image.rgba.size();
}

Rgba PixelAt(const Image& image, int32_t x, int32_t y) {
  const uint8_t* pixel = image.rgba.data() + ByteOffset(image, x, y);
  return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

void SetPixel(Image& image, int32_t x, int32_t y, Rgba colour) {
  uint8_t* pixel = image.rgba.data() + ByteOffset(image, x, y);
  pixel[0] = colour.r;
  pixel[1] = colour.g;
  pixel[2] = colour.b;
  pixel[3] = colour.a;
}
