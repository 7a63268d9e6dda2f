// A settings file for the tests, built from a complete default that individual tests change.
#pragma once

#include <string>
#include <utility>
#include <vector>

class SettingsFile {
 public:
  // Every key the module reads, with round values that make pixel positions easy to follow at
  // 640 x 448, where one canvas unit is one pixel.
  static SettingsFile Complete();

  // Sets (or adds) a key; a colour stem sets its four keys from one ARGB value.
  SettingsFile& Set(const std::string& section, const std::string& key, const std::string& value);
  SettingsFile& SetColor(const std::string& section, const std::string& stem, unsigned argb);
  SettingsFile& Remove(const std::string& section, const std::string& key);

  std::string Text() const;

 private:
  struct Entry {
    std::string section, key, value;
  };
  std::vector<Entry> entries_;
};
