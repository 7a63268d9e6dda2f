// Drawing into a frame as the game's Direct3D 9 sprite layer does, in exact integer arithmetic
// so that a snapshot is the same on every machine and every pixel can be checked by hand.
//
// Colours are 32-bit ARGB: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
//
// Source pixel. A box's source is its colour. A texture's source is the sampled texel with each
// channel, alpha included, multiplied by the matching channel of the colour: round(t × c / 255).
// So a white texel takes the colour exactly, and texel alpha and colour alpha multiply.
//
// Sampling is nearest-texel. The texture is stretched over the whole w × h rectangle; the pixel
// at offset i of w takes texel floor((2i + 1) × textureWidth / (2w)), the texel under the pixel's
// centre (the same for rows). No filtering, so no colour appears that the texture lacks.
//
// Blending is source-over with straight alpha; a source alpha of 0 leaves the pixel untouched.
// With a the source alpha and d the frame's alpha, the new values are
//   alpha  = round((a × 255 + d × (255 - a)) / 255)
//   colour = round((s × a × 255 + f × d × (255 - a)) / (a × 255 + d × (255 - a)))
// with s and f the source's and the frame's channel, halves rounded up. Over an opaque frame
// this is the familiar round((s × a + f × (255 - a)) / 255) and the frame stays opaque.
//
// Clipping. The rectangle covers [x, x + w) × [y, y + h), computed without overflow for any
// int32 values; what lies outside the frame is dropped. A width or height of zero or less draws
// nothing, and so does a frame or texture whose pixel data does not match its size, or an empty
// texture. Rotation is not modelled: the module always draws upright.
#pragma once

#include <cstdint>

#include "sim/render/image.h"

// The backdrop under every snapshot: a checker of two mid greys, so that white glyphs and dark
// boxes both stand out. The cell at (0, 0) is light.
inline constexpr int32_t kBackdropCellSize = 32;
inline constexpr Rgba kBackdropLight{0x74, 0x74, 0x74, 0xFF};
inline constexpr Rgba kBackdropDark{0x64, 0x64, 0x64, 0xFF};

// Covers the whole frame with the opaque backdrop. The frame's size stays as it is.
void FillBackdrop(Image& frame);

// Fills the rectangle with the colour, blended over the frame.
void BlendBox(Image& frame, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t argb);

// Draws the texture stretched over the rectangle, tinted by the colour, blended over the frame.
void BlendTexture(Image& frame, const Image& texture, int32_t x, int32_t y, int32_t w, int32_t h,
                  uint32_t argb);
