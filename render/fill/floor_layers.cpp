#include "render/fill/floor_layers.h"

#include <algorithm>

namespace {

bool TexelBytesAtLeast(const SRenderTexture& texture, uint32_t bytes) {
    return texture.Drawable() && SPicture::TexelBytes(texture.m_format, texture.m_width, texture.m_height) >= bytes;
}

}  // namespace

bool SetFloorLayers(SFloorLayers& layers, const SRenderTexture& a, const SRenderTexture* b, const SRenderTexture* c,
                    const SRenderTexture* mask1, const SRenderTexture* mask2) {
    if (!a.Drawable() || a.m_width != floor_texels::kRowTexels) return false;
    const SRenderTexture* textures[3] = {&a, b, c};
    bool decoded = true;
    for (int i = 0; i < 3; ++i) {
        const SRenderTexture* texture = textures[i];
        if (!texture) continue;
        if (!texture->Drawable() || texture->m_format != a.m_format || texture->m_width != a.m_width ||
            texture->m_height < a.m_height) {
            return false;
        }
        layers.m_data[i] = texture->m_data;
        layers.m_palette[i] = texture->m_palette;
        layers.m_colours[i] = texture->m_colours;
        decoded = decoded && texture->m_colours;
    }
    layers.m_format = decoded ? SFloorLayers::kDecoded : a.m_format;
    // A mask row covers two texture rows; a texture taller than 256 rows needs a longer mask.
    const uint32_t maskBytes =
        std::max(floor_texels::kMaskBytes, uint32_t(a.m_height + 1) / 2 * uint32_t(floor_texels::kMaskRowBytes));
    const SRenderTexture* masks[2] = {mask1, mask2};
    for (int i = 0; i < 2; ++i) {
        if (!masks[i]) continue;
        if (!TexelBytesAtLeast(*masks[i], maskBytes)) return false;
        layers.m_masks[i] = masks[i]->m_data;
    }
    return true;
}
