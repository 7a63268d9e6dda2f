// The PNG files of a run: the textures the plug-in loads and the snapshots the run writes.
//
// The native build reads and writes them with libpng (png_files_libpng.cpp). Debian has no libpng
// for MinGW-w64, so the Windows build, which plays scenarios to compare the plug-in's trace under
// Windows with the native one, does without pixels (png_files_windows.cpp).
#pragma once

#include <string>

#include "sim/render/image.h"

// False in a build that writes no snapshots: a step's snapshot is then skipped.
bool WritesSnapshots();

// The host's texture decoder. False, after a warning on standard error, hands the plug-in a
// null texture, as the game does for a file it cannot load.
bool DecodeTexture(const char* path, Image& image);

// Writes the frame as a PNG file, atomically; false with the reason in error.
bool WriteSnapshot(const std::string& path, const Image& frame, std::string& error);
