// The walls of a cell: one upright face per side that borders an open neighbour, for each storey
// the cell has a wall in.
#include "render/cell_sides.h"
#include "render/render.h"

namespace {

constexpr uint16_t kWallKind = 2;

bool IsKind(const SViewDescriptor& view, uint16_t objectType, uint16_t kind) {
    const SObjectTypeRecord* record = view.m_objectTypes.Find(objectType);
    return record && (record->m_kind & 0xFF) == kind;
}

// What one storey's builder reads of a cell.
struct SLayerCell {
    uint16_t objectType = 0;
    uint16_t sideOverlay = 0;
    uint16_t light = 0;
};

SLayerCell LayerCell(const SViewDescriptor& view, int32_t x, int32_t y, int layer) {
    if (layer == 0) {
        const SCellViewRecord* cell = view.Cell(x, y);
        return cell ? SLayerCell{cell->m_objectType, cell->m_sideOverlay, cell->m_light} : SLayerCell{};
    }
    const SCellExtraRecord* extra = view.CellExtra(x, y);
    return extra ? SLayerCell{extra->m_objectType, extra->m_sideOverlay, extra->m_light} : SLayerCell{};
}

}  // namespace

int SRender::GetCellWallKinds(int32_t x, int32_t y) const {
    const SViewDescriptor& view = *m_view;
    int kinds = 0;
    if (const SCellViewRecord* cell = view.Cell(x, y); cell && IsKind(view, cell->m_objectType, kWallKind)) kinds |= 1;
    if (const SCellExtraRecord* extra = view.CellExtra(x, y); extra && IsKind(view, extra->m_objectType, kWallKind))
        kinds |= 2;
    return kinds;
}

void SRender::AddCellWalls(int32_t x, int32_t y) {
    const int kinds = GetCellWallKinds(x, y);
    if (kinds & 1) addWallLayer(x, y, 0);
    if (kinds & 2) addWallLayer(x, y, 1);
}

void SRender::addWallLayer(int32_t x, int32_t y, int layer) {
    const SViewDescriptor& view = *m_view;
    const SLayerCell own = LayerCell(view, x, y, layer);
    const SObjectTypeRecord* type = view.m_objectTypes.Find(own.objectType);
    const std::optional<SPicture> texture = view.FindPicture(type->m_pictures[0], type->m_palettes[0]);
    if (!texture) return;
    const int32_t w = texture->Width() * 16, h = texture->Height() * 16;
    const int32_t bottom = kLevels[2 + layer], top = kLevels[3 + layer];
    const int wallBit = 1 << layer;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    for (const SCellSide& side : kCellSides) {
        const int32_t nx = x + side.neighbourX, ny = y + side.neighbourY;
        const bool inside = view.InGrid(nx, ny);
        if (inside && (GetCellWallKinds(nx, ny) & wallBit)) continue;
        const int32_t a[2] = {cx + side.a[0], cy + side.a[1]}, b[2] = {cx + side.b[0], cy + side.b[1]};
        SetWallQuad(a, b, top, bottom, w, h);
        const int count = ClipPolygonB(4);
        if (count < 3 || !IsTempQuadFrontFacing()) continue;
        const SLayerCell neighbour = inside ? LayerCell(view, nx, ny, layer) : SLayerCell{0, 0, own.light};
        const SSideOverlayRecord* overlay = view.m_sideOverlays.Find(neighbour.sideOverlay);
        const int e = side.facingBack;
        const bool onWall = overlay && (overlay->m_secondPosition[e] & SSideOverlayRecord::kWallOverlay);
        SRenderPolygon* polygon = AddPolygon(count, onWall ? SPolygonType::WallOverlay : SPolygonType::Wall,
                                             neighbour.light, layer ? SSortClass::SecondLayer : SSortClass::FirstLayer);
        if (!polygon) return;
        polygon->m_pictures[0] = type->m_pictures[0];
        polygon->m_palettes[0] = type->m_palettes[0];
        if (!onWall) continue;
        polygon->m_pictures[1] = overlay->m_secondPicture[e];
        polygon->m_palettes[1] = overlay->m_secondPalette[e];
    }
}
