#include "sim/render/compositor.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kBytesPerPixel = 4;

// A source pixel, each channel 0-255, kept wide for the products below.
struct Source {
  uint32_t r;
  uint32_t g;
  uint32_t b;
  uint32_t a;
};

Source FromArgb(uint32_t argb) {
  return {(argb >> 16) & 0xFFu, (argb >> 8) & 0xFFu, argb & 0xFFu, argb >> 24};
}

// value / 255 rounded to the nearest integer; 255 is odd, so there is never a tie.
uint32_t DivideBy255(uint32_t value) { return (value + 127) / 255; }

// A texel multiplied channel by channel with the tint.
Source Tinted(const uint8_t* texel, const Source& tint) {
  return {DivideBy255(texel[0] * tint.r), DivideBy255(texel[1] * tint.g),
          DivideBy255(texel[2] * tint.b), DivideBy255(texel[3] * tint.a)};
}

void BlendOver(uint8_t* pixel, const Source& source) {
  const uint32_t a = source.a;
  if (a == 0) return;
  const uint32_t frame_alpha = pixel[3];
  if (frame_alpha == 255) {
    // Snapshots are opaque, so this is the path nearly every pixel takes. It gives exactly what
    // the general formula below gives for an opaque frame.
    pixel[0] = static_cast<uint8_t>(DivideBy255(source.r * a + pixel[0] * (255 - a)));
    pixel[1] = static_cast<uint8_t>(DivideBy255(source.g * a + pixel[1] * (255 - a)));
    pixel[2] = static_cast<uint8_t>(DivideBy255(source.b * a + pixel[2] * (255 - a)));
    return;
  }
  const uint32_t source_weight = a * 255;
  const uint32_t frame_weight = frame_alpha * (255 - a);
  const uint32_t total = source_weight + frame_weight;  // > 0 because a > 0
  const auto mix = [&](uint32_t source_channel, uint8_t frame_channel) {
    return static_cast<uint8_t>(
        (source_channel * source_weight + frame_channel * frame_weight + total / 2) / total);
  };
  pixel[0] = mix(source.r, pixel[0]);
  pixel[1] = mix(source.g, pixel[1]);
  pixel[2] = mix(source.b, pixel[2]);
  pixel[3] = static_cast<uint8_t>(DivideBy255(total));
}

// The part of [position, position + size) inside [0, limit); empty when size <= 0. The end is
// computed in 64 bits, so no int32 position or size can overflow it.
struct Span {
  int32_t begin = 0;
  int32_t end = 0;
  bool empty() const { return begin >= end; }
};

Span VisibleSpan(int32_t position, int32_t size, int32_t limit) {
  if (size <= 0) return {};
  const int64_t begin = std::max<int64_t>(position, 0);
  const int64_t end = std::min<int64_t>(int64_t{position} + size, limit);
  if (begin >= end) return {};
  return {static_cast<int32_t>(begin), static_cast<int32_t>(end)};
}

// The texel under the centre of the pixel at offset (0 <= offset < extent) of a rectangle side
// of extent pixels. (2 × offset + 1) < 2^32 and texture_extent < 2^31, so the product fits.
int32_t TexelIndex(int64_t offset, int32_t extent, int32_t texture_extent) {
  const uint64_t numerator =
      (2 * static_cast<uint64_t>(offset) + 1) * static_cast<uint64_t>(texture_extent);
  return static_cast<int32_t>(numerator / (2 * static_cast<uint64_t>(extent)));
}

size_t ByteOffset(const Image& image, int32_t x, int32_t y) {
  return (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) *
         kBytesPerPixel;
}

uint8_t* PixelPointer(Image& image, int32_t x, int32_t y) {
  return image.rgba.data() + ByteOffset(image, x, y);
}

const uint8_t* PixelPointer(const Image& image, int32_t x, int32_t y) {
  return image.rgba.data() + ByteOffset(image, x, y);
}

void FillRow(uint8_t* row, int32_t width, int32_t cell_row) {
  for (int32_t x = 0; x < width; ++x) {
    const bool light = ((x / kBackdropCellSize + cell_row) % 2) == 0;
    const Rgba& colour = light ? kBackdropLight : kBackdropDark;
    uint8_t* pixel = row + static_cast<size_t>(x) * kBytesPerPixel;
    pixel[0] = colour.r;
    pixel[1] = colour.g;
    pixel[2] = colour.b;
    pixel[3] = colour.a;
  }
}

}  // namespace

void FillBackdrop(Image& frame) {
  if (!HasConsistentSize(frame) || frame.width == 0 || frame.height == 0) return;
  // Only two distinct rows exist; build each once and copy it down the frame.
  const size_t row_bytes = static_cast<size_t>(frame.width) * kBytesPerPixel;
  FillRow(PixelPointer(frame, 0, 0), frame.width, 0);
  if (frame.height > kBackdropCellSize) {
    FillRow(PixelPointer(frame, 0, kBackdropCellSize), frame.width, 1);
  }
  for (int32_t y = 1; y < frame.height; ++y) {
    const int32_t first_row_alike = ((y / kBackdropCellSize) % 2) * kBackdropCellSize;
    if (y == first_row_alike) continue;
    std::memcpy(PixelPointer(frame, 0, y), PixelPointer(frame, 0, first_row_alike), row_bytes);
  }
}

void BlendBox(Image& frame, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t argb) {
  if (!HasConsistentSize(frame)) return;
  const Span columns = VisibleSpan(x, w, frame.width);
  const Span rows = VisibleSpan(y, h, frame.height);
  if (columns.empty() || rows.empty()) return;
  const Source source = FromArgb(argb);
  for (int32_t row = rows.begin; row < rows.end; ++row) {
    uint8_t* pixel = PixelPointer(frame, columns.begin, row);
    for (int32_t column = columns.begin; column < columns.end; ++column) {
      BlendOver(pixel, source);
      pixel += kBytesPerPixel;
    }
  }
}

void BlendTexture(Image& frame, const Image& texture, int32_t x, int32_t y, int32_t w, int32_t h,
                  uint32_t argb) {
  if (!HasConsistentSize(frame) || !HasConsistentSize(texture)) return;
  if (texture.width == 0 || texture.height == 0) return;
  const Span columns = VisibleSpan(x, w, frame.width);
  const Span rows = VisibleSpan(y, h, frame.height);
  if (columns.empty() || rows.empty()) return;
  const Source tint = FromArgb(argb);

  // Every visible row uses the same texel columns; work them out once.
  std::vector<int32_t> texel_columns;
  texel_columns.reserve(static_cast<size_t>(columns.end - columns.begin));
  for (int32_t column = columns.begin; column < columns.end; ++column) {
    texel_columns.push_back(TexelIndex(int64_t{column} - x, w, texture.width));
  }

  for (int32_t row = rows.begin; row < rows.end; ++row) {
    const int32_t texel_row = TexelIndex(int64_t{row} - y, h, texture.height);
    const uint8_t* texture_row = PixelPointer(texture, 0, texel_row);
    uint8_t* pixel = PixelPointer(frame, columns.begin, row);
    for (const int32_t texel_column : texel_columns) {
      const uint8_t* texel = texture_row + static_cast<size_t>(texel_column) * kBytesPerPixel;
      BlendOver(pixel, Tinted(texel, tint));
      pixel += kBytesPerPixel;
    }
  }
}
