#pragma once
// The picture record every picture of the game is stored in, and the RGB565 packing drawing shares.
#include <cstdint>
#include <span>
#include <vector>

#include "engine/base/byte_order.h"
#include "engine/base/read_error.h"

// A picture record's bytes: indices are one per pixel (format 0) or one per 2x2 block (formats 1
// and 2), rows top to bottom; the colour table follows on an even offset. The foot offset goes in
// byte 1.
std::vector<uint8_t> BuildPictureRecord(int format, int width, int height, std::span<const uint32_t> indices,
                                        std::span<const uint16_t> colours, int footOffset = 0);

// Packs 8-bit channels into RGB565, each rounded to the nearest step rather than cut.
uint16_t MakeColor565(int red, int green, int blue);

// A picture record checked against its own bytes: the header, the texels and every colour they
// name lie inside the record, so drawing can read without further checks. It points into the
// record and owns nothing, so the record must outlive it.
class SPicture {
public:
    static constexpr uint16_t kTransparent = 0xFFFF;  // the key colour of keyed drawing
    static constexpr uint32_t kHeaderBytes = 8;

    // Bytes of texel data for a picture of this format and size; any format but 0 and 2 counts a
    // byte per 2x2 block.
    static uint32_t TexelBytes(int format, int width, int height);
    // Where the picture's own colour table starts: behind the texels, on an even offset.
    static uint32_t PaletteOffset(int format, int width, int height);

    // Points this picture at a record when it holds together; otherwise leaves the picture as it
    // was and sets the error's offset and what. The file and record the caller names are kept.
    bool Read(std::span<const uint8_t> record, SReadError& error);
    // Draws with a palette resource (a bare RGB565 table) in place of the picture's own table.
    // Refused, leaving the table as it was, when the palette is shorter than the texels need.
    bool UsePalette(std::span<const uint8_t> palette, SReadError& error);

    int Format() const { return m_format; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Texel rows from the bottom edge up to the point that stands on the ground, as the 3-D view
    // places the picture; 2-D drawing ignores it.
    int FootOffset() const { return m_footOffset; }
    // Indices per texel row: one per pixel in format 0, one per 2x2 block in formats 1 and 2.
    int RowLength() const { return m_format == 0 ? m_width : m_width >> 1; }
    const uint8_t* Texels() const { return m_texels; }
    // The colour table as stored: little-endian RGB565 entries.
    const uint8_t* Palette() const { return m_colours; }
    uint16_t Colour(uint32_t entry) const { return ReadLE16(m_colours + 2 * entry); }
    // Table entries the texels reach: the highest entry they name, plus one.
    uint32_t ColoursUsed() const { return m_coloursUsed; }

private:
    int m_format = 0;
    int m_width = 0;
    int m_height = 0;
    int m_footOffset = 0;
    const uint8_t* m_texels = nullptr;
    const uint8_t* m_colours = nullptr;
    uint32_t m_coloursUsed = 0;
};
