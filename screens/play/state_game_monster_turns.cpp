// The monsters' turn: after the player acts, every creature within 7 cells decides what it does,
// picks the cell it moves to and then, frame by frame, walks there or starts its attack. The list
// of acting creatures keeps the player waiting until it is empty.
#include <algorithm>
#include <cstdlib>

#include "data/maps/creature.h"
#include "data/maps/creature_effects.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/monsters/creature_pose.h"
#include "data/monsters/monster_events.h"
#include "data/player/equipment_slot.h"
#include "data/spells/spell_table.h"
#include "engine/base/random.h"
#include "game/game_data.h"
#include "render/view_descriptor.h"
#include "screens/play/hand_items.h"
#include "screens/play/monster_traits.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kActingReach = 7;
constexpr int kMonsterTurnsWalkFrames = 8;
constexpr int kFastWalkFrames = 4;
constexpr int32_t kAttackPause = 6;
constexpr int32_t kFastAttackPause = 3;
constexpr uint8_t kPoseTime = 8;
constexpr uint8_t kMonsterTurnsPoseBits = 0x1F;
constexpr int32_t kMonsterTurnsCell = 65536;
constexpr int kLowHealth = 30;

int sign(int v) { return (v > 0) - (v < 0); }

// The side of the player the creature stands on: 1 east, 3 west; in the player's column 0 north,
// else 2.
uint8_t sideFromPlayer(int x, int y, int px, int py) {
    if (x > px) return 1;
    if (x < px) return 3;
    return y < py ? 0 : 2;
}

// The side that leads from (x, y) towards the player: along x first, then y.
int sideTowards(int x, int y, int px, int py) {
    if (x != px) return x > px ? 3 : 1;
    return y > py ? 0 : 2;
}

}  // namespace

void SStateGame::StartMonsterTurn(bool withStep, int x, int y) {
    if (!m_combatAnims.empty()) {
        if (m_stepReaction == 0) m_monsterPassRequest = 1;
        return;
    }
    if (!m_actingMonsters.empty()) {
        m_monsterPassRequest = 1;
        return;
    }
    if (!withStep) {
        if (IsAnyMonsterBusyNear()) {
            if (m_stepReaction == 0) m_monsterPassRequest = 1;
            return;
        }
        if (m_stepReaction != 0) {
            m_stepReaction = 0;
            m_monsterPassRequest = 0;
            return;
        }
        x = m_playerX;
        y = m_playerY;
    }
    if (m_grid == nullptr || m_game == nullptr || m_game->m_random == nullptr) return;
    SRandom& random = *m_game->m_random;

    // Each place's creatures join in a random order, the first places' before the second places'.
    std::vector<std::unique_ptr<SActingMonster>> bySlot[2];
    const int top = std::max(0, y - kActingReach), bottom = std::min(kGridSize - 1, y + kActingReach);
    const int left = std::max(0, x - kActingReach), right = std::min(kGridSize - 1, x + kActingReach);
    for (int cy = top; cy <= bottom; ++cy) {
        for (int cx = left; cx <= right; ++cx) {
            for (int slot = 0; slot < 2; ++slot) {
                SCreature* creature = creatureInSlot(cx, cy, slot);
                if (creature == nullptr || creature->IsPerson() || !creatureShows(cx, cy, *creature)) continue;
                auto record = std::make_unique<SActingMonster>();
                record->creature = creature;
                record->map = GetZoneMap(cx, cy);
                record->slot = uint8_t(slot);
                record->slotChoice = uint8_t(slot);
                record->startX = record->targetX = record->currentX = int8_t(cx);
                record->startY = record->targetY = record->currentY = int8_t(cy);
                record->side = sideFromPlayer(cx, cy, m_playerX, m_playerY);
                auto& list = bySlot[slot];
                const auto at = list.empty() ? 0 : random.Next(uint32_t(list.size() + 1));
                list.insert(list.begin() + std::ptrdiff_t(at), std::move(record));
            }
        }
    }
    for (auto& list : bySlot)
        for (auto& record : list) m_actingMonsters.push_back(std::move(record));

    for (auto& record : m_actingMonsters) DecideAction(*record, x, y);
    if (withStep) {
        m_stepReaction = 1;
        for (const auto& record : m_actingMonsters) {
            const bool attacks = record->action < SActingMonster::kCloseIn ||
                                 record->action > SActingMonster::kCloseInRanged;
            const bool beside = std::abs(record->startX - m_playerX) <= 1 && std::abs(record->startY - m_playerY) <= 1;
            if (attacks || beside) m_stepReaction = 0;
        }
        if (m_stepReaction == 0) {
            m_actingMonsters.clear();
            return;
        }
    } else {
        m_stepReaction = 0;
        UpdateFightState();
        UpdateMusic();
    }
    for (auto& record : m_actingMonsters) ChooseStep(*record, x, y);
    for (auto& record : m_actingMonsters) StartWalk(*record);
}

