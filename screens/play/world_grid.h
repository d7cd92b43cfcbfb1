#pragma once
// SWorldGrid: the play screen's 35 x 35 cells around the player, both layers, and the view records
// the renderer draws them from: a view record and a second-layer record per cell, a floor record per
// cell, the centre and side records of both layers (entry 2i + 1 the cell's own, 2i + 2 its second
// layer's), the item stacks of the piles and shelves and the sprites of the creatures. Display
// numbers of piles and creatures index the last two; 0 is none in every table.
//
// Maps fill the cells through SMapGrid; where a map's place lies on the grid, and where a creature
// may stand, are the play screen's to say, so those calls go to it.
#include <cstdint>
#include <vector>

#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "render/view_descriptor.h"
#include "screens/play/watched_table.h"

class SStateGame;
struct SViewDescriptor;

class SWorldGrid : public SMapGrid {
public:
    static constexpr int kCells = kSize * kSize;
    // Both layers' records and the empty entry 0.
    static constexpr int kLayerRecords = 2 * kCells + 1;
    // A creature display per creature place, two to a cell.
    static constexpr int kCreatureDisplays = 2 * kCells + 1;
    // A pile display per cell's pile and per shelf on the four sides of a wall.
    static constexpr int kPileDisplays = 5 * kCells + 1;

    explicit SWorldGrid(SStateGame& screen);

    // The centre and side records of a cell: 2i + 1 for its first layer, 2i + 2 for its second,
    // so that entry 0 stays empty.
    static int RecordNumber(int x, int y, bool secondLayer) { return 2 * (y * kSize + x) + (secondLayer ? 2 : 1); }

    SMapCell& Cell(int column, int row) override { return m_cells[index(column, row)]; }
    SMapCellShadow& Shadow(int column, int row) override { return m_shadows[index(column, row)]; }
    bool MapToGrid(const SMap& map, int x, int y, int& column, int& row) const override;
    bool PlaceCreatureNear(SMap& map, SCreature& creature, int x, int y) override;
    SItemPileRecord* CreatureSprite(const SCreature& creature) override;
    void RefreshCreaturePicture(SMap& map, SCreature& creature) override;
    void MarkMonsterInUse(const SMonster& monster) override;

    // Every cell and record back to empty, and no monster in use.
    void Clear();
    // The renderer reads the view records from these tables.
    void AttachView(SViewDescriptor& view) const;

    // Indexes are checked by the callers: cell (x, y) on the grid, record and display numbers
    // below their table's size. A record handed out to write is compared, when the view's change is
    // taken, with what it held; the const forms only read.
    SCellViewRecord& View(int x, int y) { return m_views.Write(index(x, y)); }
    const SCellViewRecord& View(int x, int y) const { return m_views[index(x, y)]; }
    SCellExtraRecord& ExtraView(int x, int y) { return m_extras.Write(index(x, y)); }
    SFloorRecord& Floor(int number) { return m_floors.Write(size_t(number)); }
    SObjectTypeRecord& Geometry(int number) { return m_geometry.Write(size_t(number)); }
    const SObjectTypeRecord& Geometry(int number) const { return m_geometry[size_t(number)]; }
    SSideOverlayRecord& Side(int number) { return m_sides.Write(size_t(number)); }
    SItemStackRecord& PileDisplay(int number) { return m_pileDisplays.Write(size_t(number)); }
    SItemPileRecord& CreatureDisplay(int number) { return m_creatureDisplays.Write(size_t(number)); }
    std::vector<SFloorRecord>& Floors() { return m_floors.WriteAll(); }
    // The light the cell was built with, before the light around it was spread.
    uint16_t BuiltLight(int x, int y) const { return m_builtLight[index(x, y)]; }
    void SetBuiltLight(int x, int y, uint16_t light) { m_builtLight[index(x, y)] = light; }

    // Whether a record the renderer reads has changed since this was last asked (the first time,
    // yes). Doors swing, creatures step and move their limbs, fires flicker and scripts change
    // cells while no key is pressed; the view is drawn again whenever what it is drawn from changed.
    // Only the records handed out to write since are compared, so standing still costs nothing.
    bool TakeViewChange();

private:
    static size_t index(int x, int y) { return size_t(y * kSize + x); }

    SStateGame& m_screen;
    std::vector<SMapCell> m_cells;
    std::vector<SMapCellShadow> m_shadows;
    SWatchedTable<SCellViewRecord> m_views;
    SWatchedTable<SCellExtraRecord> m_extras;
    SWatchedTable<SFloorRecord> m_floors;
    SWatchedTable<SObjectTypeRecord> m_geometry;
    SWatchedTable<SSideOverlayRecord> m_sides;
    SWatchedTable<SItemStackRecord> m_pileDisplays;
    SWatchedTable<SItemPileRecord> m_creatureDisplays;
    std::vector<uint16_t> m_builtLight;
};
