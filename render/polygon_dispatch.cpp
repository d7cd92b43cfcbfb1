// The dispatcher: every visible polygon, in painter's order, drawn by the filler of its type (and,
// for floors, of the camera's facing) with the textures its pictures, palettes and masks name.
#include "render/polygon_fillers.h"
#include "render/render.h"

namespace {

// Points the texture at a picture drawn with a palette slot (0 for its own colours). False when
// the view's lookup refuses the slot or the palette: the polygon is then not drawn.
bool SetTexture(SRenderTexture& texture, const SViewDescriptor& view, uint16_t picture, uint16_t palette) {
    const std::optional<SPicture> found = view.FindPicture(picture, palette);
    if (!found) return false;
    SetTextureFromPicture(texture, *found);
    return true;
}

// The textures and masks one polygon is drawn with.
struct STextures {
    SRenderTexture a, b, c, mask1, mask2;

    // The polygon's first `pictures` pictures with their palettes and its first `masks` masks.
    bool Set(const SViewDescriptor& view, const SRenderPolygon& polygon, int pictures, int masks) {
        SRenderTexture* textures[3] = {&a, &b, &c};
        for (int i = 0; i < pictures; ++i) {
            if (!SetTexture(*textures[i], view, polygon.m_pictures[i], polygon.m_palettes[i])) return false;
        }
        SRenderTexture* maskTextures[2] = {&mask1, &mask2};
        for (int i = 0; i < masks; ++i) {
            if (!SetTexture(*maskTextures[i], view, polygon.m_masks[i], 0)) return false;
        }
        return true;
    }

    // The same for a floor, whose fillers read its pictures' decoded colours in one load where
    // their indices take two.
    bool SetFloor(const SViewDescriptor& view, const SRenderPolygon& polygon, int pictures, int masks) {
        if (!Set(view, polygon, pictures, masks)) return false;
        SRenderTexture* textures[3] = {&a, &b, &c};
        for (int i = 0; i < pictures; ++i) {
            if (const SDecodedPicture* decoded =
                    view.DecodedWithOwnColours(polygon.m_pictures[i], polygon.m_palettes[i]))
                UseDecodedColours(*textures[i], *decoded);
        }
        return true;
    }
};

SPolygonFillers::SFamily FamilyOf(int32_t facing) {
    if (facing == 0 || facing == 2) return SPolygonFillers::kNorthSouth;
    if (facing == 1 || facing == 3) return SPolygonFillers::kEastWest;
    return SPolygonFillers::kFree;
}

// A quad whose top and bottom edges are level on the screen stands upright facing the viewer and is
// drawn as a billboard.
bool IsScreenAlignedQuad(const SFillPolygon& polygon) {
    if (polygon.m_count != 4) return false;
    const SRenderVertex* v = polygon.m_vertices;
    return (v[0].x != v[1].x && v[0].y == v[1].y && v[2].y == v[3].y) || (v[1].y == v[2].y && v[0].y == v[3].y);
}

// A panorama narrower or lower than one turn's worth would be read past its edge.
bool IsWholePanorama(const SRenderTexture& texture) {
    return texture.m_width * 16 >= SSkyLayout::kPanoramaWidth && texture.m_height >= SSkyLayout::kPanoramaRows;
}

struct SDispatch {
    const SPolygonFillers& fillers;
    const SViewDescriptor& view;
    const SRasterTarget& target;
    SPolygonFillers::SFamily family;

