// One host observer made of two: the host reports to a single observer, and a run both writes
// the trace and records frames.
#pragma once

#include <cstdint>
#include <string_view>

#include "sim/host/host.h"

// Hands every event to two observers, first to the first.
class ObserverPair : public HostObserver {
 public:
  ObserverPair(HostObserver& first, HostObserver& second) : first_(first), second_(second) {}
  void OnTraceLine(std::string_view line) override {
    first_.OnTraceLine(line);
    second_.OnTraceLine(line);
  }
  void OnQuery(std::string_view name) override {
    first_.OnQuery(name);
    second_.OnQuery(name);
  }
  void OnPresentBegins() override {
    first_.OnPresentBegins();
    second_.OnPresentBegins();
  }
  void OnDrawBox(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) override {
    first_.OnDrawBox(x, y, w, h, color);
    second_.OnDrawBox(x, y, w, h, color);
  }
  void OnDrawTexture(const stTextureInfo& texture, int32_t x, int32_t y, int32_t w, int32_t h,
                     uint32_t color) override {
    first_.OnDrawTexture(texture, x, y, w, h, color);
    second_.OnDrawTexture(texture, x, y, w, h, color);
  }

 private:
  HostObserver& first_;
  HostObserver& second_;
};
