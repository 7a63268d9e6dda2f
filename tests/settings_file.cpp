#include "tests/settings_file.h"

#include <algorithm>

namespace {

const char* const kCompleteSettings[][3] = {
    {"Components", "bRadarBar", "true"}, {"Components", "bMoney", "true"},
    {"Components", "bAmmo", "true"},     {"Components", "bCrosshair", "true"},
    {"Components", "bStar", "true"},
    {"Radar", "fX", "40.0"},             {"Radar", "fY", "104.0"},
    {"RadarBar", "fX", "500"},           {"RadarBar", "fY", "400"},
    {"RadarBar", "fWidth", "100"},       {"RadarBar", "fHeight", "10"},
    {"RadarBar", "fBorder", "2"},
    {"Money", "fX", "600"},              {"Money", "fY", "40"},
    {"Money", "fYOffset", "20"},         {"Money", "fLetterWidth", "10"},
    {"Money", "fLetterHeight", "14"},    {"Money", "fLetterOffset", "1.0"},
    {"Ammo", "fX", "600"},               {"Ammo", "fY", "100"},
    {"Ammo", "fXOffset", "10"},          {"Ammo", "fYOffset", "20"},
    {"Ammo", "fLetterWidth", "13"},      {"Ammo", "fLetterHeight", "16"},
    {"Ammo", "fLetterOffset", "1.1"},
    {"Crosshair", "fX", "320"},          {"Crosshair", "fY", "224"},
    {"Crosshair", "fWidth", "20"},       {"Crosshair", "fHeight", "20"},
    {"Star", "fX", "600"},               {"Star", "fY", "140"},
    {"Star", "fWidth", "10"},            {"Star", "fHeight", "10"},
    {"Star", "fOffset", "2"},
};

struct DefaultColor {
  const char* section;
  const char* stem;
  unsigned argb;
};

const DefaultColor kCompleteColors[] = {
    {"RadarBar", "iHealthColor", 0xFFAA0000}, {"RadarBar", "iArmorColor", 0xFFDDDDDD},
    {"RadarBar", "iOxygenColor", 0xFF4080FF}, {"RadarBar", "iBorderColor", 0xFF000000},
    {"Money", "iPositiveColor", 0xFF00AA00},  {"Money", "iNegativeColor", 0xFFAA0000},
    {"Ammo", "iTotalColor", 0xFFFFFFFF},      {"Ammo", "iClipColor", 0xFFCCCCCC},
    {"Crosshair", "iReadyColor", 0xFFFFFFFF}, {"Crosshair", "iReloadColor", 0xFFFF4000},
    {"Star", "iFullColor", 0xFFFFD700},       {"Star", "iEmptyColor", 0x80404040},
};

}  // namespace

SettingsFile SettingsFile::Complete() {
  SettingsFile file;
  for (const auto& row : kCompleteSettings) file.Set(row[0], row[1], row[2]);
  for (const DefaultColor& color : kCompleteColors) file.SetColor(color.section, color.stem, color.argb);
  return file;
}

SettingsFile& SettingsFile::Set(const std::string& section, const std::string& key,
                                const std::string& value) {
  for (Entry& entry : entries_) {
    if (entry.section == section && entry.key == key) {
      entry.value = value;
      return *this;
    }
  }
  entries_.push_back({section, key, value});
  return *this;
}

SettingsFile& SettingsFile::SetColor(const std::string& section, const std::string& stem,
                                     unsigned argb) {
  Set(section, stem + "A", std::to_string((argb >> 24) & 0xFF));
  Set(section, stem + "R", std::to_string((argb >> 16) & 0xFF));
  Set(section, stem + "G", std::to_string((argb >> 8) & 0xFF));
  return Set(section, stem + "B", std::to_string(argb & 0xFF));
}

SettingsFile& SettingsFile::Remove(const std::string& section, const std::string& key) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [&](const Entry& e) { return e.section == section && e.key == key; }),
                 entries_.end());
  return *this;
}

std::string SettingsFile::Text() const {
  std::vector<std::string> sections;
  for (const Entry& entry : entries_) {
    if (std::find(sections.begin(), sections.end(), entry.section) == sections.end()) {
      sections.push_back(entry.section);
    }
  }
  std::string text;
  for (const std::string& section : sections) {
    text += "[" + section + "]\n";
    for (const Entry& entry : entries_) {
      if (entry.section == section) text += entry.key + "=" + entry.value + "\n";
    }
  }
  return text;
}
