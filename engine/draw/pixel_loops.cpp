#include "engine/draw/pixel_loops.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <type_traits>

#include "engine/draw/pixel_rows.h"

namespace pixel_rows {

namespace {

// Wide arithmetic, so that no position a caller passes can overflow the cut.
SRun Intersect(SRun run, int64_t first, int64_t end) {
    return SRun{int(std::max<int64_t>(run.first, first)), int(std::min<int64_t>(run.end, end))};
}

}  // namespace

SRun ClipRun(int length, int start, int extent) {
    return Intersect(SRun{0, std::max(length, 0)}, -int64_t(start), int64_t(extent) - start);
}

SRun ClipSource(SRun run, int base, int direction, int size) {
    if (direction > 0) return Intersect(run, -int64_t(base), int64_t(size) - base);
    return Intersect(run, int64_t(base) - size + 1, int64_t(base) + 1);
}

}  // namespace pixel_rows

using namespace pixel_rows;

namespace {

// Keyed drawing leaves out the key colour and, in block formats, every pixel of block index 0.
// It branches rather than selects: in the game's pictures transparent pixels come in runs, which
// the processor predicts, and then a skipped pixel costs no write at all.
template <class Row>
void PutKeyed(const SPicture& picture, uint16_t& destination, const Row& texels, int c) {
    uint32_t index = texels.Index(c);
    if (Row::kBlocks && index == 0) return;
    uint16_t colour = picture.Colour(texels.Entry(index, c));
    if (colour != SPicture::kTransparent) destination = colour;
}

// The 50 % blend on both colours at once: each is spread so that its three channels have a spare
// bit above them, added, halved and packed again.
uint16_t Blend(uint16_t source, uint16_t destination) {
    constexpr uint32_t kSpread = 0x07E0F81F;
    uint32_t s = (source | uint32_t(source) << 16) & kSpread;
    uint32_t d = (destination * 0x10001u) & kSpread;
    uint32_t r = ((s + d) >> 1) & kSpread;
    return uint16_t(r | r >> 16);
}

// Rows up to this many pixels are filled with vector stores in place; the C library's fill costs
// a call and a dispatch on the size, more than a short row's stores.
constexpr size_t kShortFill = 128;

// Fills n < kShortFill pixels: whole vectors, the last one meeting the end, or for fewer pixels
// than a vector two pieces that meet or overlap.
void FillShort(uint16_t* out, uint16_t colour, size_t n) {
    const SPixelLanes lanes = SPixelLanes{} + colour;
    const size_t vector = sizeof lanes / sizeof(uint16_t);
    if (n >= vector) {
        for (size_t k = 0; k + vector < n; k += vector) std::memcpy(out + k, &lanes, sizeof lanes);
        std::memcpy(out + n - vector, &lanes, sizeof lanes);
    } else if (n >= vector / 2) {
        std::memcpy(out, &lanes, sizeof lanes / 2);
        std::memcpy(out + n - vector / 2, &lanes, sizeof lanes / 2);
    } else {
        for (size_t k = 0; k < n; ++k) out[k] = colour;
    }
}

// The C library's wide-character fill stores with the widest registers the processor has, which a
// loop compiled for the baseline instruction set cannot; two pixels make one of its characters.
static_assert(sizeof(wchar_t) == 2 * sizeof(uint16_t));

void FillRun(SUnitRow out, uint16_t colour, size_t n) {
    uint16_t* at = out.first;
    if (n < kShortFill) {
        FillShort(at, colour, n);
        return;
    }
    if (reinterpret_cast<uintptr_t>(at) % sizeof(wchar_t) != 0) {
        *at++ = colour;
        --n;
    }
    const uint32_t pair = uint32_t(colour) * 0x10001u;
    wchar_t pattern;
    std::memcpy(&pattern, &pair, sizeof pattern);
    std::wmemset(reinterpret_cast<wchar_t*>(at), pattern, n / 2);
    if (n % 2) at[n - 1] = colour;
}

void FillRun(SSteppedRow out, uint16_t colour, size_t n) {
    for (size_t k = 0; k < n; ++k) out[int(k)] = colour;
}

// Copies Bytes..2 x Bytes bytes as two fixed-size pieces that meet or overlap, which the compiler
// turns into a few register moves. Both are read before either is written, as memmove would.
template <size_t Bytes>
void CopyEnds(uint16_t* out, const uint16_t* from, size_t bytes) {
    auto* to = reinterpret_cast<uint8_t*>(out);
    const auto* source = reinterpret_cast<const uint8_t*>(from);
    uint8_t head[Bytes], tail[Bytes];
    std::memcpy(head, source, Bytes);
    std::memcpy(tail, source + bytes - Bytes, Bytes);
    std::memcpy(to, head, Bytes);
    std::memcpy(to + bytes - Bytes, tail, Bytes);
}

// Calls ends(size) with the smallest of 2, 4, .., 64 bytes as a compile-time constant whose
// double holds `bytes`, or wide() for longer rows. A short row is then written as two fixed-size
// pieces that meet or overlap, a few register moves, where a call into the C library or a loop
// over the length costs more than the row itself. Frame edges, separators, item pictures and the
// strips around them are such rows, many of them to a rectangle: the size is chosen once for all.
template <class Ends, class Wide>
void WithPieceSize(size_t bytes, Ends ends, Wide wide) {
    if (bytes <= 4)
        ends(std::integral_constant<size_t, 2>{});
    else if (bytes <= 8)
        ends(std::integral_constant<size_t, 4>{});
    else if (bytes <= 16)
        ends(std::integral_constant<size_t, 8>{});
    else if (bytes <= 32)
        ends(std::integral_constant<size_t, 16>{});
    else if (bytes <= 64)
        ends(std::integral_constant<size_t, 32>{});
    else if (bytes <= 128)
        ends(std::integral_constant<size_t, 64>{});
    else
        wide();
}

// Calls body(copy) with copy(out, from) copying n > 0 pixels of an upright row.
template <class Body>
void WithRunCopy(int n, Body body) {
    const size_t bytes = size_t(n) * sizeof(uint16_t);
    WithPieceSize(
        bytes,
        [&](auto size) {
            body([bytes](uint16_t* out, const uint16_t* from) { CopyEnds<decltype(size)::value>(out, from, bytes); });
        },
        [&] { body([bytes](uint16_t* out, const uint16_t* from) { std::memmove(out, from, bytes); }); });
}

// Stores Bytes..2 x Bytes bytes of one colour as two fixed-size pieces that meet or overlap; the
// lanes hold the colour in every pixel, so any whole number of pixels of them is the colour.
template <size_t Bytes>
void FillEnds(uint16_t* out, const SPixelLanes& lanes, size_t bytes) {
    auto* to = reinterpret_cast<uint8_t*>(out);
    constexpr size_t kPiece = std::min(Bytes, sizeof lanes);
    for (size_t k = 0; k < Bytes; k += kPiece) {
        std::memcpy(to + k, &lanes, kPiece);
        std::memcpy(to + bytes - Bytes + k, &lanes, kPiece);
    }
}

// Calls body(fill) with fill(out) filling n > 0 pixels of an upright row with the colour.
template <class Body>
void WithRunFill(int n, uint16_t colour, Body body) {
    const size_t bytes = size_t(n) * sizeof(uint16_t);
    WithPieceSize(
        bytes,
        [&](auto size) {
            const SPixelLanes lanes = SPixelLanes{} + colour;
            body([bytes, lanes](uint16_t* out) { FillEnds<decltype(size)::value>(out, lanes, bytes); });
        },
        [&] { body([n, colour](uint16_t* out) { FillRun(SUnitRow{out}, colour, size_t(n)); }); });
}

// The pixels of an upright row follow each other in memory.
void CopyRun(SUnitRow out, const uint16_t* from, int n) {
    if (n > 0) WithRunCopy(n, [&](auto copy) { copy(out.first, from); });
}

void CopyRun(SSteppedRow out, const uint16_t* from, int n) {
    for (int k = 0; k < n; ++k) out[k] = from[k];
}

// Unlike PutKeyed this selects rather than branches: every pixel is written, with its old value
// where the source has the key, so the compiler moves a vector of pixels at a time and scattered
// keys cost no mispredicted branches.
template <class Row>
void CopyKeyedRun(Row out, const uint16_t* from, int n) {
    for (int k = 0; k < n; ++k) {
        const uint16_t colour = from[k];
        out[k] = colour == SPicture::kTransparent ? out[k] : colour;
    }
}

// The same row from its pixel k on.
template <class Row>
Row Advanced(Row row, int k) {
    if constexpr (std::is_same_v<Row, SUnitRow>)
        return SUnitRow{row.first + k};
    else
        return SSteppedRow{row.first + k * row.step, row.step};
}

// Calls piece(at, from, count) for the stretches of a row of n pixels that repeats a tile row of
// `period` pixels from `phase` pixels into it: first the rest of the tile row, then whole rows,
// then the part of one that fits.
template <class Piece>
void ForEachPeriod(const uint16_t* tileRow, int phase, int period, int n, Piece piece) {
    for (int at = 0; at < n; phase = 0) {
        const int count = std::min(period - phase, n - at);
        piece(at, tileRow + phase, count);
        at += count;
    }
}

// An upright row lays down one whole tile row and then doubles what it has drawn, so that a wide
// row takes a few long copies rather than one short copy per tile.
void RepeatRun(SUnitRow out, const uint16_t* tileRow, int phase, int period, int n) {
    const int first = std::min(period - phase, n);
    CopyRun(out, tileRow + phase, first);
    if (first == n) return;
    const SUnitRow whole{out.first + first};  // from here on the row repeats the tile row from 0
    int drawn = std::min(period, n - first);
    CopyRun(whole, tileRow, drawn);
    while (first + drawn < n) {
        const int count = std::min(drawn, n - first - drawn);
        CopyRun(Advanced(whole, drawn), whole.first, count);
        drawn += count;
    }
}

void RepeatRun(SSteppedRow out, const uint16_t* tileRow, int phase, int period, int n) {
    ForEachPeriod(tileRow, phase, period, n,
                  [&](int at, const uint16_t* from, int count) { CopyRun(Advanced(out, at), from, count); });
}

// Copies n pixels on each drawn row of an upright rectangle from source row sourceRow on, the
// source rows rowLength apart and starting again from row 0 after sourceRows of them.
void CopyUprightRows(const SRasterTarget& target, int x, int y, SRun columns, SRun rows, const uint16_t* source,
                     ptrdiff_t rowLength, int sourceRow, int sourceRows) {
    WithRunCopy(columns.Count(), [&](auto copy) {
        // Locals the byte copies cannot alias, so that they stay in registers.
        uint16_t* out = target.PixelAddress(x + columns.first, y + rows.first);
        const ptrdiff_t down = target.m_columnStep;
        const uint16_t* const pixels = source;
        const ptrdiff_t length = rowLength;
        const int count = rows.Count(), wrap = sourceRows;
        for (int j = 0, at = sourceRow; j < count; ++j, out += down) {
            copy(out, pixels + at * length);
            if (++at == wrap) at = 0;
        }
    });
}

// Calls repeat(row, tile row, phase, period, count) for every drawn row of a w x h rectangle
// covered with copies of the tile, cut to the surface. Opaque tiles narrower than one copy are
// copied row by row without it.
template <class Repeat>
void TileImageRows(SRasterTarget& target, int x, int y, int w, int h, std::span<const uint16_t> tile, int tileWidth,
                   int tileHeight, bool opaque, Repeat repeat) {
    target.m_drawn = true;
    // A tile said to be larger than the pixels given is not read at all.
    if (tileWidth <= 0 || tileHeight <= 0 || tile.size() < size_t(tileWidth) * size_t(tileHeight)) return;
    SRun columns = ClipRun(w, x, target.m_width);
    SRun rows = ClipRun(h, y, target.m_height);
    if (columns.Empty() || rows.Empty()) return;
    const int phase = columns.first % tileWidth;
    // The tile row follows the destination row by counting, not by a division on every row.
    int tileRow = rows.first % tileHeight;
    // Frame edges and separators are narrower than their tile: each row is a piece of one tile row.
    if (opaque && target.m_rowStep == 1 && phase + columns.Count() <= tileWidth) {
        CopyUprightRows(target, x, y, columns, rows, tile.data() + phase, tileWidth, tileRow, tileHeight);
        return;
    }
    ForEachRow(target, x, y, columns, rows, [&](auto out, int) {
        repeat(out, tile.data() + size_t(tileRow) * size_t(tileWidth), phase, tileWidth, columns.Count());
        if (++tileRow == tileHeight) tileRow = 0;
    });
}

// Cuts the w x h part of a row-major image that starts at (sourceX, sourceY) to the surface and
// the image, and calls draw(columns, rows, first) with the image pixel that the drawn rectangle's
// top-left pixel shows.
template <class Draw>
void CutImage(SRasterTarget& target, int x, int y, std::span<const uint16_t> source, int sourceRowLength,
              int sourceHeight, int sourceX, int sourceY, int w, int h, Draw draw) {
    target.m_drawn = true;
    // An image said to be larger than the pixels given is not read at all.
    if (sourceRowLength < 0 || sourceHeight < 0 || source.size() < size_t(sourceRowLength) * size_t(sourceHeight)) {
        return;
    }
    SRun columns = ClipSource(ClipRun(w, x, target.m_width), sourceX, 1, sourceRowLength);
    SRun rows = ClipSource(ClipRun(h, y, target.m_height), sourceY, 1, sourceHeight);
    if (columns.Empty() || rows.Empty()) return;
    draw(columns, rows, source.data() + size_t(sourceY + rows.first) * sourceRowLength + (sourceX + columns.first));
}

}  // namespace

