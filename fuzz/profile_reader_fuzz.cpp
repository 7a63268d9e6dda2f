// Reads arbitrary bytes as a settings file: the profile reader must never crash, read out of
// bounds or write past the caller's buffer, whatever the file holds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/windows_api.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "velomark-fuzz-" + std::to_string(std::rand()) + ".ini";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  static const char* const kLookups[][2] = {
      {"Money", "fX"}, {"Components", "bMoney"}, {"", "key"}, {" Money ", " fX "}};
  for (const auto& lookup : kLookups) {
    for (DWORD bufferSize : {1u, 8u, 256u}) {
      char buffer[256 + 16];
      std::memset(buffer, 0x5A, sizeof buffer);
      const DWORD length =
          GetPrivateProfileStringA(lookup[0], lookup[1], nullptr, buffer, bufferSize, path.c_str());
      if (length >= bufferSize || buffer[length] != '\0') std::abort();
      for (size_t i = bufferSize; i < sizeof buffer; ++i) {
        if (buffer[i] != 0x5A) std::abort();  // wrote past the buffer
      }
    }
  }
  return 0;
}
