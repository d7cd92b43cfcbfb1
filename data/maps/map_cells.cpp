// SMap and the play screen's grid: the cells, the creatures and the piles a visit puts there, and
// the restock that a long absence brings.
#include <algorithm>

#include "data/items/item_database.h"
#include "data/maps/cell_record.h"
#include "data/maps/level_records.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/monsters/monster.h"
#include "data/package/module.h"
#include "data/package/module_context.h"
#include "engine/base/archive.h"
#include "engine/files/pdb.h"

SCellIndexes SMap::cellIndexes() const {
    static const std::vector<SMapObjectType*> kNoTypes{nullptr};
    static const std::vector<SPaletteEntry*> kNoPalettes{nullptr};
    if (m_module == nullptr) return {kNoTypes, kNoPalettes};
    return {m_module->MapObjectTypeIndex(), m_module->PaletteIndex()};
}

void SMap::readStoredCells(SArchive& archive,
                           const std::function<void(int x, int y, const SCellRecord&)>& onCell) const {
    archive.SerializeTag(kCellsRecordTag);
    for (int y = m_storedTop; y < m_storedTop + m_storedHeight; ++y) {
        for (int x = m_storedLeft; x < m_storedLeft + m_storedWidth; ++x) {
            SCellRecord record;
            record.Serialize(archive, m_version);
            if (archive.Failed()) return;
            onCell(x, y, record);
        }
    }
}

bool SMap::readCell(uint32_t offset, const SCellIndexes& indexes, SMapCell& cell, SMapCellShadow& shadow,
                    std::string& fault) const {
    cell = {};
    shadow = {};
    if (m_cells == nullptr || offset >= m_cells->Size()) return false;
    SArchive archive;
    archive.OpenRead(m_cells->Data(), m_cells->Size());
    archive.Skip(offset);
    SCellRecord record;
    record.Serialize(archive, m_version);
    return !archive.Failed() && indexes.Resolve(record, cell, shadow, fault);
}

bool SMap::isStored(int x, int y) const {
    return x >= m_storedLeft && x < m_storedLeft + m_storedWidth && y >= m_storedTop &&
           y < m_storedTop + m_storedHeight;
}

void SMap::visit(uint32_t gameTime) {
    // Creatures and loot come back after a long absence; time that went back restocks nothing.
    if (m_lastVisit != 0 && gameTime > m_lastVisit && gameTime - m_lastVisit > kRestockMinutes) {
        m_effects.Clear();
        SReadError unused;
        if (m_creatureRecord) readCreatures(*m_creatureRecord, unused);
        for (int i = m_containers.Count() - 1; i >= 0; --i)
            if (!(m_containers[i]->m_flags & kKeptOnRestock)) delete m_containers.RemoveAt(i);
        if (m_containerRecord) readContainers(*m_containerRecord, true, unused);
    }
    // 0 means never visited, so a first visit in the game's first minute still counts.
    m_lastVisit = std::max<uint32_t>(gameTime, 1);
}

void SMap::LoadCells(SMapGrid& grid, uint32_t gameTime) {
    visit(gameTime);
    for (int row = 0; row < SMapGrid::kSize; ++row) {
        for (int column = 0; column < SMapGrid::kSize; ++column) {
            grid.Cell(column, row) = {};
            grid.Shadow(column, row) = {};
        }
    }
    if (m_cells) {
        SArchive archive;
        archive.OpenRead(m_cells->Data(), m_cells->Size());
        const SCellIndexes indexes = cellIndexes();
        std::string unused;
        // The stored rectangle lies inside the map, which is never larger than the grid.
        readStoredCells(archive, [&](int x, int y, const SCellRecord& record) {
            indexes.Resolve(record, grid.Cell(x, y), grid.Shadow(x, y), unused);
        });
    }
    for (int i = 0; i < m_creatures.Count(); ++i) {
        SCreature& creature = *m_creatures[i];
        if (creature.monster) grid.MarkMonsterInUse(*creature.monster);
        if (!ownerHidden(creature)) placeCreature(creature, grid);
    }
    fillPeoplesContainers();
    // Every pile goes onto the grid, not only those filled now: the grid was cleared.
    for (int i = 0; i < m_containers.Count(); ++i) {
        fill(*m_containers[i], m_containers[i]->m_rules);
        placePile(*m_containers[i], grid);
    }
}

void SMap::LoadRegion(int column, int row, int width, int height, int gridColumn, int gridRow, SMapGrid& grid,
                      uint32_t gameTime) {
    visit(gameTime);
    const SCellIndexes indexes = cellIndexes();
    std::string unused;
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const int gx = gridColumn + i, gy = gridRow + j;
            if (gx < 0 || gy < 0 || gx >= SMapGrid::kSize || gy >= SMapGrid::kSize) continue;
            const int x = column + i, y = row + j;
            SMapCell& cell = grid.Cell(gx, gy);
            SMapCellShadow& shadow = grid.Shadow(gx, gy);
            const size_t stored = size_t((y - m_storedTop) * m_storedWidth + (x - m_storedLeft));
            // Cells outside the stored ones, and any that do not read, are cleared.
            cell = {};
            shadow = {};
            if (isStored(x, y) && stored < m_cellOffsets.size())
                readCell(m_cellOffsets[stored], indexes, cell, shadow, unused);
        }
    }
    const auto inside = [&](int x, int y) { return x >= column && x < column + width && y >= row && y < row + height; };
    for (int i = 0; i < m_creatures.Count(); ++i) {
        SCreature& creature = *m_creatures[i];
        if (creature.monster) grid.MarkMonsterInUse(*creature.monster);
        // People come onto the grid by PlacePeopleInRect.
        if (ownerHidden(creature) || creature.IsPerson()) continue;
        if (inside(creature.x, creature.y)) placeCreature(creature, grid);
    }
    fillPeoplesContainers();
    for (int i = 0; i < m_containers.Count(); ++i) {
        SItemList& container = *m_containers[i];
        fill(container, container.m_rules);
        if (inside(container.m_x, container.m_y)) placePile(container, grid);
    }
}

void SMap::fill(SItemList& container, const SPtrArray<SLootRule>& rules) {
    const SModuleContext* context = m_module ? &m_module->Context() : nullptr;
    if (context == nullptr || context->items == nullptr || context->random == nullptr) return;
    if (container.m_flags & SItemList::kFilled) return;
    context->items->FillContainer(rules, container, *context->random);
    container.m_flags |= SItemList::kFilled;
}

void SMap::fillPeoplesContainers() {
    for (int i = 0; i < m_creatures.Count(); ++i) {
        const SCreature& creature = *m_creatures[i];
        SItemList* goods = FindContainer(creature.containerId);
        if (goods && creature.IsPerson()) fill(*goods, creature.monster->m_loot.m_rules);
    }
}

void SMap::placePile(SItemList& container, SMapGrid& grid) {
    if (container.m_x == SItemList::kNowhere) return;
    int column = 0, row = 0;
    if (!grid.MapToGrid(*this, container.m_x, container.m_y, column, row)) return;
    if (column < 0 || row < 0 || column >= SMapGrid::kSize || row >= SMapGrid::kSize) return;
    // A cell shows one pile. A second one keeps its place, to be found once the first is taken,
    // rather than being sent nowhere with its items for good.
    SMapCell& cell = grid.Cell(column, row);
    if (cell.containerId == 0) cell.containerId = container.m_id;
}
