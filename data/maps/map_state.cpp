// SMap's part of a saved game: what play changed of the map since its level data was read.
#include <algorithm>

#include "data/maps/map.h"
#include "data/maps/map_save_names.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kStateTag = 2;
// Saves from version 93 keep the id counters, from version 92 the creatures' effects.
constexpr int kCountersFrom = 93;
constexpr int kEffectsFrom = 92;

// The counter after ids read from a save: above the largest, but never past the last id, where
// allocation looks for free ids instead.
void raiseAbove(uint8_t& counter, int largest) {
    counter = uint8_t(std::max<int>(counter, std::min<int>(largest + 1, SMap::kLastId)));
}

}  // namespace

void SMap::WriteState(SArchive& archive, int saveVersion, SMapSaveNames& names) const {
    archive.SerializeTag(kStateTag);
    uint32_t lastVisit = m_lastVisit;
    archive.SerializeU32(lastVisit);
    if (saveVersion >= kCountersFrom) {
        uint8_t creatureIds = m_creatureIdCounter;
        archive.SerializeU8(creatureIds);
        uint8_t containerIds = m_containerIdCounter;
        archive.SerializeU8(containerIds);
    }
    uint16_t objects = m_objects.Count();
    archive.SerializeU16(objects);
    for (int i = 0; i < m_objects.Count(); ++i) m_objects[i]->SaveState(archive);
    SExploredMap explored = m_explored;
    explored.Serialize(archive);
    // A map never visited has nothing but its level data.
    if (m_lastVisit == 0) return;

    uint16_t creatures = m_creatures.Count();
    archive.SerializeU16(creatures);
    for (int i = 0; i < m_creatures.Count(); ++i) {
        const SCreature& creature = *m_creatures[i];
        creature.SaveState(archive, creature.monster ? names.InternMonster(*creature.monster) : 0);
    }
    uint16_t containers = m_containers.Count();
    archive.SerializeU16(containers);
    for (int i = 0; i < m_containers.Count(); ++i) m_containers[i]->SaveState(archive, names);
    if (saveVersion < kEffectsFrom) return;
    uint16_t lists = m_effects.Count();
    archive.SerializeU16(lists);
    for (int i = 0; i < m_effects.Count(); ++i) m_effects.At(i)->Serialize(archive);
}

bool SMap::ReadState(SArchive& archive, int saveVersion, SMapSaveNames& names, std::string& fault) {
    archive.SerializeTag(kStateTag);
    archive.SerializeU32(m_lastVisit);
    if (saveVersion >= kCountersFrom) {
        archive.SerializeU8(m_creatureIdCounter);
        archive.SerializeU8(m_containerIdCounter);
    }
    uint16_t objects = 0;
    archive.SerializeU16(objects);
    for (uint32_t i = 0; i < objects && !archive.Failed(); ++i) {
        uint8_t id = 0;
        archive.SerializeU8(id);
        // An object the level data no longer has is read all the same, and dropped.
        SPlacedObject scratch;
        SPlacedObject* object = FindObject(id);
        (object ? *object : scratch).LoadState(archive);
    }
    if (!m_explored.Serialize(archive)) {
        fault = "the explored cells are of no known kind";
        return false;
    }
    if (m_lastVisit == 0 || archive.Failed()) return !archive.Failed();

    // The saved creatures, containers and effects take the place of the level data's.
    m_creatures.DeleteAll();
    m_effects.Clear();
    m_containers.DeleteAll();
    uint16_t creatures = 0;
    archive.SerializeU16(creatures);
    int largest = 0;
    for (uint32_t i = 0; i < creatures && !archive.Failed(); ++i) {
        uint8_t id = 0;
        uint16_t name = 0;
        archive.SerializeU8(id);
        archive.SerializeU16(name);
        SMonster* monster = names.GetMonster(name);
        if (monster == nullptr || id == 0) {
            SCreature::SkipState(archive);
            continue;
        }
        SCreature* creature = FindCreature(id);
        if (creature == nullptr) {
            creature = new SCreature;
            creature->id = id;
            m_creatures.Add(creature, ListOrder::Appended);
        }
        creature->monster = monster;
        creature->LoadState(archive);
        largest = std::max<int>(largest, id);
    }
    raiseAbove(m_creatureIdCounter, largest);
    uint16_t containers = 0;
    archive.SerializeU16(containers);
    largest = 0;
    for (uint32_t i = 0; i < containers && !archive.Failed(); ++i) {
        uint8_t id = 0;
        archive.SerializeU8(id);
        SItemList scratch;
        SItemList* container = id ? FindContainer(id) : &scratch;
        if (container == nullptr) {
            container = new SItemList;
            container->m_id = id;
            m_containers.Add(container, ListOrder::Appended);
        }
        if (!container->LoadState(archive, names) && !archive.Failed()) {
            fault = "the items of container " + std::to_string(id) + " are damaged";
            return false;
        }
        largest = std::max<int>(largest, id);
    }
    raiseAbove(m_containerIdCounter, largest);
    if (saveVersion < kEffectsFrom || archive.Failed()) return !archive.Failed();

    uint16_t lists = 0;
    archive.SerializeU16(lists);
    for (uint32_t i = 0; i < lists && !archive.Failed(); ++i) {
        auto list = std::make_unique<SCreatureEffectList>();
        list->Serialize(archive);
        // Effects of a creature that did not come back would pass to the next one given its id.
        if (!archive.Failed() && FindCreature(list->creatureId)) m_effects.Add(list.release());
    }
    return !archive.Failed();
}
