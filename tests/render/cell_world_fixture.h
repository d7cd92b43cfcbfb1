#pragma once
// A render test over a small grid whose cells the test gives records: walls, floors, overlays and
// pictures, each picture a solid colour of its own size.
#include <memory>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "render_fixture.h"
#include "support/picture_entry.h"

class CellWorldTest : public RenderTest {
protected:
    static constexpr int kSide = 12;
    // Object types: 1 a first-layer wall, 2 a second-layer wall with its ceiling picture, 3 a
    // floor overlay (kind 6), 4 a canopy (kind 11).
    static constexpr uint16_t kWall = 1, kUpperWall = 2, kOverlay = 3, kCanopy = 4;
    // Pictures: 1 to 6, each 8 x (4 + slot) texels.
    static constexpr uint16_t kPictureCount = 7;

    void SetUp() override {
        useView(160, 200);
        view.m_flags = 0;
        cells.assign(kSide * kSide, SCellViewRecord{});
        extras.assign(kSide * kSide, SCellExtraRecord{});
        for (SCellViewRecord& cell : cells) cell.m_light = 256;
        objectTypes.assign(5, SObjectTypeRecord{});
        objectTypes[kWall].m_kind = 2, objectTypes[kWall].m_pictures[0] = 1;
        objectTypes[kUpperWall].m_kind = 2, objectTypes[kUpperWall].m_pictures[0] = 2;
        objectTypes[kUpperWall].m_pictures[2] = 3;
        objectTypes[kOverlay].m_kind = 6, objectTypes[kOverlay].m_pictures[0] = 4;
        objectTypes[kCanopy].m_kind = 11, objectTypes[kCanopy].m_pictures[0] = 5;
        floors.assign(4, SFloorRecord{});
        floors[1].m_pictures[0] = 6;
        floors[2] = floors[1];
        floors[2].m_flags = SFloorRecord::kSunken;
        sideOverlays.assign(2, SSideOverlayRecord{});
        pictures.clear();
        pictures.push_back(nullptr);
        for (int slot = 1; slot < kPictureCount; ++slot)
            pictures.push_back(SolidPicture(8, 4 + slot, uint16_t(slot * 0x1111)));
        bind();
    }

    // Points the descriptor at the tables again after a test changed their sizes.
    void bind() {
        view.m_gridWidth = view.m_gridHeight = kSide;
        view.m_cells = {cells.data(), uint32_t(cells.size())};
        view.m_cellExtras = {extras.data(), uint32_t(extras.size())};
        view.m_objectTypes = {objectTypes.data(), uint32_t(objectTypes.size())};
        view.m_floors = {floors.data(), uint32_t(floors.size())};
        view.m_sideOverlays = {sideOverlays.data(), uint32_t(sideOverlays.size())};
        view.m_pictures = {pictures.data(), uint32_t(pictures.size())};
    }

    SCellViewRecord& cell(int x, int y) { return cells[y * kSide + x]; }
    SCellExtraRecord& extra(int x, int y) { return extras[y * kSide + x]; }

    // The player in the middle of cell (x, y) looking along a heading in whole degrees; the frame
    // it takes sets the camera up, and the polygon list is then emptied for the builder under test.
    void standIn(int x, int y, int degrees) {
        standAt((x << 16) + 0x8000, (y << 16) + 0x8000, degrees * kDegree);
        render->m_frame.polygonCount = render->m_frame.vertexCount = 0;
        render->m_frame.uvCount = render->m_frame.shadeCount = 0;
    }

    std::vector<const SRenderPolygon*> polygons() const {
        std::vector<const SRenderPolygon*> all;
        for (int i = 0; i < render->m_frame.polygonCount; ++i) all.push_back(&render->m_frame.polygons[i]);
        return all;
    }
    SSortClass classOf(int i) const { return render->m_frame.sortKeys[i].m_class; }
    // Whether every vertex of a polygon has no light, which tells whose light it took.
    bool isDark(const SRenderPolygon& polygon) const {
        for (int i = 0; i < polygon.m_vertexCount; ++i)
            if (render->m_frame.shades[polygon.m_firstShade + i] != 0) return false;
        return true;
    }

    std::vector<SCellViewRecord> cells;
    std::vector<SCellExtraRecord> extras;
    std::vector<SObjectTypeRecord> objectTypes;
    std::vector<SFloorRecord> floors;
    std::vector<SSideOverlayRecord> sideOverlays;
    std::vector<std::unique_ptr<SPictureEntry>> pictures;
};
