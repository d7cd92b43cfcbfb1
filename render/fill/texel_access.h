#pragma once
// Texel addressing of the three texel formats, as span functions read it: a picture row or column
// fixed for a whole span with the position along it varying, or both coordinates varying. Positions
// are 20.12 texels and must lie inside the picture; Index gives what is stored for a texel (a
// colour index, or a block index in formats 1 and 2) and Colour the colour it names.
#include <cstddef>
#include <cstdint>

#include "engine/base/byte_order.h"
#include "engine/draw/picture.h"

namespace texel_access {

template <int kFormat>
constexpr bool kBlocks = kFormat != 0;
template <int kFormat>
constexpr ptrdiff_t kEntryBytes = kFormat == 2 ? 2 : 1;

template <int kFormat>
uint32_t Load(const uint8_t* entry) {
    if constexpr (kFormat == 2) return ReadLE16(entry);
    return *entry;
}

// A block's four colours lie in the order (even x, even y), (odd x, even y), (even x, odd y), (odd
// x, odd y): 8 bytes of the table per block index, the odd row 4 bytes in, the odd column 2.
inline const uint8_t* BlockColours(const uint8_t* palette, uint32_t block) { return palette + 8 * ptrdiff_t(block); }
inline ptrdiff_t OddRowBytes(uint32_t y) { return 4 * ptrdiff_t(y & 1); }
inline ptrdiff_t OddColumnBytes(uint32_t x) { return 2 * ptrdiff_t(x & 1); }

}  // namespace texel_access

// Along a picture row: the row is fixed, the column varies (walls, sky, billboards).
template <int kFormat>
class SAlongRow {
public:
    static constexpr bool kBlocks = texel_access::kBlocks<kFormat>;

    SAlongRow(const uint8_t* data, const uint8_t* palette, int32_t stride, int32_t row)
        : m_row(data + ptrdiff_t(kBlocks ? row >> 1 : row) * stride * texel_access::kEntryBytes<kFormat>),
          m_palette(kBlocks ? palette + texel_access::OddRowBytes(uint32_t(row)) : palette) {}

    uint32_t Index(uint32_t column) const {
        if constexpr (kBlocks)
            return texel_access::Load<kFormat>(m_row + (column >> 13) * texel_access::kEntryBytes<kFormat>);
        return m_row[column >> 12];
    }
    uint16_t Colour(uint32_t index, uint32_t column) const {
        if constexpr (kBlocks) {
            return ReadLE16(texel_access::BlockColours(m_palette, index) + texel_access::OddColumnBytes(column >> 12));
        }
        return ReadLE16(m_palette + 2 * index);
    }

private:
    const uint8_t* m_row;
    const uint8_t* m_palette;  // block formats: at the row's half of each block
};

// Along a picture column: the column is fixed, the row varies (keyed upright quads).
template <int kFormat>
class SAlongColumn {
public:
    static constexpr bool kBlocks = texel_access::kBlocks<kFormat>;

    SAlongColumn(const uint8_t* data, const uint8_t* palette, int32_t stride, int32_t column)
        : m_column(data + ptrdiff_t(kBlocks ? column >> 1 : column) * texel_access::kEntryBytes<kFormat>),
          m_rowBytes(ptrdiff_t(stride) * texel_access::kEntryBytes<kFormat>),
          m_palette(kBlocks ? palette + texel_access::OddColumnBytes(uint32_t(column)) : palette) {}

    uint32_t Index(uint32_t row) const {
        if constexpr (kBlocks) return texel_access::Load<kFormat>(m_column + ptrdiff_t(row >> 13) * m_rowBytes);
        return m_column[ptrdiff_t(row >> 12) * m_rowBytes];
    }
    uint16_t Colour(uint32_t index, uint32_t row) const {
        if constexpr (kBlocks) {
            return ReadLE16(texel_access::BlockColours(m_palette, index) + texel_access::OddRowBytes(row >> 12));
        }
        return ReadLE16(m_palette + 2 * index);
    }

private:
    const uint8_t* m_column;
    ptrdiff_t m_rowBytes;
    const uint8_t* m_palette;  // block formats: at the column's half of each block
};

// Anywhere in the picture: column and row both vary (the rotated picture).
template <int kFormat>
class SAnyTexel {
public:
    static constexpr bool kBlocks = texel_access::kBlocks<kFormat>;

    SAnyTexel(const uint8_t* data, const uint8_t* palette, int32_t stride)
        : m_data(data), m_palette(palette), m_stride(stride) {}

    uint32_t Index(uint32_t column, uint32_t row) const {
        const int shift = kBlocks ? 13 : 12;
        const ptrdiff_t entry = ptrdiff_t(row >> shift) * m_stride + (column >> shift);
        return texel_access::Load<kFormat>(m_data + entry * texel_access::kEntryBytes<kFormat>);
    }
    uint16_t Colour(uint32_t index, uint32_t column, uint32_t row) const {
        if constexpr (kBlocks) {
            return ReadLE16(texel_access::BlockColours(m_palette, index) + texel_access::OddRowBytes(row >> 12) +
                            texel_access::OddColumnBytes(column >> 12));
        }
        return ReadLE16(m_palette + 2 * index);
    }

private:
    const uint8_t* m_data;
    const uint8_t* m_palette;
    ptrdiff_t m_stride;
};

// Which texels leave the pixel as it is.
enum class SKeying {
    Opaque,             // none: every texel is drawn, block 0 with its colours
    Keyed,              // the key colour 0xFFFF, and block 0 whatever its colours
    KeyedWithIndexZero  // as keyed, and also colour index 0 of format 0
};

// The colour of the texel at position. Keyed reading answers the key colour for every texel that
// leaves the pixel; the index-0 colours it reads then are there (a checked picture's table covers
// them) and go unused, which spares the inner loop a branch.
template <SKeying kKeying, class Texels, class... Position>
uint16_t ReadColour(const Texels& texels, Position... position) {
    const uint32_t index = texels.Index(position...);
    const uint16_t colour = texels.Colour(index, position...);
    constexpr bool kIndexZeroKeyed = kKeying == SKeying::KeyedWithIndexZero ||
                                     (kKeying == SKeying::Keyed && Texels::kBlocks);
    if constexpr (kIndexZeroKeyed) return index == 0 ? SPicture::kTransparent : colour;
    return colour;
}
