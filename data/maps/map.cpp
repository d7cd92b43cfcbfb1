#include "data/maps/map.h"

#include <algorithm>

#include "data/maps/map_grid.h"
#include "data/maps/map_header.h"
#include "data/package/module.h"
#include "data/package/module_context.h"
#include "engine/files/pdb.h"
#include "render/view_descriptor.h"

namespace {

// The flash of a poisoned creature's sprite grows with the poison, 50 per cent up to 10 points and 2
// more for each point after, and stops at 100 per cent.
constexpr int kPoisonMildFlash = 50;
constexpr int kPoisonMildPoints = 10;
constexpr int kPoisonFullFlash = 100;
// How long the play screen shows a creature's poison.
constexpr uint8_t kPoisonDisplayTime = 10;

uint16_t poisonFlash(int poison) {
    return uint16_t(std::min(kPoisonFullFlash, kPoisonMildFlash + 2 * std::max(0, poison - kPoisonMildPoints)));
}

// An id nothing uses: the counter's next while it is below 255, then the lowest free one. Ids that
// level data or a save gave out ahead of the counter are passed over.
template <typename IsUsed>
uint8_t AllocId(uint8_t& counter, IsUsed isUsed) {
    while (counter != 0 && counter < SMap::kLastId) {
        const uint8_t id = counter++;
        if (!isUsed(id)) return id;
    }
    for (int id = 1; id <= SMap::kLastId; ++id)
        if (!isUsed(uint8_t(id))) return uint8_t(id);
    return 0;
}

}  // namespace

SMap::SMap(SModule* module) : m_module(module) {}

SMap::~SMap() = default;

bool SMap::IsSurface() const { return (m_flags & SMapHeader::kSurface) != 0; }

SPlacedObject* SMap::FindObject(uint8_t id) const {
    if (id == 0) return nullptr;
    for (int i = 0; i < m_objects.Count(); ++i)
        if (m_objects[i]->id == id) return m_objects[i];
    return nullptr;
}

SCreature* SMap::FindCreature(uint8_t id) const {
    for (int i = 0; i < m_creatures.Count(); ++i)
        if (m_creatures[i]->id == id) return m_creatures[i];
    return nullptr;
}

SCreature* SMap::FindCreatureOfObject(const SPlacedObject& object) const {
    for (int i = 0; i < m_creatures.Count(); ++i)
        if (m_creatures[i]->ownerId == object.id) return m_creatures[i];
    return nullptr;
}

bool SMap::ownerHidden(const SCreature& creature) const {
    const SPlacedObject* owner = FindObject(creature.ownerId);
    return owner && !(owner->flags & SPlacedObject::kVisible);
}

bool SMap::ownerClosed(const SCreature& creature) const {
    const SPlacedObject* owner = FindObject(creature.ownerId);
    return owner && (owner->flags & SPlacedObject::kClosed);
}

uint8_t SMap::AllocCreatureId() {
    return AllocId(m_creatureIdCounter, [this](uint8_t id) { return FindCreature(id) != nullptr; });
}

SCreature* SMap::AddCreature(SMonster* monster, uint8_t x, uint8_t y) {
    if (monster == nullptr) return nullptr;
    const uint8_t id = AllocCreatureId();
    if (id == 0) return nullptr;
    auto creature = std::make_unique<SCreature>();
    creature->monster = monster;
    creature->id = id;
    creature->state = SCreature::kProvoked;
    creature->x = x;
    creature->y = y;
    creature->Heal();
    // A person carries goods, in a container of its own.
    if (creature->IsPerson()) {
        if (SItemList* goods = AddItemList()) creature->containerId = goods->m_id;
    }
    if (!m_creatures.Append(creature.get())) return nullptr;
    return creature.release();
}

uint8_t SMap::AllocContainerId() {
    return AllocId(m_containerIdCounter, [this](uint8_t id) { return FindContainer(id) != nullptr; });
}