void SStateGame::DecideAction(SActingMonster& record, int px, int py) {
    const SCreature& creature = *record.creature;
    const SMonster* monster = creature.monster;
    record.action = SActingMonster::kStay;
    if (monster == nullptr || creature.IsPerson() || record.map->SumEffect(creature.id, kEffectParalyze) != 0) return;
    if (!creature.IsHostile()) return;
    SRandom& random = *m_game->m_random;
    const int kind = monster->m_attackKind;
    const int x = record.startX, y = record.startY;
    const bool besideColumn = std::abs(x - px) == 1, besideRow = std::abs(y - py) == 1;
    int endX = 0, endY = 0;

    if (x != px && y != py) {
        const bool casts = kind == kAttackSpell || kind == kAttackMeleeWhenAdjacent;
        if (casts && (besideColumn || besideRow) && monster->CanCastAtRange(m_game->m_spells, 2)) {
            // One step off the player's line: it may turn and shoot along it.
            const int side = besideColumn ? (y > py ? 0 : 2) : (x > px ? 3 : 1);
            FindMissileTarget(x, y, side, endX, endY, false);
            if (endX == px || endY == py) {
                record.action = SActingMonster::kTurnAndShoot;
                record.side = uint8_t((side + 2) % 4);
                record.ranged = 1;
                SetFacingSide(*record.creature, side);
                return;
            }
        }
        record.action = kind == kAttackMelee ? SActingMonster::kCloseIn : SActingMonster::kCloseInRanged;
        return;
    }
    const bool adjacent = besideColumn || besideRow || (x == px && y == py);
    if (!adjacent) {
        if (!FindMissileTarget(x, y, sideTowards(x, y, px, py), endX, endY, true)) {
            record.action = SActingMonster::kCloseInRanged;
        } else if (kind == kAttackMissile) {
            record.action = SActingMonster::kStrike;
        } else if (kind == kAttackSpell || kind == kAttackMeleeWhenAdjacent) {
            record.action = SActingMonster::kCast;
        } else {
            record.action = SActingMonster::kCloseInRanged;
        }
        return;
    }
    const bool weak = creature.GetHealthPercent() < kLowHealth;
    if (kind != kAttackMissile && kind != kAttackSpell) {
        record.action = weak && random.Next(100) < 40 ? SActingMonster::kBackOff : SActingMonster::kStrike;
        return;
    }
    if (random.Next(100) < 30 || (weak && random.Next(100) < 40))
        record.action = SActingMonster::kBackOff;
    else
        record.action = kind == kAttackMissile ? SActingMonster::kStrike : SActingMonster::kCast;
}

