// The driver's side of the simulated host: the state it answers from, the clock, the module's
// callbacks, and an observer that sees every effect the module has on the host.
#pragma once

#include <cstdint>
#include <string_view>

#include "sim/host/driver_api.h"
#include "sim/host/game_state.h"
#include "sim/render/image.h"

// What the host keeps of a loaded texture.
struct stTextureInfo {
  char path[260];
  Image image;
};

class HostObserver {
 public:
  virtual ~HostObserver() = default;
  // One trace line per effect, in order, without the line break.
  virtual void OnTraceLine(std::string_view line) = 0;
  // The name of every query the module makes (screen size, health, ...); not part of the trace.
  virtual void OnQuery(std::string_view /*name*/) {}
  virtual void OnPresentBegins() {}
  virtual void OnDrawBox(int32_t /*x*/, int32_t /*y*/, int32_t /*w*/, int32_t /*h*/,
                         uint32_t /*color*/) {}
  virtual void OnDrawTexture(const stTextureInfo& /*texture*/, int32_t /*x*/, int32_t /*y*/,
                             int32_t /*w*/, int32_t /*h*/, uint32_t /*color*/) {}
};

namespace host {

// Decodes a texture file; false makes LoadTextureFromFile return a null handle.
using TextureDecoder = bool (*)(const char* path, Image& image);

// Forgets every callback, texture, memory store and observer, and restores the default state.
VELOMARK_HOST_DRIVER_API void Reset();
VELOMARK_HOST_DRIVER_API GameState& State();
VELOMARK_HOST_DRIVER_API void SetTick(uint32_t tick);
VELOMARK_HOST_DRIVER_API void SetObserver(HostObserver* observer);
VELOMARK_HOST_DRIVER_API void SetTextureDecoder(TextureDecoder decoder);

// The value last stored at a game address, or 0.
VELOMARK_HOST_DRIVER_API uint32_t GameWord(uint32_t address);

VELOMARK_HOST_DRIVER_API bool MainLoopRegistered();
VELOMARK_HOST_DRIVER_API bool PresentRegistered();
// Calls the module's callbacks as the real host would, marking each call in the trace. Off
// Windows each store to game memory is traced as the module makes it; on Windows the module
// stores into the process's memory itself, and the stores are traced when the call returns.
VELOMARK_HOST_DRIVER_API void RunMainLoop();
VELOMARK_HOST_DRIVER_API void RunPresent();

}  // namespace host
