// Reads and stores at fixed addresses of the game's image, on Windows.
#include <cstring>

#include "platform/windows_api.h"

#if defined(_WIN32)

namespace {
void* AddressOf(uint32_t address) { return reinterpret_cast<void*>(static_cast<uintptr_t>(address)); }
}  // namespace

int32_t ReadGameInt32(uint32_t address) {
  int32_t value;
  std::memcpy(&value, AddressOf(address), sizeof value);
  return value;
}

// Two of the targets lie in the game's code, whose pages are not writable: open the page for
// the store, put its protection back, and make sure the processor sees the new code.
void WriteGameWord(uint32_t address, uint32_t value) {
  void* target = AddressOf(address);
  DWORD oldProtection = 0;
  const BOOL opened = VirtualProtect(target, sizeof value, PAGE_EXECUTE_READWRITE, &oldProtection);
  std::memcpy(target, &value, sizeof value);
  if (opened) {
    DWORD ignored = 0;
    VirtualProtect(target, sizeof value, oldProtection, &ignored);
  }
  FlushInstructionCache(GetCurrentProcess(), target, sizeof value);
}

#endif
