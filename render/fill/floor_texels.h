#pragma once
// Texel reading of the floor fillers and the object-face filler: floor textures have rows of 256
// texels whatever their width (128 block entries in formats 1 and 2), and masks are 128 x 128 bits,
// one per 2 x 2 texel block, in rows of 16 bytes. The part of a texel's address that holds along a
// span is worked out once, when the span starts.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "engine/base/byte_order.h"
#include "render/fill/floor_layers.h"
#include "render/fill/texel_access.h"

// Which texel coordinates vary along a span: the column at facings 0 and 2 (NS), the row at
// facings 1 and 3 (EW), both at any other facing (Free).
enum class SFloorFamily { NS, EW, Free };

namespace floor_texels {

template <SFloorFamily kFamily>
constexpr bool kColumnVaries = kFamily != SFloorFamily::EW;
template <SFloorFamily kFamily>
constexpr bool kRowVaries = kFamily != SFloorFamily::NS;

}  // namespace floor_texels

// One texture at (column, row); the coordinate that holds along the span is given once.
template <int kFormat, SFloorFamily kFamily>
class SFloorTexture {
public:
    SFloorTexture(const SFloorLayers& layers, int layer, uint32_t column, uint32_t row)
        : m_data(layers.m_data[layer] +
                 kEntryBytes * ((kColumnVaries ? 0 : ColumnEntries(column)) + (kRowVaries ? 0 : RowEntries(row)))),
          m_palette(layers.m_palette[layer] + (kColumnVaries ? 0 : ColumnBytes(column)) +
                    (kRowVaries ? 0 : RowBytes(row))) {}

    uint16_t Colour(uint32_t column, uint32_t row) const {
        const ptrdiff_t entries = (kColumnVaries ? ColumnEntries(column) : 0) + (kRowVaries ? RowEntries(row) : 0);
        const uint32_t index = texel_access::Load<kFormat>(m_data + kEntryBytes * entries);
        if constexpr (!kBlocks) return ReadLE16(m_palette + 2 * ptrdiff_t(index));
        const ptrdiff_t within = (kColumnVaries ? ColumnBytes(column) : 0) + (kRowVaries ? RowBytes(row) : 0);
        return ReadLE16(texel_access::BlockColours(m_palette, index) + within);
    }

private:
    static constexpr bool kBlocks = texel_access::kBlocks<kFormat>;
    static constexpr ptrdiff_t kEntryBytes = texel_access::kEntryBytes<kFormat>;
    static constexpr bool kColumnVaries = floor_texels::kColumnVaries<kFamily>;
    static constexpr bool kRowVaries = floor_texels::kRowVaries<kFamily>;

    static ptrdiff_t ColumnEntries(uint32_t column) { return kBlocks ? column >> 1 : column; }
    static ptrdiff_t RowEntries(uint32_t row) {
        return kBlocks ? ptrdiff_t(row >> 1) * (floor_texels::kRowTexels / 2)
                       : ptrdiff_t(row) * floor_texels::kRowTexels;
    }
    // Where in a block's colours the texel's lie (nothing in format 0).
    static ptrdiff_t ColumnBytes(uint32_t column) { return kBlocks ? texel_access::OddColumnBytes(column) : 0; }
    static ptrdiff_t RowBytes(uint32_t row) { return kBlocks ? texel_access::OddRowBytes(row) : 0; }

    const uint8_t* m_data;
    const uint8_t* m_palette;
};

// A texture's decoded colours, one per texel.
template <SFloorFamily kFamily>
class SFloorTexture<SFloorLayers::kDecoded, kFamily> {
public:
    SFloorTexture(const SFloorLayers& layers, int layer, uint32_t column, uint32_t row)
        : m_colours(layers.m_colours[layer] + (kColumnVaries ? 0 : ptrdiff_t(column)) +
                    (kRowVaries ? 0 : ptrdiff_t(row) * floor_texels::kRowTexels)) {}

    uint16_t Colour(uint32_t column, uint32_t row) const {
        return m_colours[(kColumnVaries ? ptrdiff_t(column) : 0) +
                         (kRowVaries ? ptrdiff_t(row) * floor_texels::kRowTexels : 0)];
    }

private:
    static constexpr bool kColumnVaries = floor_texels::kColumnVaries<kFamily>;
    static constexpr bool kRowVaries = floor_texels::kRowVaries<kFamily>;

    const uint16_t* m_colours;
};

