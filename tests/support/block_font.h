#pragma once
// A font for drawing tests: every character but the blank is a solid block of kBlockWidth x
// kBlockHeight pixels in the text colour, one column apart, so that a test can tell from the
// pixels exactly where each character of a text landed. The blank draws nothing.
#include <array>
#include <cstdint>
#include <memory>

#include "engine/draw/text.h"
#include "support/picture_record.h"

constexpr int kBlockWidth = 4;
constexpr int kBlockHeight = 6;
constexpr int kBlockAdvance = kBlockWidth + 1;  // the text layer adds a column between characters

// Gives all three fonts of the text layer the block glyphs, and selects font 1. A wider glyph than
// kBlockWidth makes texts long without making them many.
inline void UseBlockFont(SText& text, int glyphWidth = kBlockWidth) {
    // The strip: the glyph's solid columns, a gap, then as many empty columns for the blank.
    const int stripWidth = 2 * glyphWidth + 2;
    std::vector<uint32_t> indices(size_t(stripWidth) * kBlockHeight, 0);
    for (int y = 0; y < kBlockHeight; ++y)
        for (int x = 0; x < glyphWidth; ++x) indices[size_t(y) * size_t(stripWidth) + size_t(x)] = 1;
    std::array<uint16_t, 256> start{}, end{};
    end.fill(uint16_t(glyphWidth));
    start[' '] = uint16_t(glyphWidth + 1);
    end[' '] = uint16_t(2 * glyphWidth + 1);
    for (int size = 0; size < 3; ++size) {
        SFont& font = text.Font(size);
        font.Init(3010, nullptr, start, end, kBlockHeight);
        font.m_record = std::make_unique<SPdbRecord>();
        font.m_record->bytes = PictureRecord(0, stripWidth, kBlockHeight, indices, {0, 0xFFDF});
        SReadError error;
        font.m_strip.Read(font.m_record->bytes, error);
    }
    text.SelectFont(1, 0xFFFFFF, 0);
}
