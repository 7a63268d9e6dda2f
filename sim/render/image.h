// A picture in memory as the simulator's renderer uses it: 8-bit straight (not premultiplied)
// RGBA, rows from top to bottom, four bytes per pixel in the order red, green, blue, alpha.
#pragma once

#include <cstdint>
#include <vector>

struct Image {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgba;
};

struct Rgba {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A width × height image with every pixel set to the fill colour. A size below zero counts as
// zero; a size too large for memory throws std::length_error or std::bad_alloc.
Image MakeImage(int32_t width, int32_t height, Rgba fill = {});

// True when both sizes are non-negative and rgba holds exactly width × height pixels. Drawing
// and saving accept only such images.
bool HasConsistentSize(const Image& image);

// Pixel access; the caller keeps (x, y) inside a consistent image.
Rgba PixelAt(const Image& image, int32_t x, int32_t y);
void SetPixel(Image& image, int32_t x, int32_t y, Rgba colour);
