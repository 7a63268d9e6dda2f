// Watches the module through the simulated host: keeps what the fuzzer asks for of the trace,
// checks every frame's drawing pass, and turns the order of the module's calls into coverage for
// libFuzzer, as the module itself carries no coverage counters (see CMakeLists.txt).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sim/host/host.h"

// The draw calls of one frame, by what they draw.
struct FramePass {
  bool begun = false;
  bool ended = false;
  int draws = 0;  // every DrawBox and DrawTexture
  int boxes = 0;
  int glyphs = 0;
  int crosshairs = 0;
  int stars = 0;
};

// The most of each a frame can draw, from the widgets: the radar bar's border and two tracks
// with their fills; the money balance (ten digits, dollar, minus) and change (ten digits and a
// sign); the ammo counter's two readouts (ten digits and a minus each); one crosshair; at most 64
// full stars and, should the level change between its readings, 6 empty ones.
inline constexpr int kMostBoxes = 5;
inline constexpr int kMostGlyphs = (10 + 2) + (10 + 1) + 2 * (10 + 1);
inline constexpr int kMostCrosshairs = 1;
inline constexpr int kMostStars = 64 + 6;
inline constexpr int kMostDraws = kMostBoxes + kMostGlyphs + kMostCrosshairs + kMostStars;

class ModuleWatch : public HostObserver {
 public:
  // Forgets everything before an input; with keepTrace every trace line is kept.
  void Clear(bool keepTrace);

  // Checks the frame that host::RunPresent has just run: at most one drawing pass, closed, with
  // every draw call inside it and within the bounds above; no other effect.
  FramePass FinishPresent();

  const std::vector<std::string>& Trace() const { return trace_; }
  // The text of every chat line, colour included ("0xFFFFFFFF Plugin ..."), in order.
  const std::vector<std::string>& ChatLines() const { return chatLines_; }
  int Count(std::string_view kind) const;

  void OnTraceLine(std::string_view line) override;
  void OnQuery(std::string_view name) override;
  void OnDrawBox(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) override;
  void OnDrawTexture(const stTextureInfo& texture, int32_t x, int32_t y, int32_t w, int32_t h,
                     uint32_t color) override;

 private:
  void Event(std::string_view name, uint32_t detail = 0);

  bool keepTrace_ = false;
  bool inPresent_ = false;
  FramePass pass_;
  uint32_t previousEvent_ = 0;
  std::vector<std::string> trace_;
  std::vector<std::string> chatLines_;
  std::map<std::string, int, std::less<>> counts_;
};

// Marks one more feature of an input for libFuzzer to tell inputs apart by.
void CountFeature(uint32_t feature);
