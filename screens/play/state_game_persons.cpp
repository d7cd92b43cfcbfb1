// The townspeople within sight: found again after every move, then walked about on the persons'
// clock, each by its own small state machine: choose, walk a cell, wait, or pause. A person stays
// in its own 7 x 7 zone, keeps off the player's cell and off cells where anything stands, and
// turns to look at those who wait near it and at the player beside it.
#include <algorithm>
#include <cstdlib>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/maps/placed_object.h"
#include "data/monsters/creature_pose.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_base_type.h"
#include "engine/base/random.h"
#include "game/game_data.h"
#include "render/view_descriptor.h"
#include "screens/play/grid_sections.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kViewReach = 7;
constexpr int kNearReach = 2;
constexpr int kZoneSize = 7;
constexpr int32_t kCellUnits = 65536;
// Waiting and pausing run their timer down by these each tick.
constexpr int32_t kWaitTick = 409;
constexpr int32_t kPauseTick = 2048;
// A walk's long axis moves this far each tick; the aim in a cell keeps off its edges.
constexpr int32_t kWalkTick = 2048;
constexpr int32_t kAimMargin = 8192;
constexpr int32_t kAimSpread = 49152;
constexpr int32_t kShortestStay = 16384;
constexpr int32_t kLongestStay = 32768;
constexpr int kAimDraws = 64;
constexpr uint8_t kTurnTicks = 3;
constexpr int32_t kLookTime = 32768;
constexpr uint8_t kPersonsPoseBits = 0x1F;
constexpr uint8_t kWalkingPose = 0x60;

bool sameZone(int x, int y, int otherX, int otherY) {
    return x / kZoneSize == otherX / kZoneSize && y / kZoneSize == otherY / kZoneSize;
}

}  // namespace

SCreature* SStateGame::CreatureOf(const SPerson& person) const {
    SCreature* creature = person.map != nullptr ? person.map->FindCreature(person.id) : nullptr;
    return creature != nullptr && creature->IsPerson() ? creature : nullptr;
}

SPerson* SStateGame::FindPerson(const SCreature& creature) const {
    for (const auto& person : m_persons)
        if (person->id == creature.id && CreatureOf(*person) == &creature) return person.get();
    return nullptr;
}

SCreature* SStateGame::NearbyPersonCreature() const {
    return m_nearbyPerson.id != 0 ? FindCreatureAt(m_nearbyPerson.x, m_nearbyPerson.y, m_nearbyPerson.id) : nullptr;
}

SItemPileRecord* SStateGame::spriteOf(const SCreature& creature) const {
    return m_grid != nullptr ? m_grid->CreatureSprite(creature) : nullptr;
}

void SStateGame::UpdatePersonsInView() {
    for (auto& person : m_persons) person->seen = false;
    m_nearbyPerson = {};
    const int left = std::max(0, m_playerX - kViewReach), right = std::min(kGridSize - 1, m_playerX + kViewReach);
    const int top = std::max(0, m_playerY - kViewReach), bottom = std::min(kGridSize - 1, m_playerY + kViewReach);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            for (int slot = 0; slot < 2; ++slot) {
                SCreature* creature = creatureInSlot(x, y, slot);
                if (creature == nullptr || !creature->IsPerson() || !creatureShows(x, y, *creature)) continue;
                if (std::abs(x - m_playerX) <= kNearReach && std::abs(y - m_playerY) <= kNearReach &&
                    (m_nearbyPerson.id == 0 || (m_game->m_random && m_game->m_random->Next(100) > 50)))
                    m_nearbyPerson = {creature->id, x, y};
                SPerson* person = FindPerson(*creature);
                if (person == nullptr) {
                    auto fresh = std::make_unique<SPerson>();
                    fresh->map = GetZoneMap(x, y);
                    fresh->id = creature->id;
                    fresh->homeX = fresh->targetX = fresh->cellX = int8_t(x);
                    fresh->homeY = fresh->targetY = fresh->cellY = int8_t(y);
                    fresh->facing = int8_t(FacingSideOf(*creature));
                    if (const SItemPileRecord* sprite = spriteOf(*creature)) {
                        fresh->displayX = sprite->m_x;
                        fresh->displayY = sprite->m_y;
                        fresh->pose = sprite->m_flags;
                    }
                    person = fresh.get();
                    m_persons.push_back(std::move(fresh));
                } else {
                    // The grid may have moved under the person (a section crossed): its cells move
                    // with it, and its sprite stands where it stood.
                    const int dx = x - person->cellX, dy = y - person->cellY;
                    person->homeX = int8_t(person->homeX + dx), person->homeY = int8_t(person->homeY + dy);
                    person->targetX = int8_t(person->targetX + dx), person->targetY = int8_t(person->targetY + dy);
                    person->cellX = int8_t(x), person->cellY = int8_t(y);
                    person->map = GetZoneMap(x, y);
                    if (SItemPileRecord* sprite = spriteOf(*creature)) {
                        sprite->m_x = person->displayX;
                        sprite->m_y = person->displayY;
                        sprite->m_flags = person->pose;
                    }
                }
                person->seen = true;
            }
        }
    }
    std::erase_if(m_persons, [](const std::unique_ptr<SPerson>& person) { return !person->seen; });
}

