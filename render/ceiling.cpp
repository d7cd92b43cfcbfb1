// Ceilings over the cells and the map's edge: what closes the view above and around the map.
#include "render/render.h"

void SRender::DrawCeiling(int32_t x, int32_t y) {
    const SViewDescriptor& view = *m_view;
    const SCellViewRecord* cell = view.Cell(x, y);
    if (!cell) return;
    const SCellExtraRecord* extra = view.CellExtra(x, y);
    const SObjectTypeRecord* upper = extra ? view.m_objectTypes.Find(extra->m_objectType) : nullptr;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    // Seen from below: the corners run the other way round from a floor's.
    auto addCeiling = [&](int32_t height, uint16_t picture, uint16_t palette, SSortClass sortClass, int32_t light) {
        const std::optional<SPicture> texture = view.FindPicture(picture, palette);
        if (!texture) return;
        const int32_t w = texture->Width() * 16, h = texture->Height() * 16;
        setFlatQuad({{cx, cy}, {cx, cy + 1}, {cx + 1, cy + 1}, {cx + 1, cy}}, height, {{0, 0}, {0, h}, {w, h}, {w, 0}});
        const int count = ClipPolygonB(4);
        if (count < 3) return;
        SRenderPolygon* polygon = AddPolygon(count, SPolygonType::FloorFreeAngle, light, sortClass);
        if (!polygon) return;
        polygon->m_pictures[0] = picture;
        polygon->m_palettes[0] = palette;
    };

    const int kinds = GetCellWallKinds(x, y);
    if (kinds == 2)
        addCeiling(kLevels[3], upper->m_pictures[2], upper->m_palettes[2], SSortClass::FirstLayer, cell->m_light);
    else if (kinds != 3 && !(view.m_flags & SViewDescriptor::kSky))
        addCeiling(kLevels[4], view.m_skyPicture, view.m_skyPalette, SSortClass::Ceiling,
                   extra ? extra->m_light : cell->m_light);
    if (upper && (upper->m_kind & 0xFF) == kCanopyKind)
        addCeiling(kLevels[3], upper->m_pictures[0], upper->m_palettes[0], SSortClass::FirstLayer, cell->m_light);
}

void SRender::DrawOutsideCell(int32_t x, int32_t y) {
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    setFlatQuad({{cx, cy}, {cx + 1, cy}, {cx + 1, cy + 1}, {cx, cy + 1}}, kLevels[2], {});
    if (const int count = ClipPolygonC(4); count >= 3) AddPolygon(count, SPolygonType::FogFill, 256, SSortClass::Floor);
    if (m_view->m_flags & SViewDescriptor::kSky) return;
    setFlatQuad({{cx, cy}, {cx, cy + 1}, {cx + 1, cy + 1}, {cx + 1, cy}}, kLevels[4], {});
    if (const int count = ClipPolygonC(4); count >= 3)
        AddPolygon(count, SPolygonType::FogFill, 256, SSortClass::Ceiling);
}
