// The floor items of a cell and the roof over its walls.
#include "render/floor_item_spots.h"
#include "render/render.h"
#include "render/roof_models.h"

void SRender::DrawFloorItems(int32_t x, int32_t y) {
    const SViewDescriptor& view = *m_view;
    const SCellViewRecord* cell = view.Cell(x, y);
    const SItemStackRecord* stack = cell ? view.m_itemStacks.Find(cell->m_floorItemStack) : nullptr;
    if (!stack) return;
    SFloorItemView items;
    items.floorReach = m_projection.floorReach;
    items.facing = m_camera.facing;
    items.degrees = viewDegrees();
    items.playerDx = (view.m_positionX >> 16) - x;
    items.playerDy = (view.m_positionY >> 16) - y;
    items.inCellOffset = m_camera.inCellOffset;
    items.sine = m_camera.sine;
    items.cosine = m_camera.cosine;
    SFloorSpot spots[kFloorItemSpots];
    PlaceFloorItems(items, spots);
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    for (int k = 0; k < kFloorItemSpots; ++k) {
        if (stack->m_pictures[k])
            drawFreePicture(cx, cy, spots[k].x, kLevels[2], spots[k].y, {stack->m_pictures[k], 0, cell->m_light},
                            SStoreySplit::Whole);
    }
}

void SRender::DrawCellMesh(int32_t x, int32_t y) {
    const SViewDescriptor& view = *m_view;
    const SCellViewRecord* cell = view.Cell(x, y);
    if (!cell) return;
    const SCellExtraRecord* extra = view.CellExtra(x, y);
    const SObjectTypeRecord* first = view.m_objectTypes.Find(cell->m_objectType);
    const SObjectTypeRecord* second = extra ? view.m_objectTypes.Find(extra->m_objectType) : nullptr;
    const int kinds = GetCellWallKinds(x, y);
    // A roof stands on level 3 over first-layer walls or under a canopy, else on level 4 over
    // second-layer walls.
    const SObjectTypeRecord* record = nullptr;
    int32_t base = kLevels[3], light = cell->m_light;
    if (kinds == 1 && first->m_pictures[1]) {
        record = first;
    } else if (second && (second->m_kind & 0xFF) == kCanopyKind) {
        record = second;
    } else if ((kinds & 2) && second->m_pictures[1]) {
        record = second, base = kLevels[4], light = extra->m_light;
    }
    if (!record) return;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    for (const SRoofFace& face : RoofModel(record->m_kind >> 8)) {
        for (int i = 0; i < face.count; ++i) {
            const SRoofCorner& corner = face.corners[i];
            m_clip.viewPolygon[i] = CellCornerToView(cx, cy, corner.x, base + corner.height, corner.y);
            m_clip.uvs[i] = {corner.s, corner.t};
        }
        const int count = ClipPolygonB(face.count);
        // A face seen from below is the roof's inside, which is not drawn.
        if (count < 3 || !IsTempQuadFrontFacing()) continue;
        SRenderPolygon* polygon = AddPolygon(count, SPolygonType::ObjectFace, light, SSortClass::SecondLayer);
        if (!polygon) return;
        polygon->m_pictures[0] = record->m_pictures[1];
        polygon->m_palettes[0] = record->m_palettes[1];
    }
}
