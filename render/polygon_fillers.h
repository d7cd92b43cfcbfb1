#pragma once
// The fillers the dispatcher draws each polygon type with, in one table so that a test can put
// recording ones in their place. Floor fillers come in three families, by the camera's facing.
#include <cstdint>

#include "engine/draw/raster_target.h"
#include "render/fill/fill_polygon.h"
#include "render/fill/render_texture.h"

struct SPolygonFillers {
    using Flat = void (*)(const SRasterTarget&, const SFillPolygon&, uint16_t colour);
    using OneTexture = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, uint32_t blend);
    using TwoTextures = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&,
                                 const SRenderTexture&, uint32_t blend);
    // Floor type 2: two textures and one mask.
    using Masked = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, const SRenderTexture&,
                            const SRenderTexture&, uint32_t blend);
    // Floor type 3: three textures and two masks.
    using TwoMasks = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, const SRenderTexture&,
                              const SRenderTexture&, const SRenderTexture&, const SRenderTexture&, uint32_t blend);
    // Floor type 5: three textures and one mask.
    using OverlayMasked = void (*)(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&,
                                   const SRenderTexture&, const SRenderTexture&, const SRenderTexture&, uint32_t blend);

    // Facings 0 and 2, facings 1 and 3, any other facing.
    enum SFamily { kNorthSouth, kEastWest, kFree, kFamilies };

    Flat flat;
    OneTexture sky;
    OneTexture billboard;
    OneTexture wall;
    OneTexture sideFace;
    TwoTextures wallOverlay;
    OneTexture objectFace;
    OneTexture keyedQuad;        // type 13
    OneTexture keyedObjectQuad;  // type 14
    OneTexture floor1[kFamilies];
    Masked floor2[kFamilies];
    TwoMasks floor3[kFamilies];
    TwoTextures floor4[kFamilies];
    OverlayMasked floor5[kFamilies];
};

// The game's own fillers.
extern const SPolygonFillers kPolygonFillers;
