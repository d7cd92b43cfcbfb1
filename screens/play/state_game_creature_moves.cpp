// Where the monsters may go and where they stand: the checks of a step, the move from cell to cell
// (and from section to section), the places inside a cell and the sprites of the creatures near
// the player.
#include <algorithm>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/maps/placed_object.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "render/view_descriptor.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/monster_traits.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kSectionSize = 21;
constexpr int kScanReach = 7;
constexpr uint8_t kKeepSpriteTime = 5;

}  // namespace

// Every cell a walk crosses must be one the creature may enter: a diagonal step passes through a
// cell beside its target, and that cell may be a wall.
bool SStateGame::CanStepTo(const SActingMonster& record, int fromX, int fromY, int toX, int toY) const {
    const SMapCell* cell = GetCell(toX, toY);
    if (cell == nullptr || GetZoneMap(toX, toY) == nullptr) return false;
    if (OnSurface() && record.creature->ownerId != 0 && GetZoneMap(fromX, fromY) != GetZoneMap(toX, toY)) return false;
    const int side = toY < fromY ? 0 : toX > fromX ? 1 : toY > fromY ? 2 : 3;
    return cell->creatures[1] == 0 && CanCreatureEnter(*record.creature, side, toX, toY);
}

bool SStateGame::MoveCreature(SActingMonster& record, int x, int y, int dx, int dy) {
    SCreature& creature = *record.creature;
    SMapCell* from = GetCell(x, y);
    SMapCell* to = GetCell(x + dx, y + dy);
    SMap* fromMap = GetZoneMap(x, y);
    SMap* toMap = GetZoneMap(x + dx, y + dy);
    if (from == nullptr || to == nullptr || fromMap == nullptr || toMap == nullptr || to->creatures[1] != 0)
        return false;
    const uint8_t oldId = creature.id;
    if (from->creatures[0] != oldId && from->creatures[1] != oldId) return false;
    const bool crosses = toMap != fromMap;
    if (crosses && !fromMap->MoveCreatureTo(*toMap, creature)) return false;
    record.map = toMap;

    SCellViewRecord* fromView = GetRenderCell(x, y);
    if (from->creatures[0] == oldId) {
        from->creatures[0] = from->creatures[1];
        if (fromView != nullptr) fromView->m_itemPiles[0] = fromView->m_itemPiles[1];
    }
    from->creatures[1] = 0;
    if (fromView != nullptr) fromView->m_itemPiles[1] = 0;
    const int slot = to->creatures[0] == 0 ? 0 : 1;
    to->creatures[slot] = creature.id;
    if (SCellViewRecord* toView = GetRenderCell(x + dx, y + dy)) toView->m_itemPiles[slot] = creature.displaySlot;

    auto wrap = [crosses](int value) {
        if (!crosses) return value;
        if (value >= kSectionSize) return value - kSectionSize;
        if (value < 0) return value + kSectionSize;
        return value;
    };
    creature.x = uint8_t(wrap(creature.x + dx));
    creature.y = uint8_t(wrap(creature.y + dy));
    return true;
}

bool SStateGame::CellOccupancy(int x, int y, SOccupancy& occupancy, const SCreature* creature) const {
    occupancy = {};
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr) return true;
    int others = 0;
    for (int slot = 0; slot < 2; ++slot) {
        const SCreature* standing = creatureInSlot(x, y, slot);
        if (standing == nullptr || standing == creature) continue;
        const SActingMonster* record = FindActiveMonster(*standing);
        const bool leaves = record != nullptr && SActingMonster::Walks(record->action) &&
                            (record->targetX != x || record->targetY != y);
        if (!leaves) ++others;
    }
    for (const auto& record : m_actingMonsters) {
        if (record->creature == creature || !SActingMonster::Walks(record->action)) continue;
        if (record->targetX != x || record->targetY != y) continue;
        if (record->currentX == x && record->currentY == y) continue;  // counted in its place
        ++others;
    }
    if (others >= 2) return true;
    occupancy.slot = uint8_t(others);
    occupancy.shared = others == 1;
    return false;
}