void SStateGame::RemovePersons(bool forget) {
    if (forget) {
        m_persons.clear();
        m_nearbyPerson = {};
    }
    if (m_grid == nullptr) return;
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            SMapCell& cell = *GetCell(x, y);
            // Taking the first place's person moves the second into the first place. The cell is
            // emptied here, whatever place the creature itself names.
            for (int slot = 0; slot < 2;) {
                SCreature* creature = creatureInSlot(x, y, slot);
                if (creature == nullptr || !creature->IsPerson() || !creatureShows(x, y, *creature)) {
                    ++slot;
                    continue;
                }
                if (slot == 0) cell.creatures[0] = cell.creatures[1];
                cell.creatures[1] = 0;
                DeleteActingRecord(*creature);
            }
        }
    }
}

void SStateGame::RestorePersonPlaces() {
    if (m_grid == nullptr || m_currentMap == nullptr) return;
    if (!OnSurface()) {
        m_currentMap->PlacePeopleInRect(0, 0, kGridSize, kGridSize, *m_grid);
        return;
    }
    for (int i = 0; i < kSectionSlots; ++i) {
        SMap* section = m_sectionMaps[size_t(i)];
        const SSectionSlot& slot = SectionSlot(i);
        if (section != nullptr) section->PlacePeopleInRect(slot.x, slot.y, slot.w, slot.h, *m_grid);
    }
}

void SStateGame::TickPersons() {
    // One whose creature left its map since the last scan (killed, taken by a script) is forgotten.
    std::erase_if(m_persons, [&](const std::unique_ptr<SPerson>& person) { return CreatureOf(*person) == nullptr; });
    for (auto& entry : m_persons) {
        SPerson& person = *entry;
        SCreature& creature = *CreatureOf(person);
        if (person.state == SPerson::kChoose) choosePersonMove(person, creature);
        // A half turn shows the side between for a few ticks.
        int shown = person.facing;
        if (person.turnFacing >= 0) {
            shown = person.turnFacing;
            if (person.turnCount == 0 || --person.turnCount == 0) person.turnFacing = -1;
        }
        SetFacingSide(creature, shown);
        switch (person.state) {
            case SPerson::kWalking: stepPerson(person, creature); break;
            case SPerson::kWaiting:
            case SPerson::kPausing:
                person.timer -= person.state == SPerson::kWaiting ? kWaitTick : kPauseTick;
                if (person.timer <= 0) person.state = SPerson::kChoose;
                break;
            default: break;
        }
    }
}

