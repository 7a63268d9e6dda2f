// Feeds arbitrary text to the settings file's number conversions: they must never read past
// the text, crash or overflow, and a success must hold a value that round-trips sensibly.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/number_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);  // NUL-terminated copy
  const Conversion<float> f = ConvertToFloat(text.c_str());
  if (f.error == nullptr && std::isfinite(f.value) && f.value != 0.0f &&
      std::fabs(f.value) < 1.17549435e-38f) {
    std::abort();  // a non-zero subnormal is reported as out of range, never returned
  }
  const Conversion<int32_t> i = ConvertToInt32(text.c_str());
  if (i.error != nullptr && i.value != 0) std::abort();
  return 0;
}
