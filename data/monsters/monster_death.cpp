#include "data/items/item_database.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "data/player/player.h"

namespace {

// The pile in the grid cell of (x, y), made there when the cell holds none; null when the map has
// no container id left.
SItemList* dropContainerAt(SMonsterContext& context, uint8_t x, uint8_t y) {
    SMapCell* cell = nullptr;
    int column = 0, row = 0;
    if (context.grid.MapToGrid(context.map, x, y, column, row) && column >= 0 && row >= 0 && column < SMapGrid::kSize &&
        row < SMapGrid::kSize)
        cell = &context.grid.Cell(column, row);
    if (cell && cell->containerId != 0)
        if (SItemList* pile = context.map.FindContainer(uint8_t(cell->containerId))) return pile;
    SItemList* pile = context.map.AddItemList();
    if (pile == nullptr) return nullptr;
    pile->m_x = x;
    pile->m_y = y;
    if (cell) cell->containerId = pile->m_id;
    return pile;
}

}  // namespace

bool SMonster::OnKilled(SMonsterContext& context, SCreature& creature, bool givesExperience) {
    context.screen.RedrawView();
    if (SPlacedObject* owner = context.map.FindObject(creature.ownerId)) owner->flags |= SPlacedObject::kClosed;
    SItemList* goods = context.map.FindContainer(creature.containerId);
    if (goods != nullptr || m_loot.m_rules.Count() > 0) {
        if (SItemList* pile = dropContainerAt(context, creature.x, creature.y)) {
            if (goods) pile->MoveAllFrom(*goods);
            context.items.FillContainer(m_loot.m_rules, *pile, context.random);
        }
    }
    if (givesExperience) context.player.AddXp(m_stats[kStatExperience], false);
    context.screen.RemoveCreatureFromCell(context.map, creature);
    context.map.RemoveCreature(creature.id);
    return true;
}
