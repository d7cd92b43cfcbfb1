#pragma once
// The texture descriptor the 3-D fillers read texels through.
#include <cstdint>

#include "engine/draw/decoded_picture.h"
#include "engine/draw/picture.h"

// A picture as the fillers see it. Format 0 holds one colour index per texel, rows of width bytes;
// formats 1 and 2 one 8- or 16-bit block index per 2x2 texels, rows of width / 2 entries, and a
// block's four colours lie at 4 x index + 2 x (y & 1) + (x & 1) in the colour table.
struct SRenderTexture {
    uint8_t m_format = 0;
    int16_t m_width = 0;   // texels along a picture row
    int16_t m_height = 0;  // picture rows
    const uint8_t* m_data = nullptr;
    const uint8_t* m_palette = nullptr;  // RGB565 entries, little-endian as stored
    // The texels already looked up, RGB565 in rows of m_width, where the picture has such a copy:
    // floor fillers read it in one load where the indices take two.
    const uint16_t* m_colours = nullptr;

    // Index entries per picture row.
    int32_t Stride() const { return m_format == 0 ? m_width : m_width >> 1; }
    // Whether there is anything to draw with: a known format and at least one texel. A filler
    // given anything else draws nothing.
    bool Drawable() const { return m_format <= 2 && m_width > 0 && m_height > 0 && m_data && m_palette; }
    // Two textures whose texels lie in the same places.
    bool SameLayout(const SRenderTexture& other) const {
        return m_format == other.m_format && m_width == other.m_width && m_height == other.m_height;
    }
};

// Points the texture at a checked picture's texels and colours (the picture's own colour table, or
// the palette it draws with). The picture's checks are what lets the fillers read without any:
// every index its texels hold names a colour of the table.
void SetTextureFromPicture(SRenderTexture& texture, const SPicture& picture);

// Lets the fillers that can read them use a decoded copy's colours, when the copy is the texture's
// size; otherwise they read the indices.
void UseDecodedColours(SRenderTexture& texture, const SDecodedPicture& decoded);
