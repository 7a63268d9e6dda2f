// Loads a fresh copy of the module, as a host loads a plug-in, and calls its entry.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sim/host/driver_api.h"

class VELOMARK_HOST_DRIVER_API LoadedModule {
 public:
  // Loads the module from a private copy of path, so its static initialisation runs anew even
  // when the same module is loaded again in this process; the settings file is read from the
  // current folder. Null, with the reason in error, when it cannot be loaded. On Windows the
  // system itself also calls DllMain with process attach during the load, as for every DLL, and
  // the module's GetTickCount is pointed at the host's clock.
  static std::unique_ptr<LoadedModule> Load(const std::string& path, std::string& error);
  ~LoadedModule();

  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  // The module's entry with the given reason (1: process attach); its result.
  int CallDllMain(uint32_t reason);

  // Whether the load itself called DllMain with process attach, as Windows does; elsewhere the
  // host calls it, as Windows would.
  bool AttachedByLoad() const;

 private:
  LoadedModule() = default;
  void* handle_ = nullptr;
  std::string copyPath_;
};
