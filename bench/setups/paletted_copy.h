#pragma once
// The baseline the 3-D drawing is held to: a plain paletted copy, each pixel of the target a
// format-0 texel looked up in a 256-colour table and stored, row by row through the target's row
// spans. The work per pixel of any filler is this plus at most a look-up or two.
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/draw/raster_target.h"

// Texels one to a pixel of a width x height target, at random, with a table of random colours.
struct SPalettedSource {
    std::vector<uint8_t> texels;
    std::array<uint16_t, 256> table;

    SPalettedSource(int width, int height) : texels(size_t(width) * height) {
        std::mt19937 random(13);
        for (uint8_t& texel : texels) texel = uint8_t(random());
        for (uint16_t& colour : table) colour = uint16_t(random());
    }
};

inline void PalettedCopy(const SRasterTarget& target, const uint8_t* texels, const uint16_t* table) {
    for (int y = 0; y < target.m_height; ++y, texels += target.m_width) {
        const SRowSpan span = GetRowSpan(target, y, 0, target.m_width);
        ptrdiff_t offset = 0;
        for (int x = 0; x < span.m_count; ++x, offset += span.m_step) span.m_first[offset] = table[texels[x]];
    }
}
