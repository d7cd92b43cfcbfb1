#pragma once
// Which characters each font strip holds, in strip order, and how wide each is. The strips lie in
// the interface package (records 3010 to 3014) with one empty column between neighbouring glyphs.
#include <array>
#include <cstdint>
#include <span>

struct SGlyph {
    uint8_t code;
    uint8_t width;
};

// Characters a strip does not hold take columns 0 to 5.
constexpr uint16_t kUnnamedGlyphStart = 0;
constexpr uint16_t kUnnamedGlyphEnd = 5;

// Empty for a record that is not a font strip.
std::span<const SGlyph> GlyphList(uint16_t recordId);
// First and end column of every character code in the strip.
void GlyphColumns(uint16_t recordId, std::array<uint16_t, 256>& start, std::array<uint16_t, 256>& end);
// Columns of the whole strip: every glyph and the empty column after it.
uint32_t StripWidth(uint16_t recordId);