// A mask at (column, row). Its bit lies in little-endian 32-bit words, word (row >> 1) x 4 +
// (column >> 6), bit (column >> 1) & 31; read byte by byte that is byte (row >> 1) x 16 +
// (column >> 4), bit (column >> 1) & 7.
template <SFloorFamily kFamily>
class SFloorMask {
public:
    SFloorMask(const uint8_t* bits, uint32_t column, uint32_t row)
        : m_bits(bits + (kColumnVaries ? 0 : ptrdiff_t(column >> 4)) + (kRowVaries ? 0 : RowBytes(row))),
          m_shift(kColumnVaries ? 0 : (column >> 1) & 7) {}

    bool Set(uint32_t column, uint32_t row) const {
        const ptrdiff_t offset = (kColumnVaries ? ptrdiff_t(column >> 4) : 0) + (kRowVaries ? RowBytes(row) : 0);
        const uint32_t shift = kColumnVaries ? (column >> 1) & 7 : m_shift;
        return (m_bits[offset] >> shift & 1) != 0;
    }

private:
    static constexpr bool kColumnVaries = floor_texels::kColumnVaries<kFamily>;
    static constexpr bool kRowVaries = floor_texels::kRowVaries<kFamily>;

    static ptrdiff_t RowBytes(uint32_t row) { return ptrdiff_t(row >> 1) * floor_texels::kMaskRowBytes; }

    const uint8_t* m_bits;
    uint32_t m_shift;
};

// What a floor type does not read.
struct SNoLayer {
    template <class... Arguments>
    explicit SNoLayer(Arguments...) {}
};

// The texel choice of floor types 1 to 5 (type 10 reads as type 1):
// 1 A; 2 B where mask 1 is set, else A; 3 C where mask 2 is set, else as 2; 4 the overlay B unless
// it is 0xFFFF, then A; 5 the overlay C unless it is 0xFFFF, then as 2. Every choice stores a
// colour: there is no key colour here.
template <int kType, int kFormat, SFloorFamily kFamily>
class SFloorTexels {
public:
    SFloorTexels(const SFloorLayers& layers, uint32_t column, uint32_t row)
        : m_a(layers, 0, column, row),
          m_b(layers, 1, column, row),
          m_c(layers, 2, column, row),
          m_mask1(layers.m_masks[0], column, row),
          m_mask2(layers.m_masks[1], column, row) {}

    // Every texture and mask the type uses is read and the choice made by selection rather than a
    // branch: masks and overlays change from texel to texel, and a mispredicted branch costs more
    // than the reads it spares.
    uint16_t Colour(uint32_t column, uint32_t row) const {
        if constexpr (kType == 4) {
            const uint16_t overlay = m_b.Colour(column, row);
            return Select(overlay == kOverlayClear, m_a.Colour(column, row), overlay);
        } else if constexpr (kType == 5) {
            const uint16_t overlay = m_c.Colour(column, row);
            return Select(overlay == kOverlayClear, maskedPair(column, row), overlay);
        } else if constexpr (kType == 3) {
            return Select(m_mask2.Set(column, row), m_c.Colour(column, row), maskedPair(column, row));
        } else if constexpr (kType == 2) {
            return maskedPair(column, row);
        } else {
            return m_a.Colour(column, row);
        }
    }

private:
    static constexpr uint16_t kOverlayClear = 0xFFFF;
    static constexpr bool kReadsB = kType >= 2;
    static constexpr bool kReadsC = kType == 3 || kType == 5;
    static constexpr bool kReadsMask1 = kType == 2 || kType == 3 || kType == 5;
    static constexpr bool kReadsMask2 = kType == 3;
    template <bool kReads, class Layer>
    using Maybe = std::conditional_t<kReads, Layer, SNoLayer>;
    using Texture = SFloorTexture<kFormat, kFamily>;

    static uint16_t Select(bool first, uint16_t ifFirst, uint16_t otherwise) {
        return uint16_t(otherwise ^ ((otherwise ^ ifFirst) & -uint32_t(first)));
    }
    uint16_t maskedPair(uint32_t column, uint32_t row) const {
        if constexpr (kReadsMask1)
            return Select(m_mask1.Set(column, row), m_b.Colour(column, row), m_a.Colour(column, row));
        return 0;
    }

    Texture m_a;
    [[no_unique_address]] Maybe<kReadsB, Texture> m_b;
    [[no_unique_address]] Maybe<kReadsC, Texture> m_c;
    [[no_unique_address]] Maybe<kReadsMask1, SFloorMask<kFamily>> m_mask1;
    [[no_unique_address]] Maybe<kReadsMask2, SFloorMask<kFamily>> m_mask2;
};
