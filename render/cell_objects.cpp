// The side-overlay record of a cell: pictures standing free in the cell, pictures on its four
// sides (seen head-on, obliquely or standing out from the side) with the item stacks on them, and
// the entries' second free-standing pictures.
#include <algorithm>

#include "render/render.h"
#include "render/upright_rules.h"

namespace {

constexpr int32_t kHeadOnDegrees = 60;

int32_t FootHeight(const SPicture& picture) {
    return picture.FootOffset() * SRender::kLevelStep / SRender::kWallTexelsUp;
}

// A side of the cell in a frame of its own: `along` runs along the side, `in` from it into the cell.
struct SCellSideFrame {
    int side;  // 0 x = 0, 1 x = 1024, 2 y = 0, 3 y = 1024
    int32_t angle;

    void At(int32_t along, int32_t in, int32_t& x, int32_t& y) const {
        switch (side) {
            case 0: x = in, y = along; return;
            case 1: x = SRender::kCellSize - in, y = along; return;
            case 2: x = along, y = in; return;
            default: x = along, y = SRender::kCellSize - in; return;
        }
    }
    // Whether the viewer looks along the side toward its low end; a projecting picture stands on
    // that side of its position.
    bool Flipped(int32_t degrees) const {
        switch (side) {
            case 0: return degrees < 90 || degrees > 270;
            case 1: return degrees > 90 && degrees < 270;
            case 2: return degrees > 180;
            default: return degrees < 180;
        }
    }
};

// The side a packed position names: x step 1 or 31, else y step 1 or 31; none otherwise.
bool SideOf(const SPackedPosition& position, SCellSideFrame& frame) {
    if (position.xStep == 1) return frame = {0, 90}, true;
    if (position.xStep == 31) return frame = {1, 270}, true;
    if (position.yStep == 1) return frame = {2, 0}, true;
    if (position.yStep == 31) return frame = {3, 180}, true;
    return false;
}

}  // namespace

void SRender::DrawCellObjects(int32_t x, int32_t y, int layer) {
    const SViewDescriptor& view = *m_view;
    uint16_t index = 0;
    int32_t light = 0;
    if (layer == 0) {
        const SCellViewRecord* cell = view.Cell(x, y);
        if (cell) index = cell->m_sideOverlay, light = cell->m_light;
    } else {
        const SCellExtraRecord* extra = view.CellExtra(x, y);
        if (extra) index = extra->m_sideOverlay, light = extra->m_light;
    }
    const SSideOverlayRecord* record = view.m_sideOverlays.Find(index);
    if (!record) return;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    const int32_t floor = kLevels[2 + layer];
    const int32_t degrees = viewDegrees();
    const SStoreySplit split = layer == 0 ? SStoreySplit::CellObject : SStoreySplit::SecondLayer;
    for (int e = 0; e < 4; ++e) {
        if (!record->m_picture[e]) continue;
        if (record->m_obliquePicture[e]) {
            drawSideEntry(cx, cy, *record, e, layer, light);
            continue;
        }
        const SPackedPosition at = SPackedPosition::Decode(record->m_position[e]);
        const int32_t px = at.X(), py = at.Y();
        const SPictureLook look{record->m_picture[e], record->m_palette[e], light, IsMirroredAt(degrees, px, py)};
        drawFreePicture(cx, cy, px, floor + at.Height(), py, look, split);
    }
    for (int e = 0; e < 4; ++e) {
        if (!record->m_secondPicture[e] || (record->m_secondPosition[e] & SSideOverlayRecord::kWallOverlay)) continue;
        const SPackedPosition at = SPackedPosition::Decode(record->m_secondPosition[e]);
        const int32_t px = at.X(SRender::kCellSize - 1), py = at.Y(SRender::kCellSize - 1);
        const SPictureLook look{record->m_secondPicture[e], record->m_secondPalette[e], light,
                                IsMirroredAt(degrees, px, py)};
        drawFreePicture(cx, cy, px, floor + at.Height(SRender::kLevelStep - 1), py, look, split);
    }
}