void SStateGame::ChooseStep(SActingMonster& record, int px, int py) {
    record.targetX = record.startX;
    record.targetY = record.startY;
    record.slotChoice = record.slot;
    if (!SActingMonster::Walks(record.action)) return;
    SRandom& random = *m_game->m_random;
    const int x = record.startX, y = record.startY;
    int preference = 0;
    if (x == px || y == py) {
        preference = int(random.Next(100) / 50);
    } else {
        const int ax = std::abs(px - x), ay = std::abs(py - y);
        const bool ranged = record.action == SActingMonster::kCloseInRanged;
        if (ax == ay)
            preference = int(random.Next(100) / 50);
        else
            preference = (ax > ay) == ranged ? 1 : 0;
    }
    int direction = monster_steps::Direction(sign(x - px), sign(y - py));
    if (record.action == SActingMonster::kBackOff) {
        direction += 3 + int(random.Next(3));
        if (direction >= 8) direction -= 8;
    }
    for (int i = 0; i < monster_steps::kCandidates; ++i) {
        const monster_steps::SStepChoice& step = monster_steps::Candidate(direction, preference, i);
        if (step.dx == 0 && step.dy == 0) break;
        const int tx = x + step.dx, ty = y + step.dy;
        SOccupancy occupancy;
        if (!CanCreatureEnter(*record.creature, step.side, tx, ty) || CellOccupancy(tx, ty, occupancy, record.creature))
            continue;
        record.targetX = int8_t(tx);
        record.targetY = int8_t(ty);
        record.dx = step.dx;
        record.dy = step.dy;
        record.slotChoice = occupancy.slot;
        return;
    }
    record.action = SActingMonster::kStay;
}

void SStateGame::StartWalk(SActingMonster& record) {
    SCreature& creature = *record.creature;
    SOccupancy occupancy;
    CellOccupancy(record.targetX, record.targetY, occupancy, &creature);
    const monster_steps::SSubCell place = GetSlotOffset(record.targetX, record.targetY,
                                                        monster_traits::IsLarge(creature.monster), occupancy.shared,
                                                        record.slotChoice == 1);
    const SItemPileRecord* sprite = m_grid->CreatureSprite(creature);
    const int32_t fromX = sprite ? sprite->m_x : kCellCentre, fromY = sprite ? sprite->m_y : kCellCentre;
    const int32_t frames = m_fast != 0 ? kFastWalkFrames : kMonsterTurnsWalkFrames;
    record.stepX = (record.dx * kMonsterTurnsCell - fromX + place.x) / frames;
    record.stepY = (record.dy * kMonsterTurnsCell - fromY + place.y) / frames;
    record.remaining = (std::abs(record.stepX) + std::abs(record.stepY)) * frames;
    if (!SActingMonster::Walks(record.action)) return;
    creature.state = uint8_t((creature.state & kMonsterTurnsPoseBits) | SCreature::kMotion);
    creature.displayTimer = kPoseTime;
    if (monster_traits::StepsSound(creature.monster)) PlayFloorSoundFrom(record.startX, record.startY);
}

bool SStateGame::StepMonster(SActingMonster& record) {
    SCreature& creature = *record.creature;
    SItemPileRecord* sprite = m_grid ? m_grid->CreatureSprite(creature) : nullptr;
    if (sprite == nullptr) return true;
    int32_t x = int32_t(sprite->m_x) + record.stepX;
    int32_t y = int32_t(sprite->m_y) + record.stepY;
    const int cx = record.currentX, cy = record.currentY;
    // One edge a frame, in this order: west, east, north, south.
    int dx = 0, dy = 0;
    if (x < 0)
        dx = -1;
    else if (x >= kMonsterTurnsCell)
        dx = 1;
    else if (y < 0)
        dy = -1;
    else if (y >= kMonsterTurnsCell)
        dy = 1;
    bool done = false;
    if (dx != 0 || dy != 0) {
        if (CanStepTo(record, cx, cy, cx + dx, cy + dy) && MoveCreature(record, cx, cy, dx, dy)) {
            x -= dx * kMonsterTurnsCell;
            y -= dy * kMonsterTurnsCell;
            record.currentX = int8_t(cx + dx);
            record.currentY = int8_t(cy + dy);
        } else {
            done = true;
        }
    }
    record.remaining -= std::abs(record.stepX) + std::abs(record.stepY);
    sprite->m_x = uint16_t(std::clamp(x, 0, kMonsterTurnsCell - 1));
    sprite->m_y = uint16_t(std::clamp(y, 0, kMonsterTurnsCell - 1));
    if (record.remaining >= 1 && !done) return false;
    record.stepX = record.stepY = 0;
    if (SActingMonster::Walks(record.action)) {
        creature.displayTimer = 0;
        creature.state &= kMonsterTurnsPoseBits;
    }
    return true;
}

