#include "engine/draw/decoded_picture.h"

#include <algorithm>

#include "engine/draw/pixel_loops.h"

namespace {

// The picture drawn with the given pixel loop into pixels that start out as background.
template <class Blit>
std::vector<uint16_t> DrawnWith(const SPicture& picture, uint16_t background, Blit blit) {
    std::vector<uint16_t> pixels(size_t(picture.Width()) * size_t(picture.Height()), background);
    SRasterTarget target;
    target.Set(pixels.data(), picture.Width(), picture.Height(), picture.Width(), 0);
    blit(target, picture, 0, 0, 0, 0, picture.Width(), picture.Height());
    return pixels;
}

// The colour-table bytes the picture's texels reach.
std::span<const uint8_t> UsedTable(const SPicture& picture) {
    return {picture.Palette(), size_t(picture.ColoursUsed()) * 2};
}

}  // namespace

bool SDecodedPicture::Shows(const SPicture& drawn, SColourSource source) const {
    if (m_texels == nullptr || drawn.Texels() != m_texels || drawn.Palette() != m_table) return false;
    if (drawn.Width() != m_width || drawn.Height() != m_height || source != m_source) return false;
    if (source == SColourSource::OwnTable) return true;
    const std::span<const uint8_t> table = UsedTable(drawn);
    return std::equal(table.begin(), table.end(), m_paletteColours.begin(), m_paletteColours.end());
}

void SDecodedPicture::Update(const SPicture& drawn, SColourSource source) {
    if (Shows(drawn, source)) return;
    Release();
    m_opaque = DrawnWith(drawn, 0, SPixelLoops::BlitOpaqueRaw);
    // Only a block picture can hide more than the key colour; the copy stays when it does.
    if (drawn.Format() != 0) {
        m_keyed = DrawnWith(drawn, SPicture::kTransparent, SPixelLoops::BlitKeyedRaw);
        if (m_keyed == m_opaque) m_keyed = std::vector<uint16_t>();
    }
    if (source == SColourSource::Palette) {
        const std::span<const uint8_t> table = UsedTable(drawn);
        m_paletteColours.assign(table.begin(), table.end());
    }
    m_texels = drawn.Texels();
    m_table = drawn.Palette();
    m_source = source;
    m_width = drawn.Width();
    m_height = drawn.Height();
}

void SDecodedPicture::Release() { *this = SDecodedPicture{}; }

size_t SDecodedPicture::Bytes() const {
    return (m_opaque.capacity() + m_keyed.capacity()) * sizeof(uint16_t) + m_paletteColours.capacity();
}