void SPixelLoops::FillRectRaw(SRasterTarget& target, int x, int y, int w, int h, uint16_t colour) {
    target.m_drawn = true;
    SRun columns = ClipRun(w, x, target.m_width);
    SRun rows = ClipRun(h, y, target.m_height);
    if (columns.Empty() || rows.Empty()) return;
    // Whole rows of a surface without padding lie in one run of memory: one loop, not one per row.
    if (target.m_rowStep == 1 && target.m_pitch == target.m_width && columns.Count() == target.m_width) {
        FillRun(SUnitRow{target.PixelAddress(0, y + rows.first)}, colour,
                size_t(rows.Count()) * size_t(target.m_width));
        return;
    }
    if (target.m_rowStep == 1) {
        WithRunFill(columns.Count(), colour, [&](auto fill) {
            // Locals the stores cannot alias, so that they stay in registers.
            uint16_t* out = target.PixelAddress(x + columns.first, y + rows.first);
            const ptrdiff_t down = target.m_columnStep;
            for (int j = 0, count = rows.Count(); j < count; ++j, out += down) fill(out);
        });
        return;
    }
    ForEachRow(target, x, y, columns, rows, [&](auto out, int) { FillRun(out, colour, columns.Count()); });
}

void SPixelLoops::CopyPixelsRaw(SRasterTarget& target, int x, int y, std::span<const uint16_t> source,
                                int sourceRowLength, int sourceHeight, int sourceX, int sourceY, int w, int h) {
    CutImage(target, x, y, source, sourceRowLength, sourceHeight, sourceX, sourceY, w, h,
             [&](SRun columns, SRun rows, const uint16_t* first) {
                 if (target.m_rowStep == 1) {
                     CopyUprightRows(target, x, y, columns, rows, first, sourceRowLength, 0, rows.Count());
                     return;
                 }
                 ForEachRow(target, x, y, columns, rows, [&](auto out, int j) {
                     CopyRun(out, first + ptrdiff_t(j - rows.first) * sourceRowLength, columns.Count());
                 });
             });
}

