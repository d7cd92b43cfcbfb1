// Starting a step: whether the player may move to the side at all, what stands in the way, a use
// of what the player walks into, and the walk or the bump that follows; the step back and a turn
// to a heading quarter.
#include "data/maps/creature.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_base_type.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

using namespace grid_rules;

namespace {

constexpr int32_t kQuarterTurn = 90;
// A trap's top four state bits hold the player while it is sprung.
constexpr uint16_t kTrapHolds = 0xF000;
constexpr uint8_t kTrapCode = 42;
constexpr uint8_t kHoleCode = 15;
// A texture decoration with this flag is a passage the player walks through while it shows.
constexpr uint16_t kPassage = 0x8000;

}  // namespace

uint32_t SStateGame::MoveTo(int side) {
    if (isHeldByTrap() || side < 0 || side > 3) return 0;
    const int32_t dx = play_tables::kSideDx[side], dy = play_tables::kSideDy[side];
    const int tx = m_playerX + dx, ty = m_playerY + dy;
    const SMapCell* target = GetCell(tx, ty);
    if (target == nullptr) return 0;

    bool use = false;
    const bool blocked = isStepBlocked(side, tx, ty, use);
    if (use) {
        const uint32_t next = Interact(side, 0);
        if (!HasCode(target->centreType, kHoleCode)) return next;
    }

    const bool fast = m_fast != 0;
    m_moving = 1;
    if (blocked) {
        m_step.StartBump(dx, dy, fast);
    } else {
        StartJolt();
        m_previousX = m_playerX;
        m_previousY = m_playerY;
        m_step.StartWalk(dx, dy, fast);
        if (!OnSurface()) {
            ReactToPlayerStep(tx, ty);
            if (m_moving == 0) {
                m_step.Stop();
                return 0;
            }
        }
    }
    m_stepSide = uint32_t(side);
    UpdatePersonsInView();
    // A step is a minute of the day as it runs: the rain drifts on, it does not start anew.
    TickMinute();
    return 0;
}

bool SStateGame::isHeldByTrap() const {
    const SMapCell* cell = GetCell(m_playerX, m_playerY);
    if (cell == nullptr || !HasCode(cell->centreType, kTrapCode)) return false;
    const SPlacedObject* trap = FindObjectAt(m_playerX, m_playerY, cell->centreId);
    return trap != nullptr && (trap->state & kTrapHolds) != 0;
}

// Sets `use` when the step is a use of what stands in the target cell instead.
bool SStateGame::isStepBlocked(int side, int tx, int ty, bool& use) {
    SPlayer& player = m_game->m_player;
    if (player.IsParalyzed()) return true;
    if (int64_t(player.SumItemWeights()) > int64_t(player.GetMaxCarryWeight()) * 3 / 2) {
        QueueMessage("You carry way too much - you can't move.", 0, nullptr);
        return true;
    }
    // A cell that no map fills is the edge of the world.
    SMap* map = GetZoneMap(tx, ty);
    if (map == nullptr) return true;
    const SMapCell& target = *GetCell(tx, ty);
    if (crowdBlocks(*map, tx, ty)) return true;
    const bool passage = isOpenPassage(tx, ty);
    if (!passage && (walksOntoFlowingGround(side, tx, ty) || IsWallAt(tx, ty))) return true;
    if (target.centreType == nullptr) return false;

    const SPlacedObject* object = FindObjectAt(tx, ty, target.centreId);
    const bool hidden = object != nullptr && (object->flags & SPlacedObject::kVisible) == 0;
    const bool blocked = !hidden && target.centreType->IsBlocking(object);
    if ((target.centreType->m_flags & SMapObjectType::kLeadsSomewhere) != 0 && object != nullptr &&
        !object->textA.IsEmpty())
        use = true;
    const SMapCellSide& facing = target.sides[(side + 2) % 4];
    if (HasCode(target.centreType, kWallCode) && facing.wallType != nullptr &&
        (facing.wallType->m_flags & SMapObjectType::kLeadsSomewhere) != 0 &&
        FindObjectAt(tx, ty, facing.objectId) != nullptr)
        use = true;
    return blocked;
}

// Any creature but a person blocks; persons step aside.
bool SStateGame::crowdBlocks(SMap& map, int x, int y) {
    const SMapCell& cell = *GetCell(x, y);
    SCreature* creatures[2] = {};
    for (int slot = 0; slot < 2; ++slot)
        if (cell.creatures[slot] != 0) creatures[slot] = FindCreatureAt(x, y, cell.creatures[slot]);
    for (const SCreature* creature : creatures)
        if (creature != nullptr &&
            (creature->monster == nullptr || creature->monster->m_kind != SMonsterBaseType::kKindPeople))
            return true;
    for (SCreature* person : creatures)
        if (person != nullptr) MovePersonAside(map, *person);
    return false;
}

bool SStateGame::isOpenPassage(int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr || !HasCode(cell->centreType, kTextureDecorCode) || (cell->centreType->m_flags & kPassage) == 0)
        return false;
    return IsShown(FindObjectAt(x, y, cell->centreId));
}

// Flowing ground (animated ground, type code 3) carries the player along: from a cell of it the
// player cannot walk against a stream as wide as three cells, except back to the cell just left.
bool SStateGame::walksOntoFlowingGround(int side, int tx, int ty) const {
    uint16_t ground = 0;
    if (!IsGroundCode3(m_playerX, m_playerY, false, ground)) return false;
    if (tx == m_previousX && ty == m_previousY) return false;
    // Across the direction of travel: the target and its two neighbours.
    if (CountGroundAcross(tx, ty, side, ground) < 3) return false;
    uint16_t own = 0;
    return IsGroundCode3(tx, ty, false, own);
}

void SStateGame::StepBack() { MoveTo(int((m_stepSide + 2) % 4)); }

void SStateGame::StartTurnToSide(uint32_t quarter) {
    // Scripts may count past a full turn; the heading is always within one.
    const int32_t target = int32_t(quarter % 4) * kQuarterTurn;
    startTurn(target, (int32_t(m_heading) + kQuarterTurn) % 360 == target ? 1 : -1);
}
