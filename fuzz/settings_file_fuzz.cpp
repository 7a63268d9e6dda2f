// Any bytes as the settings file, SAMPFUNCS\Velomark\Velomark.ini, in a game folder that has
// every texture. A fresh module loads it (its static initialisation reads the file), DllMain
// attaches it, and the first main-loop call finds the game ready. The module must then either
// come up (the loaded message, the Present callback, the radar stores of its settings, and a
// first frame that draws what its switches ask for) or post exactly the one line that names the
// first setting it could not read, with the error words and the value, and register nothing.
//
// What to expect is worked out here independently: the file is read key by key in the order the
// module reads it, with the profile reader run in the fuzzer, and each number is judged by the
// reference conversions (conversion_reference.h). The profile reader and the module's own
// conversions also run in the fuzzer on every value, as they carry the coverage counters that
// guide libFuzzer; the loaded module has none.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/number_conversion.h"
#include "fuzz/conversion_reference.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/game_folder.h"
#include "fuzz/module_watch.h"
#include "platform/windows_api.h"

namespace {

constexpr const char* kSettingsPath = "SAMPFUNCS\\Velomark\\Velomark.ini";
constexpr const char* kLoadedLine =
    "0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}was loaded! Author: {AA5555}Quendril";

enum class Kind { kBool, kFloat, kColor };

struct Setting {
  const char* section;
  const char* key;  // the stem of a colour's four keys
  Kind kind;
};

// Every setting read at load, in reading order; written out here rather than taken from the
// module, so that the order and the names are checked too.
constexpr Setting kSettings[] = {
    {"Components", "bRadarBar", Kind::kBool},  {"Components", "bMoney", Kind::kBool},
    {"Components", "bAmmo", Kind::kBool},      {"Components", "bCrosshair", Kind::kBool},
    {"Components", "bStar", Kind::kBool},      {"Radar", "fX", Kind::kFloat},
    {"Radar", "fY", Kind::kFloat},             {"RadarBar", "fX", Kind::kFloat},
    {"RadarBar", "fY", Kind::kFloat},          {"RadarBar", "fWidth", Kind::kFloat},
    {"RadarBar", "fHeight", Kind::kFloat},     {"RadarBar", "fBorder", Kind::kFloat},
    {"RadarBar", "iHealthColor", Kind::kColor}, {"RadarBar", "iArmorColor", Kind::kColor},
    {"RadarBar", "iOxygenColor", Kind::kColor}, {"RadarBar", "iBorderColor", Kind::kColor},
    {"Money", "fX", Kind::kFloat},             {"Money", "fY", Kind::kFloat},
    {"Money", "fYOffset", Kind::kFloat},       {"Money", "fLetterWidth", Kind::kFloat},
    {"Money", "fLetterHeight", Kind::kFloat},  {"Money", "fLetterOffset", Kind::kFloat},
    {"Money", "iPositiveColor", Kind::kColor}, {"Money", "iNegativeColor", Kind::kColor},
    {"Ammo", "fX", Kind::kFloat},              {"Ammo", "fY", Kind::kFloat},
    {"Ammo", "fXOffset", Kind::kFloat},        {"Ammo", "fYOffset", Kind::kFloat},
    {"Ammo", "fLetterWidth", Kind::kFloat},    {"Ammo", "fLetterHeight", Kind::kFloat},
    {"Ammo", "fLetterOffset", Kind::kFloat},   {"Ammo", "iTotalColor", Kind::kColor},
    {"Ammo", "iClipColor", Kind::kColor},      {"Crosshair", "fX", Kind::kFloat},
    {"Crosshair", "fY", Kind::kFloat},         {"Crosshair", "fWidth", Kind::kFloat},
    {"Crosshair", "fHeight", Kind::kFloat},    {"Crosshair", "iReadyColor", Kind::kColor},
    {"Crosshair", "iReloadColor", Kind::kColor}, {"Star", "fX", Kind::kFloat},
    {"Star", "fY", Kind::kFloat},              {"Star", "fWidth", Kind::kFloat},
    {"Star", "fHeight", Kind::kFloat},         {"Star", "fOffset", Kind::kFloat},
    {"Star", "iFullColor", Kind::kColor},      {"Star", "iEmptyColor", Kind::kColor},
};

// What the file should make of the module.
struct Expectation {
  std::string failureLine;  // empty when every setting reads
  bool radarBar = false;
  bool money = false;
  uint32_t radarX = 0;      // the bits of Radar.fX and Radar.fY
  uint32_t radarY = 0;
};

// One lookup as the module makes it, with a 256-byte buffer; the reader must stay inside it
// and terminate what it copies.
std::string Lookup(const char* section, const char* key) {
  char buffer[256 + 16];
  std::memset(buffer, 0x5A, sizeof buffer);
  const DWORD length = GetPrivateProfileStringA(section, key, nullptr, buffer, 256, kSettingsPath);
  FUZZ_CHECK(length < 256 && buffer[length] == '\0',
             std::string("the value of ") + section + "." + key + " is not terminated");
  for (size_t i = 256; i < sizeof buffer; ++i) {
    FUZZ_CHECK(buffer[i] == 0x5A, std::string("the reader wrote past the buffer for ") + key);
  }
  return buffer;
}

// Small buffers cut the value and still terminate it, for one key of each kind.
void CheckSmallBuffers() {
  for (const char* key : {"bMoney", "fX", "iPositiveColorA"}) {
    const std::string whole = Lookup("Money", key);
    for (DWORD size : {1u, 2u, 8u}) {
      char buffer[8 + 16];
      std::memset(buffer, 0x5A, sizeof buffer);
      const DWORD length = GetPrivateProfileStringA("Money", key, nullptr, buffer, size,
                                                    kSettingsPath);
      FUZZ_CHECK(length < size && buffer[length] == '\0',
                 "a cut value is not terminated inside a buffer of " + std::to_string(size));
      const std::string cut = buffer;
      FUZZ_CHECK(whole.compare(0, cut.size(), cut) == 0,
                 "\"" + cut + "\" is not the start of \"" + whole + "\"");
      for (size_t i = size; i < sizeof buffer; ++i) {
        FUZZ_CHECK(buffer[i] == 0x5A, "the reader wrote past a buffer of " + std::to_string(size));
      }
    }
  }
}

std::string FailureLine(const char* section, const std::string& key, const char* words,
                        const std::string& value) {
  return std::string("0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}did not start: ") + section +
         "." + key + " in " + kSettingsPath + ": " + words + " (value \"" + value + "\")";
}

uint32_t BitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

Expectation Expect() {
  Expectation expected;
  uint32_t settingIndex = 0;
  auto fail = [&](const Setting& setting, const std::string& key, const char* words,
                  const std::string& value) {
    if (!expected.failureLine.empty()) return;
    expected.failureLine = FailureLine(setting.section, key, words, value);
    CountFeature(settingIndex * 8 + static_cast<uint32_t>(std::strlen(words)));
  };
  for (const Setting& setting : kSettings) {
    ++settingIndex;
    if (setting.kind == Kind::kBool) {
      const bool on = Lookup(setting.section, setting.key) == "true";
      if (std::strcmp(setting.key, "bRadarBar") == 0) expected.radarBar = on;
      if (std::strcmp(setting.key, "bMoney") == 0) expected.money = on;
    } else if (setting.kind == Kind::kFloat) {
      const std::string value = Lookup(setting.section, setting.key);
      ConvertToFloat(value.c_str());
      const ReferenceFloat number = ReferenceReadFloat(value.c_str());
      if (number.error != nullptr) fail(setting, setting.key, number.error, value);
      if (std::strcmp(setting.section, "Radar") == 0) {
        (setting.key[1] == 'X' ? expected.radarX : expected.radarY) = BitsOf(number.value);
      }
    } else {
      for (const char channel : {'A', 'R', 'G', 'B'}) {
        const std::string key = setting.key + std::string(1, channel);
        const std::string value = Lookup(setting.section, key.c_str());
        ConvertToInt32(value.c_str());
        const ReferenceInt number = ReferenceReadInt(value.c_str());
        if (number.error != nullptr) fail(setting, key, number.error, value);
      }
    }
  }
  return expected;
}

std::string StoreLine(uint32_t address, uint32_t value) {
  char line[64];
  std::snprintf(line, sizeof line, "WriteMemory 0x%08X 0x%08X", address, value);
  return line;
}

bool Traced(const ModuleWatch& watch, const std::string& line) {
  for (const std::string& traced : watch.Trace()) {
    if (traced == line) return true;
  }
  return false;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n    " + line;
  return text;
}

void CheckRefused(ModuleWatch& watch, const Expectation& expected) {
  FUZZ_CHECK(watch.ChatLines().size() == 1 && watch.ChatLines()[0] == expected.failureLine,
             "expected the chat line\n    " + expected.failureLine + "\n  got" +
                 Lines(watch.ChatLines()));
  FUZZ_CHECK(!host::PresentRegistered(), "a module that did not start registered its frame");
  for (const char* kind :
       {"WriteMemory", "displaySetComponent", "LoadTextureFromFile", "registerD3DCallback"}) {
    FUZZ_CHECK(watch.Count(kind) == 0, std::string("a module that did not start made ") + kind);
  }
  // It stays inert: the next main-loop call posts nothing more.
  host::RunMainLoop();
  FUZZ_CHECK(watch.ChatLines().size() == 1, "a second main-loop call posted again");
}

void CheckStarted(ModuleWatch& watch, const Expectation& expected) {
  FUZZ_CHECK(watch.ChatLines().size() == 1 && watch.ChatLines()[0] == kLoadedLine,
             "expected only the loaded message, got" + Lines(watch.ChatLines()));
  FUZZ_CHECK(host::PresentRegistered() && watch.Count("registerD3DCallback") == 1,
             "the module came up without registering its frame once");
  FUZZ_CHECK(watch.Count("displaySetComponent") == 15 && watch.Count("LoadTextureFromFile") == 18,
             "the start-up did not set the 15 components and load the 18 textures");
  const std::string x = StoreLine(0x858A10, expected.radarX);
  const std::string y = StoreLine(0x866B70, expected.radarY);
  FUZZ_CHECK(Traced(watch, x) && Traced(watch, y),
             "the radar stores are not the settings' bits:\n    " + x + "\n    " + y);

  // In the default game (full health, no armour, no money, no weapon, no wanted level, mouse
  // up) a frame draws the bar's border, track and fill and the money's "0" and dollar, each
  // when switched on, and nothing else, whatever the positions and sizes.
  host::RunPresent();
  const FramePass pass = watch.FinishPresent();
  FUZZ_CHECK(pass.begun && pass.boxes == (expected.radarBar ? 3 : 0) &&
                 pass.glyphs == (expected.money ? 2 : 0) && pass.crosshairs == 0 &&
                 pass.stars == 0,
             "the first frame drew " + std::to_string(pass.boxes) + " boxes and " +
                 std::to_string(pass.glyphs) + " glyphs, " + std::to_string(pass.draws) +
                 " draws in all");
}

ModuleWatch watch;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  PrepareGameFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const InGameFolder inGameFolder;
  WriteSettingsFile(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckSmallBuffers();
  const Expectation expected = Expect();

  watch.Clear(/*keepTrace=*/true);
  const FreshModule module(watch);
  host::RunMainLoop();
  if (expected.failureLine.empty()) {
    CheckStarted(watch, expected);
  } else {
    CheckRefused(watch, expected);
  }
  return 0;
}
