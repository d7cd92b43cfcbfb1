#pragma once
// The textures and masks of a floor or object-face polygon as its span functions read them.
#include <cstdint>

#include "render/fill/render_texture.h"

namespace floor_texels {

// Floor textures are read with rows of 256 texels (128 block entries), masks with rows of 16
// bytes, 128 of them.
constexpr int32_t kRowTexels = 256;
constexpr int32_t kMaskRowBytes = 16;
constexpr uint32_t kMaskBytes = 128 * kMaskRowBytes;

}  // namespace floor_texels

// The texels and colours of textures A, B and C (B and C read in A's format and within A's bounds)
// and the bits of masks 1 and 2; the floor type says which it reads. The object face reads A
// alone and keeps its positions within m_columnMax and m_rowMax (12.20 texels).
struct SFloorLayers {
    // The texel format the span functions read: A's, or kDecoded when every texture the polygon
    // uses has its decoded colours.
    static constexpr int kDecoded = 3;
    int m_format = 0;
    const uint8_t* m_data[3] = {};
    const uint8_t* m_palette[3] = {};
    const uint16_t* m_colours[3] = {};
    const uint8_t* m_masks[2] = {};
    int32_t m_columnMax = 0;
    int32_t m_rowMax = 0;
};

// Points the layers at texture A, the further textures and the masks a polygon uses (null for
// none). False, so that the polygon is not drawn, when one of them would be read past its end: A
// not a drawable texture 256 texels wide, B or C not one of A's format and width at least A's
// height, a mask of fewer than 2,048 texel bytes or than 16 for every two of A's rows.
bool SetFloorLayers(SFloorLayers& layers, const SRenderTexture& a, const SRenderTexture* b = nullptr,
                    const SRenderTexture* c = nullptr, const SRenderTexture* mask1 = nullptr,
                    const SRenderTexture* mask2 = nullptr);