void SStateGame::attackNow(SActingMonster& record) {
    SCreature& creature = *record.creature;
    creature.state = uint8_t((creature.state & kMonsterTurnsPoseBits) | kWindingUp);
    creature.displayTimer = kPoseTime;
    const int distance = std::abs(m_playerX - record.startX) + std::abs(m_playerY - record.startY);
    if (const char* sound = monster_traits::AttackSound(creature.monster))
        PlaySound(sound, std::clamp(10 - distance, 1, 10));
    const bool inLine = record.startX == m_playerX || record.startY == m_playerY;
    const SPlayer& player = m_game->m_player;
    const int faced = int((4 - m_heading / 90) % 4);
    if (record.action == SActingMonster::kStrike && inLine &&
        hand_items::IsShield(player.EquippedItem(kSlotSecondHand)) && FindPendingAttack(-1) == nullptr &&
        !player.IsParalyzed() && record.side == faced) {
        const bool melee = creature.monster != nullptr && creature.monster->m_attackKind == kAttackMelee;
        QueueShieldRaise(melee ? 0 : distance, record.side);
    }
    record.action = SActingMonster::kAttackDone;
    m_attackPause = m_fast != 0 ? kFastAttackPause : kAttackPause;
}

void SStateGame::pickDrawnMonster() {
    m_chosenMonster = {};
    for (const auto& record : m_actingMonsters) {
        if (m_chosenMonster.creature == nullptr || m_game->m_random->Next(100) >= 51)
            m_chosenMonster = {record->creature, record->currentX, record->currentY};
    }
}

void SStateGame::MonsterTurnTick() {
    if (m_grid == nullptr || m_game->m_random == nullptr) return;
    if (m_combatAnims.size() > 1 && std::none_of(m_combatAnims.begin(), m_combatAnims.end(), [](const auto& anim) {
            return anim->kind == SCombatAnim::kShieldRaise;
        }))
        return;
    pickDrawnMonster();
    for (size_t i = 0; i < m_actingMonsters.size();) {
        SActingMonster& record = *m_actingMonsters[i];
        bool done = false;
        if (SActingMonster::Walks(record.action)) {
            done = StepMonster(record);
        } else if (record.action == SActingMonster::kStay) {
            done = true;
        } else if (SActingMonster::Attacks(record.action) && m_attackPause == 0) {
            attackNow(record);
        }
        const bool still = record.stepX == 0 && record.stepY == 0;
        if (!done && !SActingMonster::Walks(record.action) && record.action != SActingMonster::kStay && !still)
            done = StepMonster(record);
        // The blow lands when the wind-up runs out, and the monster's rules take the record then;
        // one whose wind-up ended some other way (a hit, a death) has nothing left to do.
        if (!done && record.action == SActingMonster::kAttackDone && still &&
            (record.creature->state & SCreature::kMotion) != kWindingUp)
            done = true;
        if (done)
            m_actingMonsters.erase(m_actingMonsters.begin() + std::ptrdiff_t(i));
        else
            ++i;
    }
    if (m_attackPause > 0) --m_attackPause;
    if (m_actingMonsters.empty()) endMonsterTurn();
}

void SStateGame::endMonsterTurn() {
    m_stepReaction = 0;
    m_chosenMonster = {};
    ApplyPendingCellChanges();
    ScanRadius7();
    UpdateLookTarget();
}

