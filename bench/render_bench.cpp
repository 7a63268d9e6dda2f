// Cost of one simulator snapshot at 1920 × 1080: the backdrop, a HUD's worth of boxes and
// textures, and the PNG encode. The goal is a whole snapshot, encode included, under 50 ms.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "sim/render/compositor.h"
#include "sim/render/image.h"
#include "sim/render/png_io.h"

namespace {

constexpr int32_t kScreenWidth = 1920;
constexpr int32_t kScreenHeight = 1080;

// A white shape with soft edges on a transparent ground, like the PNG glyphs the HUD loads:
// a ring whose alpha falls off over two texels at either side.
Image SoftRing(int32_t size) {
  Image texture = MakeImage(size, size);
  const int32_t centre = size / 2;
  const int32_t outer = size / 2 - 2;
  const int32_t inner = size / 4;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const int32_t dx = x - centre;
      const int32_t dy = y - centre;
      const int32_t distance_squared = dx * dx + dy * dy;
      const bool solid = distance_squared <= outer * outer && distance_squared >= inner * inner;
      const bool edge = distance_squared <= (outer + 2) * (outer + 2) &&
                        distance_squared >= (inner - 2) * (inner - 2);
      const uint8_t alpha = solid ? 255 : (edge ? 96 : 0);
      SetPixel(texture, x, y, {255, 255, 255, alpha});
    }
  }
  return texture;
}

struct HudTextures {
  Image glyph = SoftRing(48);
  Image crosshair = SoftRing(64);
  Image star = SoftRing(32);
};

// Roughly what the module draws on a full HUD frame at this resolution.
void DrawHud(Image& frame, const HudTextures& textures) {
  FillBackdrop(frame);
  // Radar bar: borders, backgrounds and fills.
  BlendBox(frame, 1480, 110, 320, 34, 0xFF000000u);
  BlendBox(frame, 1484, 114, 150, 26, 0xFF4A0E0Eu);
  BlendBox(frame, 1484, 114, 110, 26, 0xFFB41E1Eu);
  BlendBox(frame, 1642, 114, 154, 26, 0xFF3A3A3Au);
  BlendBox(frame, 1642, 114, 80, 26, 0xC0E1E1E1u);
  // Money (12 glyphs) and ammo (two strips of 9) counters: 30 glyphs of 30 × 45.
  for (int32_t i = 0; i < 12; ++i) {
    BlendTexture(frame, textures.glyph, 1860 - i * 32, 200, 30, 45, 0xFF2F5A26u);
  }
  for (int32_t i = 0; i < 18; ++i) {
    BlendTexture(frame, textures.glyph, 1860 - i * 32, 260, 30, 45, 0xFFFFFFFFu);
  }
  BlendTexture(frame, textures.crosshair, 925, 505, 70, 70, 0xE6FFFFFFu);
  for (int32_t i = 0; i < 6; ++i) {
    BlendTexture(frame, textures.star, 1840 - i * 44, 330, 40, 40,
                 i < 3 ? 0xFFFFC800u : 0x80000000u);
  }
}

void BM_CompositeSnapshot(benchmark::State& state) {
  const HudTextures textures;
  Image frame = MakeImage(kScreenWidth, kScreenHeight);
  for (auto _ : state) {
    DrawHud(frame, textures);
    benchmark::DoNotOptimize(frame.rgba.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CompositeSnapshot)->Unit(benchmark::kMillisecond);

void BM_CompositeAndSaveSnapshot(benchmark::State& state) {
  const HudTextures textures;
  Image frame = MakeImage(kScreenWidth, kScreenHeight);
  const std::string path =
      (std::filesystem::temp_directory_path() / "velomark_render_bench.png").string();
  for (auto _ : state) {
    DrawHud(frame, textures);
    std::string error;
    if (!SavePng(path, frame, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
  std::error_code ignored;
  state.counters["png_bytes"] = static_cast<double>(std::filesystem::file_size(path, ignored));
  std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_CompositeAndSaveSnapshot)->Unit(benchmark::kMillisecond);

}  // namespace
