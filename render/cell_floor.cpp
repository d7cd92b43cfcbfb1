// The floor of a cell: one textured polygon at floor level, or for a sunken floor the pit's side
// faces, darkening down to its fog-coloured bottom.
#include <algorithm>

#include "render/cell_sides.h"
#include "render/render.h"

namespace {

constexpr uint16_t kFloorOverlayKind = 6;

// Band 0 reaches from the floor down to level 1, band 1 on down to level 0; the light fades from
// full at the floor's edge to none at the bottom.
constexpr int32_t kBandLights[2][4] = {{0x10000, 0x10000, 50000, 50000}, {50000, 50000, 0, 0}};
constexpr int32_t kShallowLights[4] = {0x10000, 0x10000, 0, 0};

}  // namespace

bool SRender::GetCellFloorFlag(int32_t x, int32_t y) const {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    const SFloorRecord* floor = cell ? m_view->m_floors.Find(cell->m_floor) : nullptr;
    return floor && (floor->m_flags & SFloorRecord::kSunken);
}

void SRender::SetSideFaceLight(int band) {
    const int32_t(&lights)[4] = kDeepSideFaces ? kBandLights[band] : kShallowLights;
    std::copy_n(lights, 4, m_clip.lights);
}

void SRender::AddCellFloor(int32_t x, int32_t y) {
    const SViewDescriptor& view = *m_view;
    const SCellViewRecord* cell = view.Cell(x, y);
    if (!cell || (GetCellWallKinds(x, y) & 1)) return;
    const SFloorRecord* floor = view.m_floors.Find(cell->m_floor);
    if (!floor) return;
    if (floor->m_flags & SFloorRecord::kSunken) return addPitFaces(x, y, *floor, cell->m_light);

    const std::optional<SPicture> texture = view.FindPicture(floor->m_pictures[0], floor->m_palettes[0]);
    if (!texture) return;
    const int32_t w = texture->Width() * 16, h = texture->Height() * 16;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    setFlatQuad({{cx, cy}, {cx + 1, cy}, {cx + 1, cy + 1}, {cx, cy + 1}}, kLevels[2], {{0, 0}, {w, 0}, {w, h}, {0, h}});
    const int count = ClipPolygonB(4);
    if (count < 3) return;

    const SObjectTypeRecord* object = view.m_objectTypes.Find(cell->m_objectType);
    const bool overlay = object && (object->m_kind & 0xFF) == kFloorOverlayKind;
    SPolygonType type = SPolygonType::Floor;
    int pictures = 1, masks = 0;
    if (floor->m_pictures[2])
        type = SPolygonType::FloorTwoMasks, pictures = 3, masks = 2;
    else if (floor->m_pictures[1] && overlay)
        type = SPolygonType::FloorOverlayMasked, pictures = 2, masks = 1;
    else if (floor->m_pictures[1])
        type = SPolygonType::FloorMasked, pictures = 2, masks = 1;
    else if (overlay)
        type = SPolygonType::FloorOverlay;
    SRenderPolygon* polygon = AddPolygon(count, type, cell->m_light, SSortClass::Floor);
    if (!polygon) return;
    std::copy_n(floor->m_pictures, pictures, polygon->m_pictures);
    std::copy_n(floor->m_palettes, pictures, polygon->m_palettes);
    std::copy_n(floor->m_masks, masks, polygon->m_masks);
    // The kind-6 overlay's picture comes after the floor's own.
    if (type == SPolygonType::FloorOverlay || type == SPolygonType::FloorOverlayMasked) {
        polygon->m_pictures[pictures] = object->m_pictures[0];
        polygon->m_palettes[pictures] = object->m_palettes[0];
    }
}

void SRender::addPitFaces(int32_t x, int32_t y, const SFloorRecord& floor, int32_t light) {
    const SViewDescriptor& view = *m_view;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    const int bands = kDeepSideFaces ? 2 : 1;
    if (const std::optional<SPicture> texture = view.FindPicture(floor.m_pictures[0], floor.m_palettes[0])) {
        const int32_t w = texture->Width() * 16, h = texture->Height() * 16;
        for (const SCellSide& side : kCellSides) {
            const int32_t nx = x + side.neighbourX, ny = y + side.neighbourY;
            if (view.InGrid(nx, ny) && GetCellFloorFlag(nx, ny)) continue;
            // The faces look into the pit: their corners run the other way round from a wall's.
            const int32_t a[2] = {cx + side.b[0], cy + side.b[1]}, b[2] = {cx + side.a[0], cy + side.a[1]};
            for (int band = 0; band < bands; ++band) {
                SetFloorEdgeQuad(a, b, band, w, h);
                SetSideFaceLight(band);
                const int count = ClipPolygonA(4);
                if (count < 3 || !IsTempQuadFrontFacing()) continue;
                SRenderPolygon* polygon = AddPolygonLit(count, light);
                if (!polygon) return;
                polygon->m_pictures[0] = floor.m_pictures[0];
                polygon->m_palettes[0] = floor.m_palettes[0];
            }
        }
    }
    setFlatQuad({{cx, cy}, {cx + 1, cy}, {cx + 1, cy + 1}, {cx, cy + 1}}, kLevels[2 - bands], {});
    const int count = ClipPolygonC(4);
    if (count >= 3) AddPolygon(count, SPolygonType::FogFill, light, SSortClass::Pit);
}