SItemList* SMap::AddItemList() {
    const uint8_t id = AllocContainerId();
    if (id == 0) return nullptr;
    auto container = std::make_unique<SItemList>();
    container->m_id = id;
    container->m_x = container->m_y = SItemList::kNowhere;
    if (!m_containers.Append(container.get())) return nullptr;
    return container.release();
}

SItemList* SMap::FindContainer(uint8_t id) const {
    if (id == 0) return nullptr;
    for (int i = 0; i < m_containers.Count(); ++i)
        if (m_containers[i]->m_id == id) return m_containers[i];
    return nullptr;
}

SCreature* SMap::AddFlaggedCreature(SMonster* monster, uint8_t x, uint8_t y) {
    SCreature* creature = AddCreature(monster, x, y);
    if (creature) creature->state |= SCreature::kScripted;
    return creature;
}

void SMap::RemoveCreature(uint8_t id) {
    SCreature* creature = FindCreature(id);
    if (creature == nullptr) return;
    m_effects.Remove(id);
    if (SItemList* goods = FindContainer(creature->containerId)) {
        m_containers.Remove(goods);
        delete goods;
    }
    m_creatures.Remove(creature);
    delete creature;
}

bool SMap::MoveCreatureTo(SMap& other, SCreature& creature) {
    if (&other == this) return true;
    const uint8_t id = other.AllocCreatureId();
    if (id == 0) return false;
    SCreatureEffectList* effects = m_effects.Take(creature.id);
    m_creatures.Remove(&creature);
    creature.id = id;
    other.m_creatures.Add(&creature, ListOrder::Appended);
    if (effects != nullptr) {
        effects->creatureId = id;
        other.m_effects.Add(effects);
    }
    return true;
}

void SMap::RemoveCreaturesOfType(const SMonster* monster) {
    for (int i = m_creatures.Count() - 1; i >= 0; --i) {
        const SCreature& creature = *m_creatures[i];
        if (creature.monster == monster && (creature.state & SCreature::kScripted)) RemoveCreature(creature.id);
    }
}

void SMap::placeCreature(SCreature& creature, SMapGrid& grid) {
    grid.PlaceCreatureNear(*this, creature, creature.x, creature.y);
}

void SMap::PlacePeopleInRect(int column, int row, int width, int height, SMapGrid& grid) {
    for (int i = 0; i < m_creatures.Count(); ++i) {
        SCreature& creature = *m_creatures[i];
        const bool inside = creature.x >= column && creature.x < column + width && creature.y >= row &&
                            creature.y < row + height;
        if (inside && creature.IsPerson() && !ownerHidden(creature)) placeCreature(creature, grid);
    }
}

void SMap::PassCreatureEffects(uint8_t creatureId, uint32_t elapsed, SMapGrid& grid) {
    SCreature* creature = FindCreature(creatureId);
    if (creature == nullptr || m_effects.Find(creatureId) == nullptr) return;
    const int poison = SumEffect(creatureId, kEffectPoison);
    if (poison > 0) {
        creature->hp = creature->hp <= poison ? int16_t(1) : int16_t(creature->hp - poison);
        creature->state = uint8_t((creature->state & (SCreature::kScripted | SCreature::kProvoked |
                                                      SCreature::kAggressive | SCreature::kFacing)) |
                                  SCreature::kHit);
        if (SItemPileRecord* sprite = grid.CreatureSprite(*creature)) {
            sprite->m_flags |= SItemPileRecord::kMarkerB;
            sprite->m_markerPercent = poisonFlash(poison);
        }
        creature->displayTimer = kPoisonDisplayTime;
    }
    if (m_effects.PassTime(creatureId, elapsed)) grid.RefreshCreaturePicture(*this, *creature);
}

void SMap::ClearRestockedFlags() {
    for (int i = 0; i < m_objects.Count(); ++i) m_objects[i]->flags &= uint8_t(~SPlacedObject::kRestocked);
}