SActingMonster* SStateGame::FindActiveMonster(const SCreature& creature) const {
    for (const auto& record : m_actingMonsters)
        if (record->creature == &creature) return record.get();
    return nullptr;
}

SActingMonster* SStateGame::FindActingRecordOfCreature(const SMap& map, uint8_t id) const {
    for (const auto& record : m_actingMonsters)
        if (record->map == &map && record->creature->id == id) return record.get();
    return nullptr;
}

void SStateGame::DeleteActingRecord(const SCreature& creature) {
    std::erase_if(m_actingMonsters, [&](const auto& record) { return record->creature == &creature; });
    if (m_chosenMonster.creature == &creature) m_chosenMonster = {};
}

int SStateGame::RemoveActiveMonster(const SCreature& creature) {
    const SActingMonster* record = FindActiveMonster(creature);
    if (record == nullptr) return -1;
    const int side = record->side;
    DeleteActingRecord(creature);
    if (m_actingMonsters.empty()) endMonsterTurn();
    return side;
}

void SStateGame::ClearActingMonsters() {
    m_actingMonsters.clear();
    m_chosenMonster = {};
}

bool SStateGame::IsAnyMonsterBusyNear() const {
    constexpr int kBusyReach = 6;
    for (int y = std::max(0, m_playerY - kBusyReach); y <= std::min(kGridSize - 1, m_playerY + kBusyReach); ++y)
        for (int x = std::max(0, m_playerX - kBusyReach); x <= std::min(kGridSize - 1, m_playerX + kBusyReach); ++x)
            for (int slot = 0; slot < 2; ++slot) {
                const SCreature* creature = creatureInSlot(x, y, slot);
                if (creature != nullptr && !creature->IsPerson() && creature->displayTimer > 1) return true;
            }
    return false;
}

bool SStateGame::AnyHostileNear() const {
    for (int y = std::max(0, m_playerY - kActingReach); y <= std::min(kGridSize - 1, m_playerY + kActingReach); ++y)
        for (int x = std::max(0, m_playerX - kActingReach); x <= std::min(kGridSize - 1, m_playerX + kActingReach); ++x)
            for (int slot = 0; slot < 2; ++slot) {
                const SCreature* creature = creatureInSlot(x, y, slot);
                if (creature != nullptr && creature->IsHostile() && creatureShows(x, y, *creature)) return true;
            }
    return false;
}

bool SStateGame::SetMonstersHostile(int32_t distance, bool hostile) {
    const int reach = std::max(0, distance);
    int changed = 0;
    for (int y = std::max(0, m_playerY - reach); y <= std::min(kGridSize - 1, m_playerY + reach); ++y)
        for (int x = std::max(0, m_playerX - reach); x <= std::min(kGridSize - 1, m_playerX + reach); ++x)
            for (int slot = 0; slot < 2; ++slot) {
                SCreature* creature = creatureInSlot(x, y, slot);
                if (creature == nullptr || creature->ownerId != 0) continue;
                const bool aggressive = creature->monster != nullptr &&
                                        (creature->monster->m_flags & SMonster::kFlagHostileWhenProvoked) != 0;
                const bool provoked = (creature->state & SCreature::kProvoked) != 0;
                const bool angry = (creature->state & SCreature::kAggressive) != 0;
                if (!hostile && (angry || (provoked && aggressive))) {
                    creature->MakePeaceful();
                    ++changed;
                } else if (hostile && (!angry || (provoked && !aggressive))) {
                    creature->MakeAggressive();
                    ++changed;
                }
            }
    if (changed != 0) m_redrawRequest = 1;
    return changed != 0;
}

void SStateGame::RunMonsterPass() {
    m_monsterPassRequest = 0;
    StartMonsterTurn(false, m_playerX, m_playerY);
}

void SStateGame::RunMonsterRound() { MonsterTurnTick(); }

void SStateGame::ReactToPlayerStep(int x, int y) { StartMonsterTurn(true, x, y); }
