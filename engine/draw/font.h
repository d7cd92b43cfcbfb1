#pragma once
// SFont: one bitmap font: a strip picture holding every glyph side by side, and where each
// character's glyph lies in it.
#include <array>
#include <cstdint>
#include <memory>

#include "engine/draw/glyph_ink.h"
#include "engine/draw/picture.h"
#include "engine/files/pdb.h"

class SFont {
public:
    SFont();

    // Sets the record, the database it comes from, the height and the glyph columns:
    // offset = start, width = end - start for every character code.
    void Init(uint16_t recordId, SPdb* database, const std::array<uint16_t, 256>& start,
              const std::array<uint16_t, 256>& end, uint8_t height);
    // Reads the strip record once. False, with the fault in error, when it is missing or is not a
    // picture the text loop can draw (a format-0 picture); the font then draws nothing.
    bool Load(SReadError& error);
    bool HasStrip() const { return m_record != nullptr; }

    uint16_t m_recordId = 0;
    SPdb* m_database = nullptr;
    std::unique_ptr<SPdbRecord> m_record;
    SPicture m_strip;
    std::array<uint16_t, 256> m_glyphOffset;
    std::array<uint8_t, 256> m_glyphWidth;
    // Found when the strip is read; a strip set otherwise is read on all its rows.
    SGlyphInk m_glyphInk;
    uint8_t m_height = 0;
};
