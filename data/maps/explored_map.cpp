#include "data/maps/explored_map.h"

#include "engine/base/archive.h"

void SExploredMap::Resize(int width, int height) {
    m_width = width;
    m_height = height;
    m_bits.assign(size_t(RowBytes() * height), 0);
}

void SExploredMap::Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_bits[size_t(y * RowBytes() + x / 8)] |= uint8_t(1 << (x % 8));
}

bool SExploredMap::IsSet(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return false;
    return (m_bits[size_t(y * RowBytes() + x / 8)] >> (x % 8)) & 1;
}

uint8_t SExploredMap::rowMask(int byte) const {
    const int cells = m_width - byte * 8;
    return cells >= 8 ? 0xFF : uint8_t((1 << cells) - 1);
}

void SExploredMap::SetAll() {
    for (int y = 0; y < m_height; ++y)
        for (int b = 0; b < RowBytes(); ++b) m_bits[size_t(y * RowBytes() + b)] = rowMask(b);
}

void SExploredMap::Clear() { m_bits.assign(m_bits.size(), 0); }

bool SExploredMap::all(bool set) const {
    for (int y = 0; y < m_height; ++y)
        for (int b = 0; b < RowBytes(); ++b)
            if ((m_bits[size_t(y * RowBytes() + b)] & rowMask(b)) != (set ? rowMask(b) : 0)) return false;
    return true;
}

bool SExploredMap::Serialize(SArchive& archive) {
    uint8_t kind = all(false) ? kNothing : all(true) ? kEverything : kMixed;
    archive.SerializeU8(kind);
    switch (kind) {
        case kNothing:
            if (!archive.IsWriting()) Clear();
            return true;
        case kEverything:
            if (!archive.IsWriting()) SetAll();
            return true;
        case kMixed:
            archive.SerializeBytes(m_bits.data(), uint32_t(m_bits.size()));
            // Bits past the last column mean nothing; clearing them keeps the kinds honest.
            for (int y = 0; y < m_height; ++y)
                for (int b = 0; b < RowBytes(); ++b) m_bits[size_t(y * RowBytes() + b)] &= rowMask(b);
            return true;
        default: return false;
    }
}
