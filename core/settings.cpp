#include "core/settings.h"

#include <cstring>

#include "core/number_conversion.h"
#include "core/settings_table.h"
#include "core/startup_failure.h"
#include "platform/windows_api.h"

SettingsRecord Settings{};

SettingString ReadSettingString(const char* section, const char* key) {
  SettingString value{};
  GetPrivateProfileStringA(section, key, nullptr, value.text, sizeof value.text, kSettingsFile);
  return value;
}

bool ReadBoolSetting(const char* section, const char* key) {
  return std::strcmp(ReadSettingString(section, key).text, "true") == 0;
}

namespace {

template <typename T>
T ValueOrRecordFailure(const char* section, const char* key, const SettingString& text,
                       Conversion<T> conversion) {
  if (conversion.error == nullptr) return conversion.value;
  RecordStartupFailure(section, key, conversion.error, text.text);
  return T{};
}

}  // namespace

float ReadFloatSetting(const char* section, const char* key) {
  const SettingString text = ReadSettingString(section, key);
  return ValueOrRecordFailure(section, key, text, ConvertToFloat(text.text));
}

int32_t ReadIntSetting(const char* section, const char* key) {
  const SettingString text = ReadSettingString(section, key);
  return ValueOrRecordFailure(section, key, text, ConvertToInt32(text.text));
}

ArgbColor ReadColorSetting(const char* section, const char* stem) {
  ArgbColor color = 0;
  for (const char channel : kColorChannels) {
    char key[64];
    const size_t length = std::strlen(stem) < sizeof key - 2 ? std::strlen(stem) : sizeof key - 2;
    std::memcpy(key, stem, length);
    key[length] = channel;
    key[length + 1] = '\0';
    color = (color << 8) | (static_cast<uint32_t>(ReadIntSetting(section, key)) & 0xFFu);
  }
  return color;
}

namespace {

struct SettingsReader {
  void Bool(const char* section, const char* key, bool& member) {
    member = ReadBoolSetting(section, key);
  }
  void Float(const char* section, const char* key, float& member) {
    member = ReadFloatSetting(section, key);
  }
  void Color(const char* section, const char* stem, ArgbColor& member) {
    member = ReadColorSetting(section, stem);
  }
};

}  // namespace

void LoadSettings() {
  SettingsReader reader;
  VisitSettings(Settings, reader);
}
