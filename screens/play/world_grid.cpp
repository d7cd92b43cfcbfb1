#include "screens/play/world_grid.h"

#include <algorithm>
#include <cstring>
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

namespace {

// Takes a copy of the table when it differs from the one kept; true when it did.
template <typename T>
bool keepChanged(const std::vector<T>& table, std::vector<T>& kept) {
    // Compared as bytes: a record with padding could differ where no field lies.
    static_assert(std::has_unique_object_representations_v<T>);
    if (kept.size() == table.size() && std::memcmp(kept.data(), table.data(), table.size() * sizeof(T)) == 0)
        return false;
    kept = table;
    return true;
}

}  // namespace

bool SWorldGrid::MapToGrid(const SMap& map, int x, int y, int& column, int& row) const {
    return m_screen.MapToGrid(map, x, y, column, row);
}

bool SWorldGrid::PlaceCreatureNear(SMap& map, SCreature& creature, int x, int y) {
    return m_screen.PlaceCreatureNear(map, creature, x, y);
}

SItemPileRecord* SWorldGrid::CreatureSprite(const SCreature& creature) {
    const uint16_t number = creature.displaySlot;
    return number != 0 && number < m_creatureDisplays.size() ? &m_creatureDisplays[number] : nullptr;
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
    clear(m_views);
    clear(m_extras);
    clear(m_floors);
    clear(m_geometry);
    clear(m_sides);
    clear(m_pileDisplays);
    clear(m_creatureDisplays);
    clear(m_builtLight);
}

bool SWorldGrid::TakeViewChange() {
    // Every table is looked at, so that each copy is the one drawn.
    bool changed = keepChanged(m_views, m_drawn.views);
    changed = keepChanged(m_extras, m_drawn.extras) || changed;
    changed = keepChanged(m_floors, m_drawn.floors) || changed;
    changed = keepChanged(m_geometry, m_drawn.geometry) || changed;
    changed = keepChanged(m_sides, m_drawn.sides) || changed;
    changed = keepChanged(m_pileDisplays, m_drawn.pileDisplays) || changed;
    return keepChanged(m_creatureDisplays, m_drawn.creatureDisplays) || changed;
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
