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

// The interface's common colours.
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kLightGrey = 0xC8C8C8;
constexpr uint32_t kDarkGrey = 0x585858;
// The near-black of text on light frames, and of the shade under light text.
constexpr uint32_t kInk = 0x161616;
constexpr uint32_t kShade = kInk;
// The dark ink of the light pages: the spell book, the potion list and the journal.
constexpr uint32_t kPageInk = 0x00141E;
