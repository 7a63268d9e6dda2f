#include <iostream>

#include "sim/cli/png_files.h"
#include "sim/render/png_io.h"

bool WritesSnapshots() { return true; }

// The player previewing a layout is told why a texture is missing from the snapshots.
bool DecodeTexture(const char* path, Image& image) {
  std::string error;
  if (LoadPng(path, image, error)) return true;
  std::cerr << "velomark-sim: warning: " << error << " (the plug-in gets a null texture)\n";
  return false;
}

bool WriteSnapshot(const std::string& path, const Image& frame, std::string& error) {
  return SavePng(path, frame, error);
}
