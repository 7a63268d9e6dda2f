#include "fuzz/module_watch.h"

#include <cstring>

#include "fuzz/fuzz_check.h"

namespace {

// libFuzzer reads these as coverage counters besides the compiler's own, and clears them before
// every input.
constexpr uint32_t kFeatureCount = 1u << 14;
__attribute__((used, section("__libfuzzer_extra_counters"))) uint8_t featureCounters[kFeatureCount];

uint32_t Hash(std::string_view text, uint32_t seed = 2166136261u) {
  for (const char c : text) seed = (seed ^ static_cast<uint8_t>(c)) * 16777619u;
  return seed;
}

// Negative, zero or positive: what tells a drawn size apart for the drawing steps' edge cases.
uint32_t SignClass(int32_t value) { return value < 0 ? 0 : value == 0 ? 1 : 2; }

std::string_view Kind(std::string_view line) { return line.substr(0, line.find(' ')); }

bool EndsWith(const char* text, const char* suffix) {
  const size_t length = std::strlen(text);
  const size_t suffixLength = std::strlen(suffix);
  return length >= suffixLength && std::strcmp(text + length - suffixLength, suffix) == 0;
}

std::string Quoted(std::string_view line) { return "\"" + std::string(line) + "\""; }

bool Contains(const char* text, const char* part) { return std::strstr(text, part) != nullptr; }

}  // namespace

void CountFeature(uint32_t feature) {
  uint8_t& counter = featureCounters[feature % kFeatureCount];
  if (counter < 255) ++counter;
}

void ModuleWatch::Clear(bool keepTrace) {
  keepTrace_ = keepTrace;
  inPresent_ = false;
  pass_ = FramePass{};
  previousEvent_ = 0;
  trace_.clear();
  chatLines_.clear();
  counts_.clear();
}

int ModuleWatch::Count(std::string_view kind) const {
  const auto found = counts_.find(kind);
  return found == counts_.end() ? 0 : found->second;
}

// Each pair of consecutive events is one feature, much as an edge between two blocks of code.
void ModuleWatch::Event(std::string_view name, uint32_t detail) {
  const uint32_t event = Hash(name, 2166136261u ^ detail);
  CountFeature(previousEvent_ * 31u + event);
  previousEvent_ = event;
}

void ModuleWatch::OnTraceLine(std::string_view line) {
  if (keepTrace_) trace_.emplace_back(line);
  const std::string_view kind = Kind(line);
  const auto counted = counts_.find(kind);
  if (counted != counts_.end()) {
    ++counted->second;
  } else {
    counts_.emplace(kind, 1);
  }
  if (kind != "DrawBox" && kind != "DrawTexture") Event(kind);

  if (kind == "AddChatMessage") chatLines_.emplace_back(line.substr(kind.size() + 1));
  if (kind == "MainLoop") inPresent_ = false;
  if (kind == "Present") {
    inPresent_ = true;
    pass_ = FramePass{};
  } else if (kind == "BeginRender") {
    FUZZ_CHECK(inPresent_ && !pass_.begun, Quoted(line) + " outside a frame, or twice in one");
    pass_.begun = true;
  } else if (kind == "EndRender") {
    FUZZ_CHECK(inPresent_ && pass_.begun && !pass_.ended,
               Quoted(line) + " without its BeginRender");
    pass_.ended = true;
  } else if (kind == "DrawBox" || kind == "DrawTexture") {
    FUZZ_CHECK(inPresent_ && pass_.begun && !pass_.ended,
               Quoted(line) + " outside a drawing pass");
    ++pass_.draws;
  } else {
    // A frame draws and changes nothing else.
    FUZZ_CHECK(!inPresent_, Quoted(line) + " during a frame");
  }
}

void ModuleWatch::OnQuery(std::string_view name) { Event(name); }

void ModuleWatch::OnDrawBox(int32_t, int32_t, int32_t w, int32_t h, uint32_t) {
  ++pass_.boxes;
  Event("DrawBox", SignClass(w) * 3 + SignClass(h));
}

void ModuleWatch::OnDrawTexture(const stTextureInfo& texture, int32_t, int32_t, int32_t w,
                                int32_t h, uint32_t) {
  const char* path = texture.path;
  if (Contains(path, "\\characters\\")) {
    ++pass_.glyphs;
  } else if (Contains(path, "\\crosshairs\\")) {
    ++pass_.crosshairs;
  } else if (EndsWith(path, "\\star\\star.png")) {
    ++pass_.stars;
  }
  Event(path, SignClass(w) * 3 + SignClass(h));
}

FramePass ModuleWatch::FinishPresent() {
  const FramePass pass = pass_;
  inPresent_ = false;
  pass_ = FramePass{};
  const std::string counts =
      "draws " + std::to_string(pass.draws) + ": boxes " + std::to_string(pass.boxes) +
      ", glyphs " + std::to_string(pass.glyphs) + ", crosshairs " +
      std::to_string(pass.crosshairs) + ", stars " + std::to_string(pass.stars);
  FUZZ_CHECK(pass.begun == pass.ended, "a frame's BeginRender without its EndRender");
  FUZZ_CHECK(pass.draws == pass.boxes + pass.glyphs + pass.crosshairs + pass.stars,
             "a draw of something unknown, " + counts);
  FUZZ_CHECK(pass.boxes <= kMostBoxes && pass.glyphs <= kMostGlyphs &&
                 pass.crosshairs <= kMostCrosshairs && pass.stars <= kMostStars &&
                 pass.draws <= kMostDraws,
             "too many draw calls in one frame, " + counts);
  CountFeature(Hash("frame") + static_cast<uint32_t>(pass.draws));
  return pass;
}
