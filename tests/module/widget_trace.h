// Trace lines of the widgets' draw calls as the recording host writes them, and what a row of
// glyphs in a frame reads as. Shared by the widget tests.
#pragma once

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/settings_file.h"

inline std::string BoxLine(int x, int y, int w, int h, uint32_t color) {
  char line[96];
  std::snprintf(line, sizeof line, "DrawBox %d %d %d %d 0x%08" PRIX32, x, y, w, h, color);
  return line;
}

// A DrawTexture line of one of the module's texture files, named below SAMPFUNCS\Velomark\,
// drawn unrotated.
inline std::string TextureLine(const std::string& file, int x, int y, int w, int h,
                               uint32_t color) {
  char line[160];
  std::snprintf(line, sizeof line, "DrawTexture SAMPFUNCS\\Velomark\\%s %d %d %d %d 0 0x%08" PRIX32,
                file.c_str(), x, y, w, h, color);
  return line;
}

// A glyph by its file name without ".png": "0" to "9", "dollar", "+", "-".
inline std::string GlyphLine(const std::string& glyph, int x, int y, int w, int h,
                             uint32_t color) {
  return TextureLine("characters\\" + glyph + ".png", x, y, w, h, color);
}

// The draw calls of a trace, without the markers of the main loop, the frame and the pass.
inline std::vector<std::string> DrawCalls(const std::vector<std::string>& trace) {
  std::vector<std::string> draws;
  for (const std::string& line : trace) {
    if (line.rfind("Draw", 0) == 0) draws.push_back(line);
  }
  return draws;
}

namespace widget_trace_detail {

struct DrawnTexture {
  std::string path;
  int x = 0, y = 0;
  uint32_t color = 0;
};

inline bool ParseDrawTexture(const std::string& line, DrawnTexture& drawn) {
  std::istringstream in(line);
  std::string call, width, height, rotation, color;
  if (!(in >> call >> drawn.path >> drawn.x >> drawn.y >> width >> height >> rotation >> color) ||
      call != "DrawTexture") {
    return false;
  }
  drawn.color = static_cast<uint32_t>(std::stoul(color, nullptr, 16));
  return true;
}

// '0' to '9', '$', '+' or '-' for the thirteen glyph files; '?' for any other texture.
inline char GlyphChar(const std::string& path) {
  const std::string folder = "SAMPFUNCS\\Velomark\\characters\\";
  if (path.rfind(folder, 0) != 0) return '?';
  const std::string name = path.substr(folder.size());
  if (name.size() == 5 && name[0] >= '0' && name[0] <= '9' && name.substr(1) == ".png") {
    return name[0];
  }
  if (name == "dollar.png") return '$';
  if (name == "+.png") return '+';
  if (name == "-.png") return '-';
  return '?';
}

inline std::string ReadRow(const std::vector<std::string>& trace, int y, bool anyColor,
                           uint32_t color) {
  std::vector<std::pair<int, char>> glyphs;
  DrawnTexture drawn;
  for (const std::string& line : trace) {
    if (!ParseDrawTexture(line, drawn) || drawn.y != y) continue;
    if (!anyColor && drawn.color != color) continue;
    glyphs.emplace_back(drawn.x, GlyphChar(drawn.path));
  }
  std::stable_sort(glyphs.begin(), glyphs.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string text;
  for (const auto& glyph : glyphs) text += glyph.second;
  return text;
}

}  // namespace widget_trace_detail

// What the textures drawn with their top at y read as from left to right: digits, '$', '+' and
// '-' for the glyphs, '?' for any other texture; empty when nothing is drawn there.
inline std::string GlyphText(const std::vector<std::string>& trace, int y) {
  return widget_trace_detail::ReadRow(trace, y, true, 0);
}
// The same, of the textures drawn in one colour only.
inline std::string GlyphText(const std::vector<std::string>& trace, int y, uint32_t color) {
  return widget_trace_detail::ReadRow(trace, y, false, color);
}

// The complete test settings with only the named Components switches on.
inline SettingsFile OnlyComponents(std::initializer_list<const char*> on) {
  SettingsFile settings = SettingsFile::Complete();
  for (const char* key : {"bRadarBar", "bMoney", "bAmmo", "bCrosshair", "bStar"}) {
    const bool enabled = std::find_if(on.begin(), on.end(), [&](const char* name) {
                           return std::string(name) == key;
                         }) != on.end();
    settings.Set("Components", key, enabled ? "true" : "false");
  }
  return settings;
}

// Names each case of a parameterised test after its `name` member.
struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& test) const {
    return test.param.name;
  }
};