    // A type beyond the table (above 14) draws nothing.
    void Draw(const SRenderPolygon& polygon, const SFillPolygon& fill, uint32_t blend) const {
        STextures t;
        switch (polygon.m_type) {
            case SPolygonType::FogFill: return fillers.flat(target, fill, view.m_fogColour);
            case SPolygonType::Floor:
                if (t.SetFloor(view, polygon, 1, 0)) fillers.floor1[family](target, fill, t.a, blend);
                return;
            case SPolygonType::FloorMasked:
                if (t.SetFloor(view, polygon, 2, 1)) fillers.floor2[family](target, fill, t.a, t.b, t.mask1, blend);
                return;
            case SPolygonType::FloorTwoMasks:
                if (t.SetFloor(view, polygon, 3, 2))
                    fillers.floor3[family](target, fill, t.a, t.b, t.c, t.mask1, t.mask2, blend);
                return;
            case SPolygonType::FloorOverlay:
                if (t.SetFloor(view, polygon, 2, 0)) fillers.floor4[family](target, fill, t.a, t.b, blend);
                return;
            case SPolygonType::FloorOverlayMasked:
                if (t.SetFloor(view, polygon, 3, 1))
                    fillers.floor5[family](target, fill, t.a, t.b, t.c, t.mask1, blend);
                return;
            case SPolygonType::FloorFreeAngle:
                if (t.SetFloor(view, polygon, 1, 0)) fillers.floor1[SPolygonFillers::kFree](target, fill, t.a, blend);
                return;
            case SPolygonType::Wall: return drawOne(fillers.wall, polygon, fill, blend);
            case SPolygonType::PitSide: return drawOne(fillers.sideFace, polygon, fill, blend);
            case SPolygonType::WallOverlay:
                if (t.Set(view, polygon, 2, 0)) fillers.wallOverlay(target, fill, t.a, t.b, blend);
                return;
            case SPolygonType::ObjectFace: return drawOne(fillers.objectFace, polygon, fill, blend);
            case SPolygonType::Billboard: return drawBillboard(polygon, fill, blend);
            case SPolygonType::Sky:
                if (t.Set(view, polygon, 1, 0) && IsWholePanorama(t.a)) return fillers.sky(target, fill, t.a, blend);
                return fillers.flat(target, fill, view.m_fogColour);
            case SPolygonType::KeyedQuad:
            case SPolygonType::KeyedObjectQuad: {
                const bool object = polygon.m_type == SPolygonType::KeyedObjectQuad;
                const SPolygonFillers::OneTexture filler = IsScreenAlignedQuad(fill) ? fillers.billboard
                                                           : object                  ? fillers.keyedObjectQuad
                                                                                     : fillers.keyedQuad;
                return drawOne(filler, polygon, fill, blend);
            }
        }
    }

private:
    void drawOne(SPolygonFillers::OneTexture filler, const SRenderPolygon& polygon, const SFillPolygon& fill,
                 uint32_t blend) const {
        SRenderTexture texture;
        if (SetTexture(texture, view, polygon.m_pictures[0], polygon.m_palettes[0]))
            filler(target, fill, texture, blend);
    }

    // Flagged billboards show a marker, in its own colours, in place of their picture.
    void drawBillboard(const SRenderPolygon& polygon, const SFillPolygon& fill, uint32_t blend) const {
        if (!(polygon.m_flags & (SRenderPolygon::kMarkerA | SRenderPolygon::kMarkerB)))
            return drawOne(fillers.billboard, polygon, fill, blend);
        const uint16_t marker = polygon.m_flags & SRenderPolygon::kMarkerA ? view.m_markerA : view.m_markerB;
        SRenderTexture texture;
        if (SetTexture(texture, view, marker, 0)) fillers.billboard(target, fill, texture, blend);
    }
};

}  // namespace

void SRender::RasterizePolygons() { RasterizePolygons(kPolygonFillers); }

void SRender::RasterizePolygons(const SPolygonFillers& fillers) {
    if (!m_view) return;
    const SDispatch dispatch{fillers, *m_view, m_projection.viewTarget, FamilyOf(m_camera.facing)};
    for (int i = 0; i < m_frame.polygonCount; ++i) {
        const SRenderPolygon& polygon = m_frame.polygons[m_frame.sortKeys[i].m_polygon];
        if (!(polygon.m_flags & SRenderPolygon::kVisible)) continue;
        const SFillPolygon fill{polygon.m_vertexCount, m_frame.vertices + polygon.m_firstVertex,
                                m_frame.uvs + polygon.m_firstUv, m_frame.shades + polygon.m_firstShade};
        const uint32_t blend = polygon.m_flags & SRenderPolygon::kFlash ? kFlashColour : m_projection.fogSpread;
        dispatch.Draw(polygon, fill, blend);
    }
}
