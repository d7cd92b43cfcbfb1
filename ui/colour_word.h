#pragma once
// Colour words: the interface's colours as u32 with 8-bit red in the lowest byte, then green, then
// blue. Widgets and dialogs keep them in this form and turn them into RGB565 only when drawing.
#include <cstdint>

#include "engine/draw/picture.h"

inline int ColourWordRed(uint32_t word) { return int(word & 0xFF); }
inline int ColourWordGreen(uint32_t word) { return int((word >> 8) & 0xFF); }
inline int ColourWordBlue(uint32_t word) { return int((word >> 16) & 0xFF); }
inline uint32_t MakeColourWord(int red, int green, int blue) {
    return uint32_t(red & 0xFF) | uint32_t(green & 0xFF) << 8 | uint32_t(blue & 0xFF) << 16;
}

// The one way a colour word becomes a pixel: each channel rounded to the nearest RGB565 step.
inline uint16_t ColourWord565(uint32_t word) {
    return MakeColor565(ColourWordRed(word), ColourWordGreen(word), ColourWordBlue(word));
}
