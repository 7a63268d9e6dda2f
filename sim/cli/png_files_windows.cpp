// Without a PNG library: a texture loads when its file starts as a PNG file does, and no
// snapshot is written. The trace is the same as the native build's for every texture that is
// present and a sound PNG, or absent; only a damaged PNG would load here and not natively.
#include <array>
#include <fstream>
#include <iostream>

#include "sim/cli/png_files.h"

namespace {
constexpr std::array<char, 8> kPngSignature = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1A', '\n'};
}  // namespace

bool WritesSnapshots() { return false; }

// The image stays empty: nothing composites it, since no snapshot is written.
bool DecodeTexture(const char* path, Image&) {
  std::array<char, kPngSignature.size()> start{};
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::cerr << "velomark-sim: warning: " << path
              << ": cannot be opened (the plug-in gets a null texture)\n";
    return false;
  }
  if (!file.read(start.data(), start.size()) || start != kPngSignature) {
    std::cerr << "velomark-sim: warning: " << path
              << ": not a PNG file (the plug-in gets a null texture)\n";
    return false;
  }
  return true;
}

bool WriteSnapshot(const std::string& path, const Image&, std::string& error) {
  error = path + ": this build of velomark-sim writes no PNG files";
  return false;
}
