// What stands in the middle of a cell: the first-layer object type record drawn by its primitive
// kind, and the builders of the kinds made of pictures that face the viewer.
#include "render/render.h"

namespace {

constexpr int kExtraPictures = 5;
constexpr int kGroupPictures = 6;
constexpr int32_t kSpriteReference = 512;
constexpr int32_t kLargeReference = 1024;

// The four copies of a turning picture, in drawing order, and which of them are mirrored.
struct STurningCopies {
    int32_t x[4], y[4];
    bool mirrored[4];
};

STurningCopies TurningCopies(int32_t heading, int32_t width, int32_t dx, int32_t dy) {
    // Each difference of angles is taken in 16.16 and then cut to whole degrees.
    auto minus = [heading](int32_t degrees) { return (degrees * SRender::kDegree - heading) >> 16; };
    auto from = [heading](int32_t degrees) { return (heading - degrees * SRender::kDegree) >> 16; };
    const int32_t a = heading >> 16;
    const int64_t m = int64_t(width) * 512;
    const int64_t quarter = 336 * 90;
    int64_t p = 0, q = 0;
    if (a < 90) {
        p = (a * m) / quarter, q = (minus(90) * m) / quarter;
    } else if (a < 180) {
        p = (minus(180) * m) / quarter, q = (minus(90) * m) / quarter;
    } else if (a < 270) {
        p = (minus(180) * m) / quarter, q = (from(270) * m) / quarter;
    } else {
        p = (from(360) * m) / quarter, q = (from(270) * m) / quarter;
    }
    const int32_t r = width * 512 / 336;
    STurningCopies copies{
        {int32_t(r + p), int32_t(SRender::kCellSize - r + p), int32_t(SRender::kCellSize - r + p), int32_t(r + p)},
        {int32_t(r + q), int32_t(r + q), int32_t(SRender::kCellSize - r + q), int32_t(SRender::kCellSize - r + q)},
        {}};
    // Seen from the cell's own row or column two copies are on the viewer's left; from beside it,
    // all or none.
    int32_t offset = 0;
    int first = 0, second = 0;
    if (a < 45 || a >= 315) {
        offset = -dx, first = 0, second = 3;
    } else if (a < 135) {
        offset = dy, first = 2, second = 3;
    } else if (a < 225) {
        offset = dx, first = 1, second = 2;
    } else {
        offset = -dy, first = 0, second = 1;
    }
    for (int i = 0; i < 4; ++i) copies.mirrored[i] = offset > 0 || (offset == 0 && (i == first || i == second));
    return copies;
}

}  // namespace

void SRender::DrawCentreObject(int32_t x, int32_t y) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    const SObjectTypeRecord* record = cell ? m_view->m_objectTypes.Find(cell->m_objectType) : nullptr;
    if (!record) return;
    switch (record->m_kind & 0xFF) {
        case 1:
        case 7: return DrawComposite(x, y, *record);
        case 3: return DrawDoor(x, y, *record);
        case 4: return DrawTurningPicture(x, y, *record);
        case 5: return DrawPictureGroup(x, y, *record);
        case 9: return DrawPanel(x, y, *record);
        case 10: return DrawCrossPicture(x, y, *record);
        case 12: return DrawLargePicture(x, y, *record);
        case 13: return DrawPictureGroupRaised(x, y, *record);
        default: return;  // walls, floor overlays, upper panels and canopies have builders of their own
    }
}

void SRender::DrawComposite(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    if (!cell) return;
    const SCellExtraRecord* extra = m_view->CellExtra(x, y);
    const SObjectTypeRecord* upper = extra ? m_view->m_objectTypes.Find(extra->m_objectType) : nullptr;
    const bool underUpperWall = GetCellWallKinds(x, y) == 2;
    const bool hanging = (record.m_kind & 0xFF) == 7;
    const int32_t height = !hanging ? HeightAboveFloor(record.m_height) : underUpperWall ? kLevels[3] : kLevels[4];
    const bool noSplit = underUpperWall || (upper && (upper->m_kind & 0xFF) == kCanopyKind);
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    const SPictureLook main{record.m_pictures[0], record.m_palettes[0], cell->m_light};
    SScreenPicture placed;
    if (!main.picture || !DrawCentreSprite(cx, cy, CellUnits(record.m_x[0]), height, CellUnits(record.m_y[0]),
                                           kSpriteReference, hanging, noSplit, main, &placed))
        return;
    // The extras are texel offsets from the main picture's top left, drawn just in front of it.
    for (int i = 1; i <= kExtraPictures; ++i) {
        const SPictureLook extraLook{record.m_pictures[i], record.m_palettes[i], cell->m_light};
        if (extraLook.picture)
            DrawScreenSprite(placed.left, placed.top, int16_t(record.m_x[i]), int16_t(record.m_y[i]), placed.scale,
                             placed.depth - 1, extraLook);
    }
}

void SRender::DrawPictureGroup(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    drawPictureGroup(x, y, record, kLevels[2]);
}

void SRender::DrawPictureGroupRaised(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    drawPictureGroup(x, y, record, HeightAboveFloor(record.m_height));
}

void SRender::drawPictureGroup(int32_t x, int32_t y, const SObjectTypeRecord& record, int32_t height) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    if (!cell) return;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    for (int i = 0; i < kGroupPictures; ++i) {
        const SPictureLook look{record.m_pictures[i], record.m_palettes[i], cell->m_light};
        if (look.picture)
            DrawCentreSprite(cx, cy, CellUnits(record.m_x[i]), height, CellUnits(record.m_y[i]), kSpriteReference,
                             false, false, look);
    }
}

void SRender::DrawLargePicture(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    if (!cell || !record.m_pictures[0]) return;
    DrawCentreSprite(x - m_camera.eyeCellX, y - m_camera.eyeCellY, CellUnits(record.m_x[0]),
                     HeightAboveFloor(record.m_height), CellUnits(record.m_y[0]), kLargeReference, false, false,
                     {record.m_pictures[0], record.m_palettes[0], cell->m_light});
}

void SRender::DrawTurningPicture(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    const std::optional<SPicture> picture = findSprite(record.m_pictures[0], record.m_palettes[0]);
    if (!cell || !picture) return;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    const STurningCopies copies = TurningCopies(m_view->m_heading, picture->Width(), cx, cy);
    for (int i = 0; i < 4; ++i)
        DrawGroundBillboard(cx, cy, copies.x[i], copies.y[i],
                            {record.m_pictures[0], record.m_palettes[0], cell->m_light, copies.mirrored[i]});
}
