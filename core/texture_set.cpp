#include "core/texture_set.h"

#include <cstring>

#include "core/host.h"

TextureSetRecord TextureSet{};

namespace {

struct TextureFile {
  const char* path;
  stTextureInfo** slot;
};

const TextureFile kTextureFiles[] = {
    {"SAMPFUNCS\\Velomark\\star\\star.png", &TextureSet.starTexture},
    {"SAMPFUNCS\\Velomark\\crosshairs\\pistol.png", &TextureSet.crosshairTextures[0]},
    {"SAMPFUNCS\\Velomark\\crosshairs\\shotgun.png", &TextureSet.crosshairTextures[1]},
    {"SAMPFUNCS\\Velomark\\crosshairs\\smg.png", &TextureSet.crosshairTextures[2]},
    {"SAMPFUNCS\\Velomark\\crosshairs\\assault.png", &TextureSet.crosshairTextures[3]},
    {"SAMPFUNCS\\Velomark\\characters\\0.png", &TextureSet.glyphTextures[0]},
    {"SAMPFUNCS\\Velomark\\characters\\1.png", &TextureSet.glyphTextures[1]},
    {"SAMPFUNCS\\Velomark\\characters\\2.png", &TextureSet.glyphTextures[2]},
    {"SAMPFUNCS\\Velomark\\characters\\3.png", &TextureSet.glyphTextures[3]},
    {"SAMPFUNCS\\Velomark\\characters\\4.png", &TextureSet.glyphTextures[4]},
    {"SAMPFUNCS\\Velomark\\characters\\5.png", &TextureSet.glyphTextures[5]},
    {"SAMPFUNCS\\Velomark\\characters\\6.png", &TextureSet.glyphTextures[6]},
    {"SAMPFUNCS\\Velomark\\characters\\7.png", &TextureSet.glyphTextures[7]},
    {"SAMPFUNCS\\Velomark\\characters\\8.png", &TextureSet.glyphTextures[8]},
    {"SAMPFUNCS\\Velomark\\characters\\9.png", &TextureSet.glyphTextures[9]},
    {"SAMPFUNCS\\Velomark\\characters\\dollar.png", &TextureSet.glyphTextures[kDollarGlyph]},
    {"SAMPFUNCS\\Velomark\\characters\\+.png", &TextureSet.glyphTextures[kPlusGlyph]},
    {"SAMPFUNCS\\Velomark\\characters\\-.png", &TextureSet.glyphTextures[kMinusGlyph]},
};

constexpr const char kFailurePrefix[] = "Plugin {AA5555}'Velomark' {FFFFFF}could not load: ";
// Room for the prefix and every path with its separator.
char failureMessage[sizeof kFailurePrefix + 18 * 48];

void AppendFailure(const char* path) {
  const size_t used = std::strlen(failureMessage);
  const char* separator = used > std::strlen(kFailurePrefix) ? ", " : "";
  const size_t room = sizeof failureMessage - used;
  if (std::strlen(separator) + std::strlen(path) >= room) return;
  std::strcat(failureMessage, separator);
  std::strcat(failureMessage, path);
}

}  // namespace

void LoadTextureSet() {
  std::strcpy(failureMessage, kFailurePrefix);
  bool anyFailed = false;
  for (const TextureFile& file : kTextureFiles) {
    *file.slot = SF->getRender()->LoadTextureFromFile(file.path);
    if (*file.slot == nullptr) {
      anyFailed = true;
      AppendFailure(file.path);
    }
  }
  if (!anyFailed) failureMessage[0] = '\0';
}

const char* TextureFailureMessage() { return failureMessage[0] ? failureMessage : nullptr; }