void SRender::drawSideEntry(int32_t cx, int32_t cy, const SSideOverlayRecord& record, int e, int layer, int32_t light) {
    const SPackedPosition at = SPackedPosition::Decode(record.m_position[e]);
    SCellSideFrame frame{};
    if (!SideOf(at, frame)) return;
    const std::optional<SPicture> main = findSprite(record.m_picture[e], record.m_palette[e]);
    if (!main) return;
    const int32_t degrees = viewDegrees();
    // On the north side the angles past 270 count from 360, so that d runs through 0 there.
    const int32_t seen = frame.side == 2 && degrees > 270 ? degrees - 360 : degrees;
    const int32_t d = seen - frame.angle;
    const bool headOn = d > -kHeadOnDegrees && d < kHeadOnDegrees;
    const bool oblique = !headOn && !at.projects;
    const std::optional<SPicture> shown = oblique ? findSprite(record.m_obliquePicture[e], record.m_palette[e]) : main;
    if (!shown) return;

    const int32_t px = at.X(), py = at.Y();
    const int32_t height = kLevels[2 + layer] + at.Height();
    const int32_t along = frame.side < 2 ? py : px;
    const int32_t width = main->Width() * SRender::kCellSize / kWallTexelsAcross;
    const int32_t rise = shown->Height() * SRender::kLevelStep / SRender::kWallTexelsUp;
    const uint16_t stackWord = record.m_itemStack[e];
    SCellUpright quad;
    quad.bottomRight = {shown->Width() * 16, shown->Height() * 16};
    if (!headOn && at.projects) {
        // Standing out from the side, beside the entry's position on the side the viewer looks
        // toward.
        const int32_t plane = along + (frame.Flipped(degrees) ? -width / 2 : width / 2);
        frame.At(plane, 0, quad.ax, quad.ay);
        frame.At(plane, width, quad.bx, quad.by);
        quad.bottom = height;
    } else {
        frame.At(along - width / 2, 0, quad.ax, quad.ay);
        frame.At(along + width / 2, 0, quad.bx, quad.by);
        // A picture holding a stack sits on its position; the stack stands on its foot line.
        quad.bottom = stackWord ? height : height - FootHeight(*shown);
    }
    quad.top = quad.bottom + rise;
    if (layer == 1 && quad.bottom < kLevels[3]) {
        if (quad.top <= kLevels[3]) return;
        quad = quad.Between(quad.top, kLevels[3]);
    }
    SPictureLook look{oblique ? record.m_obliquePicture[e] : record.m_picture[e], record.m_palette[e], light};
    if (stackWord & SSideOverlayRecord::kSilhouette) look.flags = SRenderPolygon::kFlash;
    const SPolygonType type = oblique ? SPolygonType::KeyedQuad : SPolygonType::KeyedObjectQuad;
    const SSortClass sortClass = layer == 0 ? SSortClass::FirstLayer : SSortClass::SecondLayer;
    // Moved toward the viewer so that it lies in front of its wall.
    const SRenderPolygon* polygon =
        addUpright(cx, cy, quad, type, sortClass, look, SUprightSides::Both, layer == 0 ? 5 : 6);
    if (!polygon || oblique) return;

    const SItemStackRecord* stack = m_view->m_itemStacks.Find(stackWord & SSideOverlayRecord::kItemStackMask);
    if (!stack) return;
    if (at.projects && !headOn) {
        // A projecting shelf shows its stack only once it reaches the middle of the view.
        const SRenderVertex* v = m_frame.vertices + polygon->m_firstVertex;
        int32_t left = v[0].x, right = v[0].x;
        for (int i = 1; i < polygon->m_vertexCount; ++i) left = std::min(left, v[i].x), right = std::max(right, v[i].x);
        const int32_t centre = m_projection.width16 / 2;
        if (frame.Flipped(degrees) ? left > centre : right < centre) return;
    }
    DrawItemStack(cx, cy, *stack, px, height + FootHeight(*main), py, light);
}
