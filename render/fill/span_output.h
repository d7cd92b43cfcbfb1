#pragma once
// Where a filler's spans are drawn: row spans straight onto the surface, column spans by way of a
// tile where the surface's columns cross its stored rows.
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "engine/draw/raster_target.h"
#include "render/fill/polygon_walk.h"
#include "render/fill/span_state.h"

// Row spans go straight to the surface.
class SRowSpanOutput {
public:
    SRowSpanOutput(const SRasterTarget&, bool) {}
    void Draw(SSpanFunction function, const SSpanState& span, const SSpanLine&) { function(span); }
};

// Column spans on a surface whose rows are stored side by side (orientation 0). Drawn straight down
// the surface, every pixel of a column lands on a cache line of its own, and on some pitches (640
// pixels) the lines of one column fall into a few cache sets and push each other out before the
// next column comes back to them; a picture read down its columns (the keyed quads) does the same.
// So the spans of the kColumns columns that share a 64-byte run of each row are drawn into a tile
// whose rows hold those columns side by side, between a copy of the surface's pixels in and a copy
// back out: each line of the surface is then touched twice per tile rather than once per pixel.
// Spans that read their picture down its columns are drawn band by band of kBandRows rows, so that
// the picture's lines a band reads stay at hand for all its columns. In orientations 1 and 2 a
// column is stored in one run, and spans go straight to it.
class SColumnSpanOutput {
public:
    static constexpr int kColumns = 32;
    static constexpr int kRows = 1024;
    static constexpr int kBandRows = 64;

    SColumnSpanOutput(const SRasterTarget& target, bool readsDownPictureColumns)
        : m_target(target),
          m_tiled(target.m_rowStep == 1 && target.m_height <= kRows),
          m_bandRows(readsDownPictureColumns ? kBandRows : kRows) {}
    SColumnSpanOutput(const SColumnSpanOutput&) = delete;
    SColumnSpanOutput& operator=(const SColumnSpanOutput&) = delete;
    ~SColumnSpanOutput() { flush(); }

    // Spans come column by column from left to right.
    void Draw(SSpanFunction function, const SSpanState& span, const SSpanLine& line) {
        if (!m_tiled) return function(span);
        if (m_count > 0 && line.m_line - m_firstColumn >= kColumns) flush();
        if (m_count == 0) {
            m_firstColumn = line.m_line - line.m_line % kColumns;
            m_top = line.m_start;
            m_bottom = line.m_start;
        }
        m_top = std::min(m_top, line.m_start);
        m_bottom = std::max(m_bottom, line.m_start + span.m_count);
        m_pending[m_count++] = {function, span, line.m_line, line.m_start};
    }

private:
    struct SPending {
        SSpanFunction function;
        SSpanState span;
        int column;
        int row;
    };

    void flush() {
        if (m_count == 0) return;
        const int width = std::min(kColumns, m_target.m_width - m_firstColumn);
        copyRows(width, [](uint16_t* surface, uint16_t* tile, size_t bytes) { std::memcpy(tile, surface, bytes); });
        for (int i = 0; i < m_count; ++i) {
            SPending& pending = m_pending[i];
            pending.span.m_first = m_tile + (pending.row - m_top) * kColumns + (pending.column - m_firstColumn);
            pending.span.m_pixelStep = kColumns;
        }
        for (int band = m_top; band < m_bottom; band += m_bandRows) {
            for (int i = 0; i < m_count; ++i) {
                const SPending& pending = m_pending[i];
                const int first = std::max(band, pending.row);
                const int end = std::min(band + m_bandRows, pending.row + pending.span.m_count);
                if (first < end) pending.function(pending.span.Part(first - pending.row, end - first));
            }
        }
        copyRows(width, [](uint16_t* surface, uint16_t* tile, size_t bytes) { std::memcpy(surface, tile, bytes); });
        m_count = 0;
    }

    // A full tile's rows are copied with a size the compiler knows, which it does in a few moves.
    template <class Copy>
    void copyRows(int width, Copy copy) {
        for (int row = m_top; row < m_bottom; ++row) {
            uint16_t* surface = m_target.PixelAddress(m_firstColumn, row);
            uint16_t* tile = m_tile + (row - m_top) * kColumns;
            if (width == kColumns) {
                copy(surface, tile, sizeof(uint16_t) * kColumns);
            } else {
                copy(surface, tile, sizeof(uint16_t) * size_t(width));
            }
        }
    }

    const SRasterTarget& m_target;
    const bool m_tiled;
    const int m_bandRows;
    SPending m_pending[kColumns];
    int m_count = 0;
    int m_firstColumn = 0;  // the tile's first column, a multiple of kColumns
    int m_top = 0;
    int m_bottom = 0;
    uint16_t m_tile[kColumns * kRows];
};

template <SSpanAxis kAxis>
using SSpanOutput = std::conditional_t<kAxis == SSpanAxis::Row, SRowSpanOutput, SColumnSpanOutput>;
