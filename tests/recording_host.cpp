#include "tests/recording_host.h"

#include <unistd.h>

#include <fstream>

#ifndef VELOMARK_MODULE_PATH
#error "VELOMARK_MODULE_PATH names the built module"
#endif

const char* const kTexturePaths[18] = {
    "SAMPFUNCS\\Velomark\\star\\star.png",
    "SAMPFUNCS\\Velomark\\crosshairs\\pistol.png",
    "SAMPFUNCS\\Velomark\\crosshairs\\shotgun.png",
    "SAMPFUNCS\\Velomark\\crosshairs\\smg.png",
    "SAMPFUNCS\\Velomark\\crosshairs\\assault.png",
    "SAMPFUNCS\\Velomark\\characters\\0.png",
    "SAMPFUNCS\\Velomark\\characters\\1.png",
    "SAMPFUNCS\\Velomark\\characters\\2.png",
    "SAMPFUNCS\\Velomark\\characters\\3.png",
    "SAMPFUNCS\\Velomark\\characters\\4.png",
    "SAMPFUNCS\\Velomark\\characters\\5.png",
    "SAMPFUNCS\\Velomark\\characters\\6.png",
    "SAMPFUNCS\\Velomark\\characters\\7.png",
    "SAMPFUNCS\\Velomark\\characters\\8.png",
    "SAMPFUNCS\\Velomark\\characters\\9.png",
    "SAMPFUNCS\\Velomark\\characters\\dollar.png",
    "SAMPFUNCS\\Velomark\\characters\\+.png",
    "SAMPFUNCS\\Velomark\\characters\\-.png",
};

namespace {

std::filesystem::path HostPath(const std::filesystem::path& folder, std::string windowsPath) {
  for (char& c : windowsPath) {
    if (c == '\\') c = '/';
  }
  return folder / windowsPath;
}

// Any texture file that exists loads; its pixels do not matter to these tests.
bool TextureFileExists(const char* path, Image&) { return std::filesystem::exists(path); }

}  // namespace

void RecordingHostTest::SetUp() {
  host::Reset();
  host::SetObserver(&recorder);
  host::SetTextureDecoder(TextureFileExists);

  previousFolder_ = std::filesystem::current_path();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  // The process id keeps apart two runs of the same test at once (say a 64-bit and a 32-bit
  // build), which would otherwise delete each other's folder.
  gameFolder = std::filesystem::temp_directory_path() /
               ("velomark-game-" + std::to_string(getpid()) + "-" + name);
  std::filesystem::remove_all(gameFolder);
  std::filesystem::create_directories(gameFolder / "SAMPFUNCS" / "Velomark");
  for (const char* path : kTexturePaths) {
    const std::filesystem::path file = HostPath(gameFolder, path);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "texture";
  }
  std::filesystem::current_path(gameFolder);
}

void RecordingHostTest::TearDown() {
  module_.reset();
  host::Reset();
  std::filesystem::current_path(previousFolder_);
  std::filesystem::remove_all(gameFolder);
}

void RecordingHostTest::WriteSettings(const SettingsFile& settings) {
  WriteSettingsText(settings.Text());
}

void RecordingHostTest::WriteSettingsText(const std::string& text) {
  std::ofstream(gameFolder / "SAMPFUNCS" / "Velomark" / "Velomark.ini", std::ios::binary) << text;
  settingsWritten_ = true;
}

void RecordingHostTest::RemoveTextureFile(const std::string& windowsPath) {
  std::filesystem::remove(HostPath(gameFolder, windowsPath));
}

void RecordingHostTest::LoadModule() {
  std::string error;
  module_ = LoadedModule::Load(VELOMARK_MODULE_PATH, error);
  ASSERT_NE(module_, nullptr) << error;
  EXPECT_EQ(module_->CallDllMain(1), 1);
}

void RecordingHostTest::StartModule() {
  if (!module_) {
    if (!settingsWritten_) WriteSettings(SettingsFile::Complete());
    LoadModule();
  }
  host::RunMainLoop();
  ASSERT_TRUE(host::PresentRegistered()) << "the module did not start";
  TakeTrace();
  TakeQueries();
}

std::vector<std::string> RecordingHostTest::TakeTrace() {
  std::vector<std::string> taken;
  taken.swap(recorder.trace);
  return taken;
}

std::vector<std::string> RecordingHostTest::TakeQueries() {
  std::vector<std::string> taken;
  taken.swap(recorder.queries);
  return taken;
}

std::vector<std::string> RecordingHostTest::MainLoop() {
  TakeTrace();
  host::RunMainLoop();
  return TakeTrace();
}

std::vector<std::string> RecordingHostTest::Present() {
  TakeTrace();
  host::RunPresent();
  return TakeTrace();
}
