// Everything the settings file configures, read once while the module loads.
#pragma once

#include <cstdint>

inline constexpr const char* kSettingsFile = "SAMPFUNCS\\Velomark\\Velomark.ini";

// A colour setting: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
using ArgbColor = uint32_t;
// A colour's four keys are its stem followed by each of these, read in this order.
inline constexpr char kColorChannels[4] = {'A', 'R', 'G', 'B'};

struct ComponentSettings {
  bool bRadarBar;
  bool bMoney;
  bool bAmmo;
  bool bCrosshair;
  bool bStar;
};

// The game's radar position, in the game's own units, not canvas units.
struct RadarSettings {
  float fX;
  float fY;
};

struct RadarBarSettings {
  float fX, fY, fWidth, fHeight, fBorder;
  ArgbColor iHealthColor, iArmorColor, iOxygenColor, iBorderColor;
};

struct MoneySettings {
  float fX, fY, fYOffset, fLetterWidth, fLetterHeight, fLetterOffset;
  ArgbColor iPositiveColor, iNegativeColor;
};

struct AmmoSettings {
  float fX, fY, fXOffset, fYOffset, fLetterWidth, fLetterHeight, fLetterOffset;
  ArgbColor iTotalColor, iClipColor;
};

struct CrosshairSettings {
  float fX, fY, fWidth, fHeight;
  ArgbColor iReadyColor, iReloadColor;
};

struct StarSettings {
  float fX, fY, fWidth, fHeight, fOffset;
  ArgbColor iFullColor, iEmptyColor;
};

struct SettingsRecord {
  ComponentSettings Components;
  RadarSettings Radar;
  RadarBarSettings RadarBar;
  MoneySettings Money;
  AmmoSettings Ammo;
  CrosshairSettings Crosshair;
  StarSettings Star;
};

extern SettingsRecord Settings;

// A value as the profile reader gives it: at most 255 characters, empty when missing.
struct SettingString {
  char text[256];
};

SettingString ReadSettingString(const char* section, const char* key);
// True only for the exact value "true".
bool ReadBoolSetting(const char* section, const char* key);
// A number that cannot be read is recorded as the module's start-up failure and reads as 0.
float ReadFloatSetting(const char* section, const char* key);
int32_t ReadIntSetting(const char* section, const char* key);
// Composed from the keys stem + "A", "R", "G", "B"; only the low 8 bits of each count.
ArgbColor ReadColorSetting(const char* section, const char* stem);

// Reads every widget setting into Settings, in the file's fixed order.
void LoadSettings();