void SStateGame::choosePersonMove(SPerson& person, SCreature& creature) {
    const SMonster* monster = creature.monster;
    const int x = person.cellX, y = person.cellY;
    auto wait = [&](uint8_t state) {
        person.state = state;
        person.timer = kLookTime + (m_game->m_random ? m_game->m_random->Next(kLookTime) : 0);
    };
    if (monster != nullptr && monster->m_baseType != nullptr && monster->m_baseType->StandsStill()) {
        wait(SPerson::kWaiting);
        return;
    }
    const int roll = m_game->m_random ? m_game->m_random->Next(100) : 99;
    if (std::abs(x - m_playerX) + std::abs(y - m_playerY) == 1) {
        if (roll < 30)
            TurnPersonToPlayer(creature);
        else if (roll < 50)
            wait(SPerson::kPausing);
        else
            startPersonWalk(person, creature);
        return;
    }
    if (roll < 20) {
        wait(SPerson::kWaiting);
        return;
    }
    // Someone standing next to it draws its look, more so while that one waits.
    for (int i = 0; i < 4; ++i) {
        const int side = (person.facing + i) % 4;
        const int nx = x + play_tables::kSideDx[side], ny = y + play_tables::kSideDy[side];
        for (int slot = 0; slot < 2; ++slot) {
            const SCreature* other = creatureInSlot(nx, ny, slot);
            const SPerson* neighbour = other != nullptr ? FindPerson(*other) : nullptr;
            if (neighbour == nullptr) continue;
            if ((neighbour->state == SPerson::kWaiting && roll < 80) || roll < 60) {
                turnPersonTo(person, creature, side);
                wait(SPerson::kWaiting);
                return;
            }
        }
    }
    startPersonWalk(person, creature);
}

bool SStateGame::personMayEnter(const SPerson& person, int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr || IsPlayerCell(cell) || !sameZone(x, y, person.cellX, person.cellY)) return false;
    if (GetZoneMap(x, y) != person.map || cell->creatures[0] != 0 || cell->creatures[1] != 0) return false;
    // Persons keep to open ground: nothing in the cell's centre but what is hidden.
    if (cell->centreType == nullptr) return true;
    const SPlacedObject* object = FindObjectAt(x, y, cell->centreId);
    return object != nullptr && (object->flags & SPlacedObject::kVisible) == 0;
}

void SStateGame::turnPersonTo(SPerson& person, const SCreature& creature, int side) {
    const int shown = FacingSideOf(creature);
    person.facing = int8_t(side);
    if ((side - shown + 4) % 4 != 2) return;
    const bool clockwise = m_game->m_random ? m_game->m_random->Next(100) < 50 : true;
    person.turnFacing = int8_t((shown + (clockwise ? 1 : 3)) % 4);
    person.turnCount = kTurnTicks;
}

void SStateGame::startPersonWalk(SPerson& person, SCreature& creature) {
    SRandom* random = m_game->m_random.get();
    auto next = [&](int32_t n) { return random != nullptr ? random->Next(n) : 0; };
    person.state = SPerson::kWalking;
    person.targetX = person.cellX, person.targetY = person.cellY;
    int side = -1;
    const int first = next(4);
    for (int i = 0; i < 4 && side < 0; ++i) {
        const int candidate = (first + i) % 4;
        if (personMayEnter(person, person.cellX + play_tables::kSideDx[candidate],
                           person.cellY + play_tables::kSideDy[candidate]))
            side = candidate;
    }
    if (side >= 0) {
        person.targetX = int8_t(person.cellX + play_tables::kSideDx[side]);
        person.targetY = int8_t(person.cellY + play_tables::kSideDy[side]);
        turnPersonTo(person, creature, side);
    }
    const SItemPileRecord* sprite = spriteOf(creature);
    const int32_t fromX = sprite ? sprite->m_x : kCellUnits / 2, fromY = sprite ? sprite->m_y : kCellUnits / 2;
    int32_t aimX = kAimMargin + next(kAimSpread), aimY = kAimMargin + next(kAimSpread);
    // Staying in its cell, the person still moves a good way, though not across the whole cell.
    for (int draw = 0; side < 0 && draw < kAimDraws; ++draw) {
        const int32_t far = std::max(std::abs(aimX - fromX), std::abs(aimY - fromY));
        if (far >= kShortestStay && far <= kLongestStay) break;
        aimX = kAimMargin + next(kAimSpread);
        aimY = kAimMargin + next(kAimSpread);
    }
    int32_t dx = (person.targetX - person.cellX) * kCellUnits + aimX - fromX;
    int32_t dy = (person.targetY - person.cellY) * kCellUnits + aimY - fromY;
    if (dx == 0) dx = 1;
    if (dy == 0) dy = 1;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int32_t major = alongX ? dx : dy, minor = alongX ? dy : dx;
    // Walks shorter than one tick's step take one tick.
    const int32_t ticks = std::max(std::abs(major) / kWalkTick, int32_t(1));
    const int32_t majorStep = major > 0 ? kWalkTick : -kWalkTick, minorStep = minor / ticks;
    person.stepX = int16_t(alongX ? majorStep : minorStep);
    person.stepY = int16_t(alongX ? minorStep : majorStep);
    person.timer = (std::abs(person.stepX) + std::abs(person.stepY)) * ticks;
    if (side < 0) person.facing = int8_t(alongX ? (dx > 0 ? 1 : 3) : (dy > 0 ? 2 : 0));
    creature.state = uint8_t((creature.state & kPersonsPoseBits) | kWalkingPose);
}

