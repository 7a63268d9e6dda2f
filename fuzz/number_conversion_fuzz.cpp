// Holds the settings file's number conversions against the independent reference of the same
// rules (conversion_reference.h), for any text: the same error words, the same characters read,
// and bit for bit the same value. The text ends at its first NUL byte, as a value read from the
// settings file does.
#include <cstdint>
#include <cstring>
#include <string>

#include "core/number_conversion.h"
#include "fuzz/conversion_reference.h"
#include "fuzz/fuzz_check.h"

namespace {

std::string Words(const char* error) { return error != nullptr ? error : "(no error)"; }

uint32_t BitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

template <typename T, typename Reference>
void Compare(const char* text, const Conversion<T>& module, const Reference& reference,
             bool sameValue) {
  const std::string what = "for \"" + std::string(text) + "\": module ";
  FUZZ_CHECK(Words(module.error) == Words(reference.error),
             what + Words(module.error) + ", reference " + Words(reference.error));
  const size_t used = static_cast<size_t>(module.end - text);
  FUZZ_CHECK(used == reference.used, what + "reads " + std::to_string(used) +
                                         " characters, reference " +
                                         std::to_string(reference.used));
  FUZZ_CHECK(sameValue, what + "value " + std::to_string(module.value) + ", reference " +
                            std::to_string(reference.value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const char* text = bytes.c_str();

  const Conversion<float> f = ConvertToFloat(text);
  const ReferenceFloat expectedFloat = ReferenceReadFloat(text);
  Compare(text, f, expectedFloat, BitsOf(f.value) == BitsOf(expectedFloat.value));

  const Conversion<int32_t> i = ConvertToInt32(text);
  const ReferenceInt expectedInt = ReferenceReadInt(text);
  Compare(text, i, expectedInt, i.value == expectedInt.value);
  return 0;
}
