#include "sim/host/module_loader.h"

#if defined(_WIN32)
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>
#else
#  include <dlfcn.h>
#  include <unistd.h>
#endif

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#  include "sim/host/import_redirect.h"
#  include "sim/host/scenario_clock.h"
#endif

namespace {

#if defined(_WIN32)

using EntryPoint = BOOL(WINAPI*)(void*, DWORD, void*);

constexpr bool kLoadAttaches = true;

DWORD WINAPI ScenarioTickCount() { return ScenarioTick(); }

// Windows itself runs the module's static initialisation and its DllMain with process attach
// while loading it; a DllMain that refuses the attach makes the load fail. The module then takes
// its tick from the scenario's clock, as it does off Windows, where the host answers its
// GetTickCount; the tick its static initialisation took from the system is never shown.
void* OpenModule(const std::string& path, std::string& reason) {
  HMODULE handle = LoadLibraryA(path.c_str());
  if (handle == nullptr) {
    reason = "Windows error " + std::to_string(GetLastError());
    return nullptr;
  }
  // Through void (*)(), which converts to any function type without a warning.
  const auto scenarioClock =
      reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&ScenarioTickCount));
  if (!RedirectImport(handle, "KERNEL32.dll", "GetTickCount", scenarioClock)) {
    reason = "cannot point its GetTickCount at the scenario's clock";
    FreeLibrary(handle);
    return nullptr;
  }
  return reinterpret_cast<void*>(handle);
}

// A 32-bit DLL exports a stdcall function under its decorated name, unless linked with
// --kill-at; 64-bit Windows has a single calling convention and no decoration. GetProcAddress
// gives every export one generic function type; it passes through void (*)(), which converts
// to any function type without a warning.
EntryPoint FindEntry(void* handle) {
  const HMODULE module = static_cast<HMODULE>(handle);
  for (const char* name : {"DllMain", "DllMain@12"}) {
    if (FARPROC entry = GetProcAddress(module, name)) {
      return reinterpret_cast<EntryPoint>(reinterpret_cast<void (*)()>(entry));
    }
  }
  return nullptr;
}

void CloseModule(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }

unsigned long ProcessId() { return GetCurrentProcessId(); }

constexpr const char* kCopySuffix = ".dll";

#else

using EntryPoint = int (*)(void*, uint32_t, void*);

constexpr bool kLoadAttaches = false;

// dlopen runs the static initialisation only; the host calls DllMain itself, as Windows would.
void* OpenModule(const std::string& path, std::string& reason) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* message = dlerror();
    reason = message ? message : "unknown error";
  }
  return handle;
}

EntryPoint FindEntry(void* handle) {
  return reinterpret_cast<EntryPoint>(dlsym(handle, "DllMain"));
}

void CloseModule(void* handle) { dlclose(handle); }

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

constexpr const char* kCopySuffix = ".so";

#endif

std::string PrivateCopyPath() {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  return (folder / ("velomark-module-" + std::to_string(ProcessId()) + "-" +
                    std::to_string(counter++) + kCopySuffix))
      .string();
}

}  // namespace

std::unique_ptr<LoadedModule> LoadedModule::Load(const std::string& path, std::string& error) {
  std::unique_ptr<LoadedModule> module(new LoadedModule);
  module->copyPath_ = PrivateCopyPath();
  std::error_code copyError;
  std::filesystem::copy_file(path, module->copyPath_,
                             std::filesystem::copy_options::overwrite_existing, copyError);
  if (copyError) {
    error = "cannot copy the module " + path + ": " + copyError.message();
    module->copyPath_.clear();
    return nullptr;
  }
  std::string reason;
  module->handle_ = OpenModule(module->copyPath_, reason);
  if (module->handle_ == nullptr) {
    error = "cannot load the module " + path + ": " + reason;
    return nullptr;
  }
  if (FindEntry(module->handle_) == nullptr) {
    error = "the module " + path + " has no DllMain";
    return nullptr;
  }
  return module;
}

LoadedModule::~LoadedModule() {
  if (handle_ != nullptr) CloseModule(handle_);
  if (!copyPath_.empty()) std::remove(copyPath_.c_str());
}

int LoadedModule::CallDllMain(uint32_t reason) {
  return FindEntry(handle_)(handle_, reason, nullptr);
}

bool LoadedModule::AttachedByLoad() const { return kLoadAttaches; }
