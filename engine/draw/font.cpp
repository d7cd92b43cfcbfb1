#include "engine/draw/font.h"

SFont::SFont() {
    m_glyphOffset.fill(0);
    m_glyphWidth.fill(1);
}

void SFont::Init(uint16_t recordId, SPdb* database, const std::array<uint16_t, 256>& start,
                 const std::array<uint16_t, 256>& end, uint8_t height) {
    m_recordId = recordId;
    m_database = database;
    m_height = height;
    for (int code = 0; code < 256; ++code) {
        m_glyphOffset[code] = start[code];
        m_glyphWidth[code] = uint8_t(end[code] - start[code]);
    }
    // New columns make the rows found for the old ones wrong; reading every row is always right.
    m_glyphInk = SGlyphInk{};
}

bool SFont::Load(SReadError& error) {
    if (m_record) return true;
    SReadError fault{m_database ? m_database->Path() : "", m_recordId, "a font strip", {}, ""};
    auto record = m_database ? m_database->LoadRecord(m_recordId) : nullptr;
    SPicture strip;
    if (!record)
        fault.what = "missing";
    else if (strip.Read({record->Data(), record->Size()}, fault) && strip.Format() != 0)
        fault.what = "not a one-index-per-pixel picture";
    if (fault.Failed()) {
        error = fault;
        return false;
    }
    m_strip = strip;
    m_glyphInk = FindGlyphInk(m_strip, m_glyphOffset, m_glyphWidth);
    m_record = std::move(record);
    return true;
}
