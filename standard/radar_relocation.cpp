#include "standard/radar_relocation.h"

#include <cstring>

#include "core/settings.h"
#include "platform/windows_api.h"

namespace {

constexpr uint32_t kRadarScaleAddress = 0x716642;         // a float the game's code reads
constexpr uint32_t kRadarScaleReference = 0x718D14;       // the code's pointer to that float
constexpr uint32_t kRadarXAddress = 0x858A10;
constexpr uint32_t kRadarYAddress = 0x866B70;
constexpr uint32_t kRadarScaleBits = 0x42200000;          // 40.0f

uint32_t BitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

// The position settings are in the game's own units and are stored bit for bit, unconverted.
void RelocateRadar() {
  WriteGameWord(kRadarScaleAddress, kRadarScaleBits);
  WriteGameWord(kRadarScaleReference, kRadarScaleAddress);
  WriteGameWord(kRadarXAddress, BitsOf(Settings.Radar.fX));
  WriteGameWord(kRadarYAddress, BitsOf(Settings.Radar.fY));
}
