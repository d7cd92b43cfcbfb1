// Upright pictures that face the viewer: their projection, their cut at the top of the first
// storey, and the type-11 polygons they become.
#include "render/render.h"

namespace {

constexpr uint16_t kNoShades[SRender::kClipVertices] = {};

}  // namespace

int32_t SRender::viewDegrees() const {
    const int32_t degrees = (m_view->m_heading / SRender::kDegree) % 360;
    return degrees < 0 ? degrees + 360 : degrees;
}

std::optional<SPicture> SRender::findSprite(uint16_t picture, uint16_t palette) const {
    std::optional<SPicture> found = m_view->FindPicture(picture, palette);
    if (found && (found->Width() <= 0 || found->Height() <= 0)) return std::nullopt;
    return found;
}

bool SRender::projectUpright(int32_t cx, int32_t cy, int32_t x, int32_t height, int32_t y, int64_t scaleNumerator,
                             const SPicture& picture, SFoot foot, SScreenPicture& placed) {
    const SRenderVertex point = CellCornerToView(cx, cy, x, height, y);
    if (point.z <= kNearDistance || point.z >= m_projection.farDistance) return false;
    const int64_t s = scaleNumerator / point.z * m_view->m_viewWidth / kReferenceWidth;
    const SRenderVertex screen = Project(point);
    const int64_t w = picture.Width(), h = picture.Height();
    const int64_t f = foot == SFoot::OnPoint ? 0 : picture.FootOffset();
    const int64_t above = foot == SFoot::Hanging ? f : h - f;
    placed.left = screen.x - int32_t((w * s) >> 7);
    placed.right = screen.x + int32_t((w * s) >> 7);
    placed.top = screen.y - int32_t((above * s) >> 6);
    placed.bottom = screen.y + int32_t(((h - above) * s) >> 6);
    placed.depth = point.z;
    placed.scale = int32_t(s);
    return true;
}

int SRender::drawFreePicture(int32_t cx, int32_t cy, int32_t x, int32_t height, int32_t y, const SPictureLook& look,
                             SStoreySplit split) {
    const std::optional<SPicture> picture = findSprite(look.picture, look.palette);
    SScreenPicture placed;
    if (!picture || !projectUpright(cx, cy, x, height, y, int64_t(m_projection.distance) << kFreeScaleShift, *picture,
                                    SFoot::Standing, placed))
        return 0;
    return addScreenPicture(placed, *picture, look, split);
}

int SRender::addScreenPicture(const SScreenPicture& placed, const SPicture& picture, const SPictureLook& look,
                              SStoreySplit split) {
    const int32_t width = picture.Width() * 16, height = picture.Height() * 16;
    if (split == SStoreySplit::Whole || split == SStoreySplit::SecondLayer) {
        const SSortClass sortClass = split == SStoreySplit::Whole ? SSortClass::FirstLayer : SSortClass::SecondLayer;
        return addScreenPiece(placed, width, 0, height, sortClass, look) ? 1 : 0;
    }
    const int32_t line = Project({0, kLevels[3], placed.depth}).y;
    SScreenPicture upper = placed;
    if (split == SStoreySplit::CellObject) upper.depth -= 1;
    if (placed.top >= line) return addScreenPiece(placed, width, 0, height, SSortClass::FirstLayer, look) ? 1 : 0;
    if (placed.bottom <= line) return addScreenPiece(upper, width, 0, height, SSortClass::SecondLayer, look) ? 1 : 0;
    const int32_t cut = int32_t(int64_t(line - placed.top) * height / (placed.bottom - placed.top));
    SScreenPicture lower = placed;
    lower.top = upper.bottom = line;
    const int added = addScreenPiece(lower, width, cut, height, SSortClass::FirstLayer, look) ? 1 : 0;
    return added + (addScreenPiece(upper, width, 0, cut, SSortClass::SecondLayer, look) ? 1 : 0);
}