bool SStateGame::CanCreatureEnter(const SCreature& creature, int side, int x, int y) const {
    using namespace grid_rules;
    const SMapCell* cell = GetCell(x, y);
    const SMap* map = GetZoneMap(x, y);
    if (cell == nullptr || map == nullptr || cell->creatures[1] != 0) return false;

    // A stream three cells wide across the way holds a walker back.
    uint16_t ground = 0;
    if (IsGroundCode3(x, y, false, ground)) {
        const int acrossX = (side & 1) == 0 ? 1 : 0, acrossY = 1 - acrossX;
        int across = 0;
        for (int k = -1; k <= 1; ++k) {
            uint16_t any = 0;
            if (IsGroundCode3(x + k * acrossX, y + k * acrossY, true, any)) ++across;
        }
        if (across == 3 && !IsOpenTextureDecor(x, y)) return false;
    }
    if (IsWallAt(x, y) && !IsOpenTextureDecor(x, y)) return false;
    if (cell->centreType != nullptr) {
        const SPlacedObject* object = map->FindObject(cell->centreId);
        if ((object == nullptr || (object->flags & SPlacedObject::kVisible) != 0) &&
            cell->centreType->IsBlocking(object))
            return false;
    }
    if (!monster_traits::KeepsToFirstLayer(creature.monster)) return true;
    const SMapCellShadow* shadow = GetShadowCell(x, y);
    if (shadow == nullptr || shadow->centreType == nullptr) return true;
    const SPlacedObject* object = map->FindObject(shadow->centreId);
    return object != nullptr && (object->flags & SPlacedObject::kVisible) == 0;
}

monster_steps::SSubCell SStateGame::GetSlotOffset(int x, int y, bool large, bool shared, bool second) const {
    const bool still = m_moving == 0;
    if (still && x == m_playerX && y == m_playerY) return {kCellCentre, kCellCentre};
    int side = 0;
    if (still && x == m_playerX)
        side = y < m_playerY ? 0 : 2;
    else if (still && y == m_playerY)
        side = x < m_playerX ? 1 : 3;
    else
        side = int(((m_heading + 45) % 360) / 90);
    using monster_steps::SSlotPlace;
    SSlotPlace place = SSlotPlace::Alone;
    if (second)
        place = large ? SSlotPlace::SecondLarge : SSlotPlace::SecondSmall;
    else if (shared)
        place = large ? SSlotPlace::FirstLarge : SSlotPlace::FirstSmall;
    return monster_steps::SlotOffset(place, side);
}

void SStateGame::ScanRadius7() {
    if (m_grid == nullptr) return;
    const int top = std::max(0, m_playerY - kScanReach), bottom = std::min(kGridSize - 1, m_playerY + kScanReach);
    const int left = std::max(0, m_playerX - kScanReach), right = std::min(kGridSize - 1, m_playerX + kScanReach);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool shared = creatureInSlot(x, y, 1) != nullptr;
            for (int slot = 0; slot < 2; ++slot) {
                SCreature* creature = creatureInSlot(x, y, slot);
                if (creature == nullptr) break;
                if (creature->displayTimer > kKeepSpriteTime && creature->id != 0) continue;
                SItemPileRecord* sprite = m_grid->CreatureSprite(*creature);
                SMap* map = GetZoneMap(x, y);
                if (sprite == nullptr || map == nullptr || creature->monster == nullptr) continue;
                if (!creature->IsPerson() || monster_traits::PersonTakesPlace(creature->monster)) {
                    const monster_steps::SSubCell place =
                        GetSlotOffset(x, y, monster_traits::IsLarge(creature->monster), shared, slot == 1);
                    sprite->m_x = uint16_t(place.x);
                    sprite->m_y = uint16_t(place.y);
                }
                if (std::optional<SMonsterContext> rules = monsterContext(*map))
                    creature->monster->SelectSprite(*rules, *creature, *sprite);
            }
        }
    }
}

void SStateGame::ScanNearbyCells() { ScanRadius7(); }
