// Numbers drawn as glyph strips, right to left, one texture per digit.
#pragma once

#include <cstdint>

#include "core/settings.h"

// The number of decimal digits of n's magnitude; 1 for 0, 10 for the most negative value.
int32_t CountDigits(int32_t n);

// The pen one glyph advance further left: the advance is ScaleX(fLetterWidth) * fLetterOffset in
// single precision, and the new position is truncated toward zero at once, so fractional
// advances never accumulate.
int32_t StepPen(int32_t pen, float fLetterWidth, float fLetterOffset);

// Draws glyph (0-9 digits, then dollar, plus, minus) with its left edge at pen. A glyph whose
// texture the host could not load is skipped.
void DrawGlyph(int32_t glyph, int32_t pen, int32_t y, float fLetterWidth, float fLetterHeight,
               ArgbColor color);

// Draws the digits of value's magnitude, units first at pen, each further digit one step left.
// Returns the pen one step left of the last digit drawn. Signs are the caller's to draw.
int32_t DrawDigitStrip(int32_t value, int32_t pen, int32_t y, float fLetterWidth,
                       float fLetterHeight, float fLetterOffset, ArgbColor color);
