#pragma once
// The mean colour of a rectangle of a picture, for scaling pictures down by box filters.
#include <cstdint>

#include "engine/draw/picture.h"

// The red, green and blue fields of the w x h texels from (x, y) each summed and divided by the
// texel count, truncating. The rectangle is cut to the picture; 0 when nothing of it is left, or
// when the picture is not of the function's format: 0 (an 8-bit index per texel), 1 or 2 (an 8- or
// 16-bit block index per 2 x 2 texels).
uint16_t AverageTexelsPal8(const SPicture& picture, int x, int y, int w, int h);
uint16_t AverageTexelsVq8(const SPicture& picture, int x, int y, int w, int h);
uint16_t AverageTexelsVq16(const SPicture& picture, int x, int y, int w, int h);
