// Pictures standing in a plane of the cell's geometry: panels, doors with their frames and leaves,
// the cross picture that turns its plane to the viewer, and the panel standing on the second
// storey.
#include "render/render.h"

namespace {

constexpr int32_t kWallTexelsAcross = SRender::kWallTexelsAcross;
constexpr uint16_t kUpperPanelKind = 8;
constexpr int kPanelExtras = 5;
constexpr int32_t kCrossOffset = 312;
constexpr int32_t kFullyOpen = 63;

// How high a picture w x h texels wide stands when it spans a cell: its aspect at the wall scale.
int32_t SpanHeight(const SPicture& picture) {
    return int32_t(int64_t(picture.Height()) * kWallTexelsAcross * SRender::kLevelStep /
                   (int64_t(picture.Width()) * SRender::kWallTexelsUp));
}

// A plane across the cell: along x at a y, or along y at an x.
struct SCellPlane {
    bool alongY;
    int32_t across;

    // An upright quad of the plane from along a0 to a1.
    SCellUpright Quad(int32_t a0, int32_t a1, int32_t top, int32_t bottom, SRenderUv topLeft,
                      SRenderUv bottomRight) const {
        SCellUpright quad;
        (alongY ? quad.ay : quad.ax) = a0, (alongY ? quad.ax : quad.ay) = across;
        (alongY ? quad.by : quad.bx) = a1, (alongY ? quad.bx : quad.by) = across;
        quad.top = top, quad.bottom = bottom;
        quad.topLeft = topLeft, quad.bottomRight = bottomRight;
        return quad;
    }
};

// A rectangle of a picture in a plane: along from a0 to a1, heights bottom to top, and its texture.
struct SPlaneRect {
    int32_t a0, a1, top, bottom;
    SRenderUv topLeft, bottomRight;

    bool Empty() const { return a1 <= a0 || top <= bottom; }
};

// The door's leaves open over 63 steps: by mode, the top edge comes down, the bottom edge goes up,
// the leaf parts toward both sides (a second leaf going the other way), or it slides aside. A moved
// edge shows the texture it now stands over.
SPlaneRect MovedLeaf(const SPlaneRect& leaf, int mode, int32_t opening, bool firstOfTwo) {
    auto moved = [opening](int32_t from, int32_t to) { return from + int32_t(int64_t(to - from) * opening / 63); };
    SPlaneRect part = leaf;
    switch (mode) {
        case 0:
            part.top = moved(leaf.top, leaf.bottom), part.topLeft.v = moved(leaf.topLeft.v, leaf.bottomRight.v);
            break;
        case 1:
            part.bottom = moved(leaf.bottom, leaf.top);
            part.bottomRight.v = moved(leaf.bottomRight.v, leaf.topLeft.v);
            break;
        case 2:
            if (firstOfTwo) {
                part.a1 = moved(leaf.a1, leaf.a0), part.bottomRight.u = moved(leaf.bottomRight.u, leaf.topLeft.u);
                break;
            }
            [[fallthrough]];
        default: part.a0 = moved(leaf.a0, leaf.a1), part.topLeft.u = moved(leaf.topLeft.u, leaf.bottomRight.u);
    }
    return part;
}

}  // namespace

void SRender::DrawPanel(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    const std::optional<SPicture> main = findSprite(record.m_pictures[0], record.m_palettes[0]);
    if (!cell || !main) return;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    const bool alongY = runsAlongY(x, y, 1);
    const int32_t width = main->Width() * SRender::kCellSize / kWallTexelsAcross;
    const int32_t left = SRender::kCellSize / 2 - width / 2;
    const int32_t top = kLevels[2] +
                        (main->Height() - main->FootOffset()) * SRender::kLevelStep / SRender::kWallTexelsUp;
    // Built on both sides of the cell, each copy facing out and reading left to right from there.
    for (const int32_t across : {0, SRender::kCellSize}) {
        const bool reversed = (across == 0) != alongY;
        const SCellPlane plane{alongY, across};
        auto add = [&](const SPicture& picture, const SPictureLook& look, int32_t from, int32_t down) {
            const int32_t a0 = from, a1 = from + picture.Width() * SRender::kCellSize / kWallTexelsAcross;
            const int32_t high = top - down,
                          low = high - picture.Height() * SRender::kLevelStep / SRender::kWallTexelsUp;
            const SRenderUv topLeft{0, 0}, bottomRight{picture.Width() * 16, picture.Height() * 16};
            const SCellUpright quad =
                reversed ? plane.Quad(SRender::kCellSize - a0, SRender::kCellSize - a1, high, low, topLeft, bottomRight)
                         : plane.Quad(a0, a1, high, low, topLeft, bottomRight);
            return addUpright(cx, cy, quad, SPolygonType::KeyedObjectQuad, SSortClass::FirstLayer, look,
                              SUprightSides::FrontOnly);
        };
        if (!add(*main, {record.m_pictures[0], record.m_palettes[0], cell->m_light}, left, 0)) continue;
        const int32_t mainFarDepth = lastSortKey().m_farDepth;
        for (int i = 1; i <= kPanelExtras; ++i) {
            const SPictureLook look{record.m_pictures[i], record.m_palettes[i], cell->m_light};
            const std::optional<SPicture> extra = look.picture ? findSprite(look.picture, look.palette) : std::nullopt;
            if (!extra) continue;
            const int32_t from = left + int16_t(record.m_x[i]) * SRender::kCellSize / kWallTexelsAcross;
            if (add(*extra, look, from, int16_t(record.m_y[i]) * SRender::kLevelStep / SRender::kWallTexelsUp))
                lastSortKey().m_farDepth = mainFarDepth - 1;
        }
    }
}

