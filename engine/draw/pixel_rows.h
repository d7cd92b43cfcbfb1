#pragma once
// What the pixel loops are built from: cutting a rectangle to the surface and the picture, walking
// its destination rows in the surface's orientation, and reading picture rows per format. Only the
// pixel loop sources include it.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "engine/draw/picture.h"
#include "engine/draw/raster_target.h"

namespace pixel_rows {

// The positions first..end-1 of a rectangle's columns or rows that are drawn.
struct SRun {
    int first = 0;
    int end = 0;
    bool Empty() const { return first >= end; }
    int Count() const { return end - first; }
};

// The positions i of 0..length-1 whose surface position start + i lies in 0..extent-1.
SRun ClipRun(int length, int start, int extent);
// Cuts a run further so that the source position base + direction x i lies in 0..size-1.
SRun ClipSource(SRun run, int base, int direction, int size);

// Eight pixels in one vector register, in the compiler's own vector type, which needs nothing
// beyond the baseline instruction set. Loops that would branch per pixel select per lane instead.
using SPixelLanes = uint16_t __attribute__((vector_size(16)));
constexpr int kPixelLanes = int(sizeof(SPixelLanes) / sizeof(uint16_t));

// A destination row of orientation 0: neighbours are adjacent, which the compiler can see.
struct SUnitRow {
    uint16_t* first;
    uint16_t& operator[](int k) const { return first[k]; }
};

// A destination row of orientation 1 or 2: neighbours are a stored row apart.
struct SSteppedRow {
    uint16_t* first;
    ptrdiff_t step;
    uint16_t& operator[](int k) const { return first[k * step]; }
};

// Calls body(row, j) for each drawn rectangle row j, where row[k] is the pixel of rectangle column
// columns.first + k. The row kind is chosen once per call, never per row or pixel.
template <class Body>
void ForEachRow(const SRasterTarget& target, int x, int y, SRun columns, SRun rows, Body body) {
    // The address steps from row to row in locals: the body's writes could otherwise alias the
    // target, and each row would load its fields and multiply again.
    uint16_t* row = target.PixelAddress(x + columns.first, y + rows.first);
    const ptrdiff_t down = target.m_columnStep;
    if (target.m_rowStep == 1) {
        for (int j = rows.first; j < rows.end; ++j, row += down) body(SUnitRow{row}, j);
    } else {
        const ptrdiff_t across = target.m_rowStep;
        for (int j = rows.first; j < rows.end; ++j, row += down) body(SSteppedRow{row, across}, j);
    }
}

// One row of a picture's texels. Index(c) is what is stored for column c: a colour index in
// format 0, a block index in formats 1 and 2; Entry turns it into the colour-table entry.
template <int Format>
class STexelRow {
public:
    static constexpr bool kBlocks = Format != 0;

    STexelRow(const SPicture& picture, int r)
        : m_row(picture.Texels() + ptrdiff_t(kBlocks ? r >> 1 : r) * picture.RowLength() * kBytes),
          m_half(kBlocks ? 2 * (r & 1) : 0) {}

    uint32_t Index(int c) const {
        if constexpr (Format == 0) return m_row[c];
        if constexpr (Format == 1) return m_row[c >> 1];
        return ReadLE16(m_row + 2 * (c >> 1));
    }
    uint32_t Entry(uint32_t index, int c) const {
        if constexpr (Format == 0) return index;
        return 4 * index + m_half + (c & 1);
    }

private:
    static constexpr int kBytes = Format == 2 ? 2 : 1;
    const uint8_t* m_row;
    uint32_t m_half;  // entries 2 and 3 of a block are its lower row
};

// The colour of column c of a texel row, for drawing that shows every texel.
template <class Row>
uint16_t ColourAt(const SPicture& picture, const Row& texels, int c) {
    return picture.Colour(texels.Entry(texels.Index(c), c));
}

// Calls body with the picture format as a compile-time constant, so that each format gets its own
// row routine.
template <class Body>
void WithFormat(int format, Body body) {
    switch (format) {
        case 0: body(std::integral_constant<int, 0>{}); break;
        case 1: body(std::integral_constant<int, 1>{}); break;
        default: body(std::integral_constant<int, 2>{}); break;
    }
}

// Draws a w x h rectangle at (x, y) whose column i shows picture column sourceX + Direction x i
// and whose row j shows picture row sourceY + j; pixel(destination, texel row, column) writes one
// pixel. The rectangle is cut to the surface and the picture first.
template <int Direction, class Pixel>
void BlitRows(const SRasterTarget& target, const SPicture& picture, int x, int y, int sourceX, int sourceY, int w,
              int h, Pixel pixel) {
    SRun columns = ClipSource(ClipRun(w, x, target.m_width), sourceX, Direction, picture.Width());
    SRun rows = ClipSource(ClipRun(h, y, target.m_height), sourceY, 1, picture.Height());
    if (columns.Empty() || rows.Empty()) return;
    WithFormat(picture.Format(), [&](auto format) {
        ForEachRow(target, x, y, columns, rows, [&](auto out, int j) {
            STexelRow<decltype(format)::value> texels(picture, sourceY + j);
            int c = sourceX + Direction * columns.first;
            for (int k = 0, n = columns.Count(); k < n; ++k, c += Direction) pixel(out[k], texels, c);
        });
    });
}

}  // namespace pixel_rows
