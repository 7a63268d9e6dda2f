// PNG files for the simulator: textures are read from them and snapshots written to them.
#pragma once

#include <string>

#include "sim/render/image.h"

// Reads a PNG of any colour type and bit depth, interlaced or not, as 8-bit RGBA: palettes and
// grey are expanded to RGB, transparency chunks become alpha, images without alpha are opaque and
// 16-bit samples are scaled to 8 bits with rounding. Gamma and colour-space chunks are ignored:
// samples are taken as stored. Images wider or taller than 8192 pixels are refused.
// On failure (missing, unreadable, not a PNG, corrupt or truncated) returns false, sets error to
// a sentence naming the file and the cause, and leaves out unchanged.
bool LoadPng(const std::string& path, Image& out, std::string& error);

// Writes the image as an 8-bit RGBA PNG, compressed for speed rather than size. The file is
// written under a temporary name in the same folder and then renamed over path, so path holds
// either its old content or the complete new image, never a partial one; on failure the temporary
// file is removed and error says why. An image without pixels or whose data does not match its
// size is refused.
bool SavePng(const std::string& path, const Image& image, std::string& error);
