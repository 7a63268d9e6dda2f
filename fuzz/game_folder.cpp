#include "fuzz/game_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/fuzz_check.h"

#ifndef VELOMARK_MODULE_PATH
#error "VELOMARK_MODULE_PATH names the built module"
#endif
#ifndef VELOMARK_ASSETS_DIR
#error "VELOMARK_ASSETS_DIR names the default game folder"
#endif

namespace fs = std::filesystem;

namespace {

fs::path& GameFolder() {
  static fs::path folder;
  return folder;
}

fs::path& StartFolder() {
  static fs::path folder;
  return folder;
}

void RemoveGameFolder() {
  std::error_code ignored;
  fs::remove_all(GameFolder(), ignored);
}

// Any texture file that exists loads; its pixels do not matter here.
bool TextureFileExists(const char* path, Image&) { return fs::exists(path); }

}  // namespace

void PrepareGameFolder() {
  if (!GameFolder().empty()) return;
  std::string pattern = (fs::temp_directory_path() / "velomark-fuzz-XXXXXX").string();
  FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr, "cannot create a game folder in " + pattern);
  GameFolder() = pattern;
  std::atexit(RemoveGameFolder);
  fs::copy(fs::path(VELOMARK_ASSETS_DIR) / "SAMPFUNCS", GameFolder() / "SAMPFUNCS",
           fs::copy_options::recursive);
}

InGameFolder::InGameFolder() {
  StartFolder() = fs::current_path();
  fs::current_path(GameFolder());
}

InGameFolder::~InGameFolder() { fs::current_path(StartFolder()); }

void WriteSettingsFile(std::string_view contents) {
  std::ofstream file(GameFolder() / "SAMPFUNCS" / "Velomark" / "Velomark.ini",
                     std::ios::binary | std::ios::trunc);
  file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  FUZZ_CHECK(file.good(), "cannot write the settings file");
}

FreshModule::FreshModule(HostObserver& observer) {
  host::Reset();
  host::SetObserver(&observer);
  host::SetTextureDecoder(TextureFileExists);
  std::string error;
  module_ = LoadedModule::Load(VELOMARK_MODULE_PATH, error);
  FUZZ_CHECK(module_ != nullptr, error);
  FUZZ_CHECK(module_->CallDllMain(1) == 1, "DllMain refused the process attach");
}

FreshModule::~FreshModule() {
  module_.reset();
  host::Reset();
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    FUZZ_CHECK(line.find("velomark-module-") == std::string::npos,
               "an unloaded copy of the module is still mapped: " + line);
  }
}
