// The 2-D drawing the render context serves on the whole surface: tiled pictures and a picture
// turned by any angle.
#include <array>

#include "engine/draw/pixel_loops.h"
#include "engine/draw/tiling.h"
#include "render/fill/fillers.h"
#include "render/fixed_trig.h"
#include "render/render.h"

namespace {

using SBlit = void (*)(SRasterTarget&, const SPicture&, int, int, int, int, int, int);

void Tile(SRasterTarget* surface, int x, int y, const SPicture& picture, int areaWidth, int areaHeight, SBlit blit) {
    if (!surface || !surface->m_pixels) return;
    surface->m_drawn = true;
    ForEachTile(areaWidth, areaHeight, picture.Width(), picture.Height(),
                [&](int left, int top, int w, int h) { blit(*surface, picture, x + left, y + top, 0, 0, w, h); });
}

}  // namespace

void SRender::TileBitmapKeyed(int x, int y, const SPicture& picture, int areaWidth, int areaHeight) {
    Tile(m_surface, x, y, picture, areaWidth, areaHeight, &SPixelLoops::BlitKeyedRaw);
}

void SRender::TileBitmap(int x, int y, const SPicture& picture, int areaWidth, int areaHeight) {
    Tile(m_surface, x, y, picture, areaWidth, areaHeight, &SPixelLoops::BlitOpaqueRaw);
}

void SRender::DrawRotated(int x, int y, const SPicture& picture, int32_t angle) {
    if (!m_surface || !m_surface->m_pixels) return;
    m_surface->m_drawn = true;
    // The trigonometry takes 0 to 360 degrees; whole turns of a larger or negative angle are dropped.
    constexpr int32_t kFullTurn = 360 << 16;
    angle %= kFullTurn;
    if (angle < 0) angle += kFullTurn;
    const int32_t radians = DegreesToRadians(angle == 0 ? 0 : kFullTurn - angle);
    const int64_t s = FixedSin(radians) >> 3, c = FixedCos(radians) >> 3;
    // Half the picture's extents in 28.4, turned. Each product is shifted after its sign is
    // applied, so negative terms round down.
    const int64_t a = int64_t(picture.Width()) * 8, b = int64_t(picture.Height()) * 8;
    const auto term = [](int64_t product) { return int32_t(product >> 13); };
    const int32_t cx = 16 * x, cy = 16 * y;
    const std::array<SRenderVertex, 4> quad = {
        SRenderVertex{cx + term(b * s) + term(-(a * c)), cy + term(-(a * s)) + term(-(b * c)), 1},
        SRenderVertex{cx + term(a * c) + term(b * s), cy + term(a * s) + term(-(b * c)), 1},
        SRenderVertex{cx + term(a * c) + term(-(b * s)), cy + term(a * s) + term(b * c), 1},
        SRenderVertex{cx + term(-(a * c)) + term(-(b * s)), cy + term(b * c) + term(-(a * s)), 1}};
    const int32_t u = picture.Width() * 16, v = picture.Height() * 16;
    const std::array<SRenderUv, 4> uvs = {SRenderUv{0, 0}, SRenderUv{u, 0}, SRenderUv{u, v}, SRenderUv{0, v}};
    SRenderTexture texture;
    SetTextureFromPicture(texture, picture);
    DrawQuadKeyedAffine(*m_surface, quad, texture, uvs);
}
