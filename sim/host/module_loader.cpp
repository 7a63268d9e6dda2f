#include "sim/host/module_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

using EntryPoint = int (*)(void*, uint32_t, void*);

std::string PrivateCopyPath() {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  return (folder / ("velomark-module-" + std::to_string(getpid()) + "-" +
                    std::to_string(counter++) + ".so"))
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
  module->handle_ = dlopen(module->copyPath_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module->handle_ == nullptr) {
    const char* reason = dlerror();
    error = "cannot load the module " + path + ": " + (reason ? reason : "unknown error");
    return nullptr;
  }
  if (dlsym(module->handle_, "DllMain") == nullptr) {
    error = "the module " + path + " has no DllMain";
    return nullptr;
  }
  return module;
}

LoadedModule::~LoadedModule() {
  if (handle_ != nullptr) dlclose(handle_);
  if (!copyPath_.empty()) std::remove(copyPath_.c_str());
}

int LoadedModule::CallDllMain(uint32_t reason) {
  auto entry = reinterpret_cast<EntryPoint>(dlsym(handle_, "DllMain"));
  return entry(handle_, reason, nullptr);
}