void SStateGame::stepPerson(SPerson& person, SCreature& creature) {
    SItemPileRecord* sprite = spriteOf(creature);
    if (sprite == nullptr) {
        person.state = SPerson::kChoose;
        return;
    }
    if (person.turnFacing < 0 && creature.displayTimer == 0) {
        const int32_t x = sprite->m_x + person.stepX, y = sprite->m_y + person.stepY;
        const int crossX = x < 0 ? -1 : x >= kCellUnits ? 1 : 0, crossY = y < 0 ? -1 : y >= kCellUnits ? 1 : 0;
        if (crossX != 0 || crossY != 0) {
            const int nx = person.cellX + crossX, ny = person.cellY + crossY;
            SMap* map = person.map;
            SMapCell* cell = GetCell(nx, ny);
            SMap* local = nullptr;
            int localX = 0, localY = 0;
            if (map == nullptr || cell == nullptr || !personMayEnter(person, nx, ny) ||
                !gridToLocal(nx, ny, local, localX, localY) || local != map) {
                // Something stepped in the way: the walk ends where it is.
                person.state = SPerson::kChoose;
                creature.state &= kPersonsPoseBits;
                return;
            }
            RemoveCreatureFromCell(*map, creature);
            creature.x = uint8_t(localX);
            creature.y = uint8_t(localY);
            cell->creatures[0] = creature.id;
            // The new cell's view shows the person at once, as the old one's no longer does.
            if (SCellViewRecord* view = GetRenderCell(nx, ny)) view->m_itemPiles[0] = creature.displaySlot;
            if (person.cellX == m_playerX || person.cellY == m_playerY || nx == m_playerX || ny == m_playerY)
                m_redrawRequest = 1;
            person.cellX = int8_t(nx), person.cellY = int8_t(ny);
        }
        sprite->m_x = uint16_t(x - crossX * kCellUnits);
        sprite->m_y = uint16_t(y - crossY * kCellUnits);
        person.displayX = sprite->m_x, person.displayY = sprite->m_y, person.pose = sprite->m_flags;
    }
    person.timer -= std::abs(person.stepX) + std::abs(person.stepY);
    if (person.timer <= 0) {
        person.state = SPerson::kChoose;
        creature.state &= kPersonsPoseBits;
    }
}

void SStateGame::TurnPersonToPlayer(SCreature& creature) {
    SPerson* person = FindPerson(creature);
    if (person == nullptr) return;
    person->targetX = person->cellX, person->targetY = person->cellY;
    person->timer = kLookTime + (m_game->m_random ? m_game->m_random->Next(kLookTime) : 0);
    person->state = SPerson::kWaiting;
    turnPersonTo(*person, creature, int((FacingSide() + 2) % 4));
    creature.displayTimer = 0;
    creature.state &= kPersonsPoseBits;
}

// The person sets off for a free neighbour, never the player's cell; one out of view stays.
void SStateGame::MovePersonAside(SMap&, SCreature& creature) {
    if (SPerson* person = FindPerson(creature)) startPersonWalk(*person, creature);
}
