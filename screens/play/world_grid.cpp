#include "screens/play/world_grid.h"

#include <algorithm>
#include <type_traits>

#include "data/maps/creature.h"
#include "screens/play/state_game.h"
#include "screens/play/type_pictures.h"

SWorldGrid::SWorldGrid(SStateGame& screen)
    : m_screen(screen),
      m_cells(kCells),
      m_shadows(kCells),
      m_views(kCells),
      m_extras(kCells),
      m_floors(kCells + 1),
      m_geometry(kLayerRecords),
      m_sides(kLayerRecords),
      m_pileDisplays(kPileDisplays),
      m_creatureDisplays(kCreatureDisplays),
      m_builtLight(kCells) {}

bool SWorldGrid::MapToGrid(const SMap& map, int x, int y, int& column, int& row) const {
    return m_screen.MapToGrid(map, x, y, column, row);
}

bool SWorldGrid::PlaceCreatureNear(SMap& map, SCreature& creature, int x, int y) {
    return m_screen.PlaceCreatureNear(map, creature, x, y);
}

SItemPileRecord* SWorldGrid::CreatureSprite(const SCreature& creature) {
    const uint16_t number = creature.displaySlot;
    return number != 0 && number < m_creatureDisplays.size() ? &m_creatureDisplays.Write(number) : nullptr;
}

void SWorldGrid::RefreshCreaturePicture(SMap& map, SCreature& creature) {
    int x = 0, y = 0;
    if (m_screen.MapToGrid(map, creature.x, creature.y, x, y) && SStateGame::IsOnGrid(x, y))
        m_screen.BuildCellView(x, y);
}

void SWorldGrid::MarkMonsterInUse(const SMonster& monster) { MarkMonsterTypeInUse(monster); }

void SWorldGrid::Clear() {
    auto clear = [](auto& table) {
        std::fill(table.begin(), table.end(), typename std::decay_t<decltype(table)>::value_type{});
    };
    clear(m_cells);
    clear(m_shadows);
    clear(m_views.WriteAll());
    clear(m_extras.WriteAll());
    clear(m_floors.WriteAll());
    clear(m_geometry.WriteAll());
    clear(m_sides.WriteAll());
    clear(m_pileDisplays.WriteAll());
    clear(m_creatureDisplays.WriteAll());
    clear(m_builtLight);
}

bool SWorldGrid::TakeViewChange() {
    // Every table is asked, so that each starts watching afresh.
    bool changed = m_views.TakeChange();
    changed = m_extras.TakeChange() || changed;
    changed = m_floors.TakeChange() || changed;
    changed = m_geometry.TakeChange() || changed;
    changed = m_sides.TakeChange() || changed;
    changed = m_pileDisplays.TakeChange() || changed;
    return m_creatureDisplays.TakeChange() || changed;
}

void SWorldGrid::AttachView(SViewDescriptor& view) const {
    view.m_cells = {m_views.data(), uint32_t(m_views.size())};
    view.m_cellExtras = {m_extras.data(), uint32_t(m_extras.size())};
    view.m_floors = {m_floors.data(), uint32_t(m_floors.size())};
    view.m_objectTypes = {m_geometry.data(), uint32_t(m_geometry.size())};
    view.m_sideOverlays = {m_sides.data(), uint32_t(m_sides.size())};
    view.m_itemStacks = {m_pileDisplays.data(), uint32_t(m_pileDisplays.size())};
    view.m_itemPiles = {m_creatureDisplays.data(), uint32_t(m_creatureDisplays.size())};
    view.m_gridWidth = kSize;
    view.m_gridHeight = kSize;
}
