#include "sim/host/import_redirect.h"

#include <cstring>

namespace {

template <typename T>
T* At(HMODULE module, DWORD offset) {
  return reinterpret_cast<T*>(reinterpret_cast<unsigned char*>(module) + offset);
}

bool WriteSlot(IMAGE_THUNK_DATA* slot, FARPROC replacement) {
  DWORD oldProtection = 0;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection)) return false;
  slot->u1.Function = reinterpret_cast<uintptr_t>(replacement);
  DWORD ignored = 0;
  VirtualProtect(slot, sizeof *slot, oldProtection, &ignored);
  return true;
}

}  // namespace

bool RedirectImport(HMODULE module, const char* dll, const char* function, FARPROC replacement) {
  const auto* dos = At<const IMAGE_DOS_HEADER>(module, 0);
  const auto* headers = At<const IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
  const IMAGE_DATA_DIRECTORY& imports =
      headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return true;

  for (const auto* descriptor = At<const IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
       descriptor->Name != 0; ++descriptor) {
    if (_stricmp(At<const char>(module, descriptor->Name), dll) != 0) continue;
    // The names are in the lookup table, which the GNU linker always writes; the loader has
    // replaced those of the address table, whose slots the module calls through, by the
    // functions' addresses.
    if (descriptor->OriginalFirstThunk == 0) continue;
    const auto* name = At<const IMAGE_THUNK_DATA>(module, descriptor->OriginalFirstThunk);
    auto* slot = At<IMAGE_THUNK_DATA>(module, descriptor->FirstThunk);
    for (; name->u1.AddressOfData != 0; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const auto* byName =
          At<const IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(name->u1.AddressOfData));
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
      if (!WriteSlot(slot, replacement)) return false;
    }
  }
  return true;
}