void SRender::DrawDoor(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    const std::optional<SPicture> frame = findSprite(record.m_pictures[3], record.m_palettes[3]);
    if (!cell || !frame) return;
    const int32_t cx = x - m_camera.eyeCellX, cy = y - m_camera.eyeCellY;
    const bool alongY = runsAlongY(x, y, 1);
    const SCellPlane plane{alongY, planeAcross(x, y, alongY, frame->Width())};
    const int32_t frameHeight = SpanHeight(*frame), frameTop = kLevels[2] + frameHeight;
    const int32_t frameWidth = SRender::kCellSize - 2;
    auto add = [&](const SPlaneRect& r, const SPictureLook& look, int32_t farDepthCut) {
        if (!r.Empty())
            addUprightSplit(cx, cy, plane.Quad(r.a0, r.a1, r.top, r.bottom, r.topLeft, r.bottomRight), look,
                            farDepthCut);
    };
    add({1, SRender::kCellSize - 1, frameTop, kLevels[2], {0, 0}, {frame->Width() * 16, frame->Height() * 16}},
        {record.m_pictures[3], record.m_palettes[3], cell->m_light}, 4);

    const int32_t opening = record.m_kind >> 10, mode = (record.m_kind >> 8) & 3;
    const bool twoLeaves = record.m_pictures[2] != 0;
    for (int i = 0; i < 3; ++i) {
        if (i == 1 && opening >= kFullyOpen) continue;
        const SPictureLook look{record.m_pictures[i], record.m_palettes[i], cell->m_light};
        const std::optional<SPicture> picture = look.picture ? findSprite(look.picture, look.palette) : std::nullopt;
        if (!picture) continue;
        // Placed in the frame's texels, scaled by the frame's size in the world.
        SPlaneRect r;
        r.a0 = 1 + int32_t(int64_t(int16_t(record.m_x[i])) * frameWidth / frame->Width());
        r.a1 = r.a0 + int32_t(int64_t(picture->Width()) * frameWidth / frame->Width());
        r.top = frameTop - int32_t(int64_t(int16_t(record.m_y[i])) * frameHeight / frame->Height());
        r.bottom = r.top - int32_t(int64_t(picture->Height()) * frameHeight / frame->Height());
        r.topLeft = {0, 0}, r.bottomRight = {picture->Width() * 16, picture->Height() * 16};
        if (i == 1 || opening == 0) {
            add(r, look, 0);
            continue;
        }
        if (mode == 2 && !twoLeaves) {
            // One leaf parting: each half moves out toward its side.
            const int32_t middle = r.a0 + (r.a1 - r.a0) / 2, middleS = r.bottomRight.u / 2;
            SPlaneRect left = r, right = r;
            left.a1 = middle, left.bottomRight.u = middleS;
            right.a0 = middle, right.topLeft.u = middleS;
            add(MovedLeaf(left, mode, opening, true), look, 0);
            add(MovedLeaf(right, mode, opening, false), look, 0);
            continue;
        }
        add(MovedLeaf(r, mode, opening, i == 0), look, 0);
    }
}

void SRender::DrawCrossPicture(int32_t x, int32_t y, const SObjectTypeRecord& record) {
    const SCellViewRecord* cell = m_view->Cell(x, y);
    const std::optional<SPicture> picture = findSprite(record.m_pictures[0], record.m_palettes[0]);
    if (!cell || !picture) return;
    // Moved off the cell's middle line along the view direction, so that the viewer sees it from
    // in front wherever it stands.
    const bool alongY = record.m_kind & 0x100;
    const int32_t across = alongY ? SRender::kCellSize / 2 + ((m_camera.sine * kCrossOffset) >> 10)
                                  : SRender::kCellSize / 2 - ((m_camera.cosine * kCrossOffset) >> 10);
    const SCellPlane plane{alongY, across};
    const SCellUpright quad = plane.Quad(1, SRender::kCellSize - 1, kLevels[2] + SpanHeight(*picture), kLevels[2],
                                         {0, 0}, {picture->Width() * 16, picture->Height() * 16});
    if (addUpright(x - m_camera.eyeCellX, y - m_camera.eyeCellY, quad, SPolygonType::KeyedObjectQuad,
                   SSortClass::FirstLayer, {record.m_pictures[0], record.m_palettes[0], cell->m_light},
                   SUprightSides::Both))
        lastSortKey().m_farDepth -= 10;
}

void SRender::DrawUpperPanel(int32_t x, int32_t y) {
    const SCellExtraRecord* extra = m_view->CellExtra(x, y);
    const SObjectTypeRecord* record = extra ? m_view->m_objectTypes.Find(extra->m_objectType) : nullptr;
    if (!record || (record->m_kind & 0xFF) != kUpperPanelKind) return;
    const std::optional<SPicture> picture = findSprite(record->m_pictures[0], record->m_palettes[0]);
    if (!picture) return;
    const bool alongY = runsAlongY(x, y, 2);
    const SCellPlane plane{alongY, planeAcross(x, y, alongY, picture->Width())};
    const SCellUpright quad = plane.Quad(0, SRender::kCellSize, kLevels[3] + SpanHeight(*picture), kLevels[3], {0, 0},
                                         {picture->Width() * 16, picture->Height() * 16});
    addUpright(x - m_camera.eyeCellX, y - m_camera.eyeCellY, quad, SPolygonType::KeyedObjectQuad,
               SSortClass::SecondLayer, {record->m_pictures[0], record->m_palettes[0], extra->m_light},
               SUprightSides::Both);
}