bool SRender::addScreenPiece(const SScreenPicture& piece, int32_t width, int32_t topT, int32_t bottomT,
                             SSortClass sortClass, const SPictureLook& look) {
    if (piece.right <= piece.left || piece.bottom <= piece.top) return false;
    // Mirrored, s runs from the last texel's far edge back to just before the first.
    const int32_t leftS = look.mirrored ? width - 1 : 0, rightS = look.mirrored ? -1 : width;
    const int32_t z = piece.depth;
    m_clip.screenPolygon[0] = {piece.left, piece.top, z};
    m_clip.screenPolygon[1] = {piece.right, piece.top, z};
    m_clip.screenPolygon[2] = {piece.right, piece.bottom, z};
    m_clip.screenPolygon[3] = {piece.left, piece.bottom, z};
    m_clip.uvs[0] = {leftS, topT};
    m_clip.uvs[1] = {rightS, topT};
    m_clip.uvs[2] = {rightS, bottomT};
    m_clip.uvs[3] = {leftS, bottomT};
    const int count = ClipPolygon4(4);
    return count >= 3 && commitPicture(count, SPolygonType::Billboard, sortClass, look);
}

SRenderPolygon* SRender::commitPicture(int count, SPolygonType type, SSortClass sortClass, const SPictureLook& look) {
    // A silhouette is all blend colour: the flash colour, white.
    SRenderPolygon* polygon = look.flags & SRenderPolygon::kFlash
                                  ? AddPolygonWithShades(count, type, sortClass, kNoShades)
                                  : AddPolygon(count, type, look.light, sortClass);
    if (!polygon) return nullptr;
    polygon->m_flags = look.flags;
    polygon->m_pictures[0] = look.picture;
    polygon->m_palettes[0] = look.palette;
    return polygon;
}

int SRender::DrawScreenSprite(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t scale, int32_t depth,
                              const SPictureLook& look) {
    const std::optional<SPicture> picture = findSprite(look.picture, look.palette);
    if (!picture) return 0;
    SScreenPicture placed;
    placed.left = x + int32_t(int64_t(dx) * scale / 64);
    placed.top = y + int32_t(int64_t(dy) * scale / 64);
    placed.right = placed.left + int32_t(int64_t(picture->Width()) * scale / 64);
    placed.bottom = placed.top + int32_t(int64_t(picture->Height()) * scale / 64);
    placed.depth = depth;
    placed.scale = scale;
    return addScreenPicture(placed, *picture, look, SStoreySplit::Pile);
}

bool SRender::DrawCentreSprite(int32_t cx, int32_t cy, int32_t x, int32_t height, int32_t y, int32_t reference,
                               bool hanging, bool noSplit, const SPictureLook& look, SScreenPicture* placed) {
    const std::optional<SPicture> picture = findSprite(look.picture, look.palette);
    if (!picture) return false;
    const int64_t numerator = (int64_t(reference) + m_projection.distance) * 1024;
    SScreenPicture at;
    if (!projectUpright(cx, cy, x, height, y, numerator, *picture, hanging ? SFoot::Hanging : SFoot::Standing, at))
        return false;
    at.right = at.left + int32_t((int64_t(picture->Width()) * at.scale) >> 6);
    addScreenPicture(at, *picture, look, noSplit ? SStoreySplit::Whole : SStoreySplit::Pile);
    if (placed) *placed = at;
    return true;
}

void SRender::DrawGroundBillboard(int32_t cx, int32_t cy, int32_t x, int32_t y, const SPictureLook& look) {
    const std::optional<SPicture> picture = findSprite(look.picture, look.palette);
    SScreenPicture placed;
    if (picture && projectUpright(cx, cy, x, kLevels[2], y, int64_t(m_projection.distance) << kFreeScaleShift, *picture,
                                  SFoot::OnPoint, placed))
        addScreenPicture(placed, *picture, look, SStoreySplit::Whole);
}

void SRender::DrawItemStack(int32_t cx, int32_t cy, const SItemStackRecord& stack, int32_t x, int32_t height, int32_t y,
                            int32_t light) {
    for (int k = 0; k < 10; ++k) {
        const SPictureLook look{stack.m_pictures[k], 0, light};
        // Later pictures of the stack sort in front of earlier ones.
        if (look.picture && drawFreePicture(cx, cy, x, height, y, look, SStoreySplit::Whole))
            lastSortKey().m_farDepth -= 11 + k;
    }
}
