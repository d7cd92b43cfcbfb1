#pragma once
// SDecodedPicture: a picture drawn once into RGB565 pixels of its own, so that blitting it copies
// rows instead of looking up every pixel's colour.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/draw/picture.h"

// Where a drawn picture's colours come from. Its own table lives and dies with its record, so its
// address names it; a palette record can give way to another one at the same address, so a
// palette's colours are compared as well.
enum class SColourSource { OwnTable, Palette };

// The picture as one colour table shows it: every pixel as opaque drawing shows it and, for a
// block picture whose block index 0 hides colours other than the key, a second set with the key
// colour wherever keyed drawing leaves a pixel out. Two bytes a pixel (four for such a block
// picture), made again only when the picture or its colours change.
class SDecodedPicture {
public:
    // Brings the pixels up to date with the picture as drawn with its current colour table.
    void Update(const SPicture& drawn, SColourSource source);
    void Release();

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    std::span<const uint16_t> Opaque() const { return m_opaque; }
    // Keyed drawing writes every pixel of these but the key colour.
    std::span<const uint16_t> Keyed() const { return m_keyed.empty() ? Opaque() : m_keyed; }
    // The memory the copy holds.
    size_t Bytes() const;

private:
    bool Shows(const SPicture& drawn, SColourSource source) const;

    const uint8_t* m_texels = nullptr;  // the picture shown; null when nothing is
    const uint8_t* m_table = nullptr;
    SColourSource m_source = SColourSource::OwnTable;
    std::vector<uint8_t> m_paletteColours;  // a palette's bytes that the texels reach
    int m_width = 0;
    int m_height = 0;
    std::vector<uint16_t> m_opaque;
    std::vector<uint16_t> m_keyed;  // empty when keyed drawing leaves out only the key colour
};