void SPixelLoops::CopyPixelsKeyedRaw(SRasterTarget& target, int x, int y, std::span<const uint16_t> source,
                                     int sourceRowLength, int sourceHeight, int sourceX, int sourceY, int w, int h) {
    CutImage(target, x, y, source, sourceRowLength, sourceHeight, sourceX, sourceY, w, h,
             [&](SRun columns, SRun rows, const uint16_t* first) {
                 ForEachRow(target, x, y, columns, rows, [&](auto out, int j) {
                     CopyKeyedRun(out, first + ptrdiff_t(j - rows.first) * sourceRowLength, columns.Count());
                 });
             });
}

void SPixelLoops::TilePixelsRaw(SRasterTarget& target, int x, int y, int w, int h, std::span<const uint16_t> tile,
                                int tileWidth, int tileHeight) {
    TileImageRows(target, x, y, w, h, tile, tileWidth, tileHeight, true,
                  [](auto out, const uint16_t* tileRow, int phase, int period, int n) {
                      RepeatRun(out, tileRow, phase, period, n);
                  });
}

void SPixelLoops::TilePixelsKeyedRaw(SRasterTarget& target, int x, int y, int w, int h, std::span<const uint16_t> tile,
                                     int tileWidth, int tileHeight) {
    TileImageRows(target, x, y, w, h, tile, tileWidth, tileHeight, false,
                  [](auto out, const uint16_t* tileRow, int phase, int period, int n) {
                      ForEachPeriod(tileRow, phase, period, n, [&](int at, const uint16_t* from, int count) {
                          CopyKeyedRun(Advanced(out, at), from, count);
                      });
                  });
}

void SPixelLoops::BlitKeyedRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceX, int sourceY,
                               int w, int h) {
    target.m_drawn = true;
    BlitRows<1>(target, picture, x, y, sourceX, sourceY, w, h,
                [&](uint16_t& out, const auto& texels, int c) { PutKeyed(picture, out, texels, c); });
}

void SPixelLoops::BlitKeyedMirroredRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int w, int h) {
    target.m_drawn = true;
    BlitRows<-1>(target, picture, x, y, w - 1, 0, w, h,
                 [&](uint16_t& out, const auto& texels, int c) { PutKeyed(picture, out, texels, c); });
}

void SPixelLoops::BlitOpaqueRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceX, int sourceY,
                                int w, int h) {
    target.m_drawn = true;
    BlitRows<1>(target, picture, x, y, sourceX, sourceY, w, h,
                [&](uint16_t& out, const auto& texels, int c) { out = ColourAt(picture, texels, c); });
}

void SPixelLoops::BlitBlendRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceY, int w,
                               int h) {
    target.m_drawn = true;
    BlitRows<1>(target, picture, x, y, 0, sourceY, w, h,
                [&](uint16_t& out, const auto& texels, int c) { out = Blend(ColourAt(picture, texels, c), out); });
}
