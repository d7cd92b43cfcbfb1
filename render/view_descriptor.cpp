#include "render/view_descriptor.h"

#include "engine/packages/resource_cache.h"

std::optional<SPicture> SViewDescriptor::FindPicture(uint32_t slot, uint32_t paletteSlot) const {
    const std::unique_ptr<SPictureEntry>* entry = m_pictures.Find(slot);
    if (!entry || !*entry || !(*entry)->data) return std::nullopt;
    SPicture picture = (*entry)->picture;
    if (paletteSlot == 0) return picture;
    const std::unique_ptr<SPaletteEntry>* palette = m_palettes.Find(paletteSlot);
    if (!palette || !*palette) return std::nullopt;
    if (!(*palette)->data) return picture;
    SReadError refused;
    if (!picture.UsePalette((*palette)->Colours(), refused)) return std::nullopt;
    return picture;
}

const SDecodedPicture* SViewDescriptor::DecodedWithOwnColours(uint32_t slot, uint32_t paletteSlot) const {
    const std::unique_ptr<SPictureEntry>* entry = m_pictures.Find(slot);
    if (!entry || !*entry || !(*entry)->data) return nullptr;
    if (paletteSlot != 0) {
        const std::unique_ptr<SPaletteEntry>* palette = m_palettes.Find(paletteSlot);
        if (!palette || !*palette || (*palette)->data) return nullptr;
    }
    (*entry)->decoded.Update((*entry)->picture, SColourSource::OwnTable);
    return &(*entry)->decoded;
}
