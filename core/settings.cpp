#include "core/settings.h"

#include <cstring>

#include "core/number_conversion.h"
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
  static constexpr const char kChannels[4] = {'A', 'R', 'G', 'B'};
  ArgbColor color = 0;
  for (const char channel : kChannels) {
    char key[64];
    const size_t length = std::strlen(stem) < sizeof key - 2 ? std::strlen(stem) : sizeof key - 2;
    std::memcpy(key, stem, length);
    key[length] = channel;
    key[length + 1] = '\0';
    color = (color << 8) | (static_cast<uint32_t>(ReadIntSetting(section, key)) & 0xFFu);
  }
  return color;
}

void LoadSettings() {
  ComponentSettings& components = Settings.Components;
  components.bRadarBar = ReadBoolSetting("Components", "bRadarBar");
  components.bMoney = ReadBoolSetting("Components", "bMoney");
  components.bAmmo = ReadBoolSetting("Components", "bAmmo");
  components.bCrosshair = ReadBoolSetting("Components", "bCrosshair");
  components.bStar = ReadBoolSetting("Components", "bStar");

  Settings.Radar.fX = ReadFloatSetting("Radar", "fX");
  Settings.Radar.fY = ReadFloatSetting("Radar", "fY");

  RadarBarSettings& bar = Settings.RadarBar;
  bar.fX = ReadFloatSetting("RadarBar", "fX");
  bar.fY = ReadFloatSetting("RadarBar", "fY");
  bar.fWidth = ReadFloatSetting("RadarBar", "fWidth");
  bar.fHeight = ReadFloatSetting("RadarBar", "fHeight");
  bar.fBorder = ReadFloatSetting("RadarBar", "fBorder");
  bar.iHealthColor = ReadColorSetting("RadarBar", "iHealthColor");
  bar.iArmorColor = ReadColorSetting("RadarBar", "iArmorColor");
  bar.iOxygenColor = ReadColorSetting("RadarBar", "iOxygenColor");
  bar.iBorderColor = ReadColorSetting("RadarBar", "iBorderColor");

  MoneySettings& money = Settings.Money;
  money.fX = ReadFloatSetting("Money", "fX");
  money.fY = ReadFloatSetting("Money", "fY");
  money.fYOffset = ReadFloatSetting("Money", "fYOffset");
  money.fLetterWidth = ReadFloatSetting("Money", "fLetterWidth");
  money.fLetterHeight = ReadFloatSetting("Money", "fLetterHeight");
  money.fLetterOffset = ReadFloatSetting("Money", "fLetterOffset");
  money.iPositiveColor = ReadColorSetting("Money", "iPositiveColor");
  money.iNegativeColor = ReadColorSetting("Money", "iNegativeColor");

  AmmoSettings& ammo = Settings.Ammo;
  ammo.fX = ReadFloatSetting("Ammo", "fX");
  ammo.fY = ReadFloatSetting("Ammo", "fY");
  ammo.fXOffset = ReadFloatSetting("Ammo", "fXOffset");
  ammo.fYOffset = ReadFloatSetting("Ammo", "fYOffset");
  ammo.fLetterWidth = ReadFloatSetting("Ammo", "fLetterWidth");
  ammo.fLetterHeight = ReadFloatSetting("Ammo", "fLetterHeight");
  ammo.fLetterOffset = ReadFloatSetting("Ammo", "fLetterOffset");
  ammo.iTotalColor = ReadColorSetting("Ammo", "iTotalColor");
  ammo.iClipColor = ReadColorSetting("Ammo", "iClipColor");

  CrosshairSettings& crosshair = Settings.Crosshair;
  crosshair.fX = ReadFloatSetting("Crosshair", "fX");
  crosshair.fY = ReadFloatSetting("Crosshair", "fY");
  crosshair.fWidth = ReadFloatSetting("Crosshair", "fWidth");
  crosshair.fHeight = ReadFloatSetting("Crosshair", "fHeight");
  crosshair.iReadyColor = ReadColorSetting("Crosshair", "iReadyColor");
  crosshair.iReloadColor = ReadColorSetting("Crosshair", "iReloadColor");

  StarSettings& star = Settings.Star;
  star.fX = ReadFloatSetting("Star", "fX");
  star.fY = ReadFloatSetting("Star", "fY");
  star.fWidth = ReadFloatSetting("Star", "fWidth");
  star.fHeight = ReadFloatSetting("Star", "fHeight");
  star.fOffset = ReadFloatSetting("Star", "fOffset");
  star.iFullColor = ReadColorSetting("Star", "iFullColor");
  star.iEmptyColor = ReadColorSetting("Star", "iEmptyColor");
}
