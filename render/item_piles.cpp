// The free pictures a cell's view record names itself: its two item piles (the creatures'
// sprites), each with a marker over it, and its free sprite slot.
#include "render/render.h"

void SRender::DrawItemPiles(int32_t x, int32_t y) {
    const SViewDescriptor& view = *m_view;
    const SCellViewRecord* cell = view.Cell(x, y);
    if (!cell) return;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    for (const uint16_t index : cell->m_itemPiles) {
        const SItemPileRecord* pile = view.m_itemPiles.Find(index);
        if (!pile) continue;
        const std::optional<SPicture> picture = findSprite(pile->m_picture, pile->m_palette);
        SScreenPicture placed;
        if (!picture ||
            !projectUpright(cx, cy, CellUnits(pile->m_x), HeightAboveFloor(pile->m_height), CellUnits(pile->m_y),
                            int64_t(m_projection.distance) << kFreeScaleShift, *picture, SFoot::Standing, placed))
            continue;
        const SPictureLook look{pile->m_picture, pile->m_palette, cell->m_light,
                                (pile->m_flags & SItemPileRecord::kMirrored) != 0};
        addScreenPicture(placed, *picture, look, SStoreySplit::Pile);
        if (!pile->m_markerPercent) continue;

        const bool markerB = pile->m_flags & SItemPileRecord::kMarkerB;
        const SPictureLook markerLook{markerB ? view.m_markerB : view.m_markerA, 0, cell->m_light, false,
                                      markerB ? SRenderPolygon::kMarkerB : SRenderPolygon::kMarkerA};
        const std::optional<SPicture> marker = findSprite(markerLook.picture, 0);
        if (!marker) continue;
        // Centred on the pile's picture, a third of its height down from its top.
        const int64_t scale = int64_t(placed.scale) * pile->m_markerPercent / 100;
        const int32_t centreX = placed.left + (placed.right - placed.left) / 2;
        const int32_t centreY = placed.top + (placed.bottom - placed.top) / 3;
        SScreenPicture at = placed;
        at.left = centreX - int32_t((marker->Width() * scale) >> 7);
        at.right = centreX + int32_t((marker->Width() * scale) >> 7);
        at.top = centreY - int32_t((marker->Height() * scale) >> 7);
        at.bottom = centreY + int32_t((marker->Height() * scale) >> 7);
        at.scale = int32_t(scale);
        addScreenPicture(at, *marker, markerLook, SStoreySplit::Pile);
    }
}

void SRender::DrawCreature(int32_t x, int32_t y) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    if (!cell || !cell->m_spritePicture) return;
    const SPictureLook look{cell->m_spritePicture, cell->m_spritePalette, cell->m_light};
    const std::optional<SPicture> picture = findSprite(look.picture, look.palette);
    SScreenPicture placed;
    // Drawn as if half a cell further than the projection distance, standing on its point.
    const int64_t numerator = (int64_t(kCellSize) + 2 * m_projection.distance) << 9;
    if (picture && projectUpright(x - m_camera.eyeCellX, y - m_camera.eyeCellY, CellUnits(cell->m_spriteX),
                                  HeightAboveFloor(cell->m_spriteHeight), CellUnits(cell->m_spriteY), numerator,
                                  *picture, SFoot::OnPoint, placed))
        addScreenPicture(placed, *picture, look, SStoreySplit::Pile);
}
