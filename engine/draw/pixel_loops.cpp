#include "engine/draw/pixel_loops.h"

#include <algorithm>
#include <cstring>

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

// The pixels of an upright row follow each other in memory.
void CopyRun(SUnitRow out, const uint16_t* from, int n) { std::memmove(out.first, from, size_t(n) * sizeof(uint16_t)); }

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

// Calls copy(row, source pixels, count) for every drawn row of the w x h part of a row-major image
// that starts at (sourceX, sourceY), cut to the surface and the image.
template <class Copy>
void CopyImageRows(SRasterTarget& target, int x, int y, std::span<const uint16_t> source, int sourceRowLength,
                   int sourceHeight, int sourceX, int sourceY, int w, int h, Copy copy) {
    target.m_drawn = true;
    // An image said to be larger than the pixels given is not read at all.
    if (sourceRowLength < 0 || sourceHeight < 0 || source.size() < size_t(sourceRowLength) * size_t(sourceHeight)) {
        return;
    }
    SRun columns = ClipSource(ClipRun(w, x, target.m_width), sourceX, 1, sourceRowLength);
    SRun rows = ClipSource(ClipRun(h, y, target.m_height), sourceY, 1, sourceHeight);
    if (columns.Empty() || rows.Empty()) return;
    ForEachRow(target, x, y, columns, rows, [&](auto out, int j) {
        copy(out, source.data() + size_t(sourceY + j) * sourceRowLength + (sourceX + columns.first), columns.Count());
    });
}

}  // namespace

void SPixelLoops::FillRectRaw(SRasterTarget& target, int x, int y, int w, int h, uint16_t colour) {
    target.m_drawn = true;
    SRun columns = ClipRun(w, x, target.m_width);
    SRun rows = ClipRun(h, y, target.m_height);
    if (columns.Empty() || rows.Empty()) return;
    // Whole rows of a surface without padding lie in one run of memory: one loop, not one per row.
    if (target.m_rowStep == 1 && target.m_pitch == target.m_width && columns.Count() == target.m_width) {
        std::fill_n(target.PixelAddress(0, y + rows.first), size_t(rows.Count()) * size_t(target.m_width), colour);
        return;
    }
    ForEachRow(target, x, y, columns, rows, [&](auto out, int) {
        for (int k = 0, n = columns.Count(); k < n; ++k) out[k] = colour;
    });
}

void SPixelLoops::CopyPixelsRaw(SRasterTarget& target, int x, int y, std::span<const uint16_t> source,
                                int sourceRowLength, int sourceHeight, int sourceX, int sourceY, int w, int h) {
    CopyImageRows(target, x, y, source, sourceRowLength, sourceHeight, sourceX, sourceY, w, h,
                  [](auto out, const uint16_t* from, int n) { CopyRun(out, from, n); });
}

void SPixelLoops::CopyPixelsKeyedRaw(SRasterTarget& target, int x, int y, std::span<const uint16_t> source,
                                     int sourceRowLength, int sourceHeight, int sourceX, int sourceY, int w, int h) {
    CopyImageRows(target, x, y, source, sourceRowLength, sourceHeight, sourceX, sourceY, w, h,
                  [](auto out, const uint16_t* from, int n) { CopyKeyedRun(out, from, n); });
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
