#pragma once
// Texel addressing of the three texel formats, as span functions read it: a picture row or column
// fixed for a whole span with the position along it varying, or both coordinates varying. Positions
// are 20.12 texels and must lie inside the picture; Index gives what is stored for a texel (a
// colour index, or a block index in formats 1 and 2) and Entry the colour-table entry it names.
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

// A block's colours lie in the order (even x, even y), (odd x, even y), (even x, odd y), (odd x,
// odd y).
inline uint32_t BlockEntry(uint32_t block, uint32_t x, uint32_t y) { return 4 * block + 2 * (y & 1) + (x & 1); }

}  // namespace texel_access

// Along a picture row: the row is fixed, the column varies (walls, sky, billboards).
template <int kFormat>
class SAlongRow {
public:
    static constexpr bool kBlocks = texel_access::kBlocks<kFormat>;

    SAlongRow(const uint8_t* data, int32_t stride, int32_t row)
        : m_row(data + ptrdiff_t(kBlocks ? row >> 1 : row) * stride * texel_access::kEntryBytes<kFormat>),
          m_row1(uint32_t(row)) {}

    uint32_t Index(uint32_t column) const {
        if constexpr (kBlocks) return texel_access::Load<kFormat>(m_row + (column >> 13) * texel_access::kEntryBytes<kFormat>);
        return m_row[column >> 12];
    }
    uint32_t Entry(uint32_t index, uint32_t column) const {
        if constexpr (kBlocks) return texel_access::BlockEntry(index, column >> 12, m_row1);
        return index;
    }

private:
    const uint8_t* m_row;
    uint32_t m_row1;  // the row, for its half of a block
};

// Along a picture column: the column is fixed, the row varies (keyed upright quads).
template <int kFormat>
class SAlongColumn {
public:
    static constexpr bool kBlocks = texel_access::kBlocks<kFormat>;

    SAlongColumn(const uint8_t* data, int32_t stride, int32_t column)
        : m_column(data + ptrdiff_t(kBlocks ? column >> 1 : column) * texel_access::kEntryBytes<kFormat>),
          m_rowBytes(ptrdiff_t(stride) * texel_access::kEntryBytes<kFormat>),
          m_column1(uint32_t(column)) {}

    uint32_t Index(uint32_t row) const {
        if constexpr (kBlocks) return texel_access::Load<kFormat>(m_column + ptrdiff_t(row >> 13) * m_rowBytes);
        return m_column[ptrdiff_t(row >> 12) * m_rowBytes];
    }
    uint32_t Entry(uint32_t index, uint32_t row) const {
        if constexpr (kBlocks) return texel_access::BlockEntry(index, m_column1, row >> 12);
        return index;
    }

private:
    const uint8_t* m_column;
    ptrdiff_t m_rowBytes;
    uint32_t m_column1;  // the column, for its half of a block
};

// Anywhere in the picture: column and row both vary (the rotated picture).
template <int kFormat>
class SAnyTexel {
public:
    static constexpr bool kBlocks = texel_access::kBlocks<kFormat>;

    SAnyTexel(const uint8_t* data, int32_t stride) : m_data(data), m_stride(stride) {}

    uint32_t Index(uint32_t column, uint32_t row) const {
        const int shift = kBlocks ? 13 : 12;
        const ptrdiff_t entry = ptrdiff_t(row >> shift) * m_stride + (column >> shift);
        return texel_access::Load<kFormat>(m_data + entry * texel_access::kEntryBytes<kFormat>);
    }
    uint32_t Entry(uint32_t index, uint32_t column, uint32_t row) const {
        if constexpr (kBlocks) return texel_access::BlockEntry(index, column >> 12, row >> 12);
        return index;
    }

private:
    const uint8_t* m_data;
    ptrdiff_t m_stride;
};

// Which texels leave the pixel as it is.
enum class SKeying {
    Opaque,             // none: every texel is drawn, block 0 with its colours
    Keyed,              // the key colour 0xFFFF, and block 0 without its colours being read
    KeyedWithIndexZero  // as keyed, and also colour index 0 of format 0
};

// The colour of the texel at position, false when the keying leaves the pixel.
template <SKeying kKeying, class Texels, class... Position>
bool ReadColour(const Texels& texels, const uint8_t* palette, uint16_t& colour, Position... position) {
    const uint32_t index = texels.Index(position...);
    if constexpr (kKeying != SKeying::Opaque) {
        if ((Texels::kBlocks || kKeying == SKeying::KeyedWithIndexZero) && index == 0) return false;
    }
    colour = ReadLE16(palette + 2 * texels.Entry(index, position...));
    return kKeying == SKeying::Opaque || colour != SPicture::kTransparent;
}
