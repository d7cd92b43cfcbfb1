#include "data/maps/level_records.h"

#include "engine/base/archive.h"

namespace {
constexpr uint8_t kObjectsRecordTag = 'I';
}  // namespace

void SerializeObjectsRecord(SArchive& archive, int version, uint8_t& idCounter, SPtrArray<SPlacedObject>& objects) {
    archive.SerializeTag(kObjectsRecordTag);
    archive.SerializeU8(idCounter);
    objects.SerializeList(archive, version, ListOrder::Sorted);
}

void SCreaturesRecord::Serialize(SArchive& archive, int version) {
    uint32_t count = uint32_t(creatures.size());
    archive.SerializeU32(count);
    archive.SerializeU8(idCounter);
    if (archive.IsWriting()) {
        for (SLevelCreature& level : creatures) level.creature.SerializeLevel(archive, version, level.monsterName);
        return;
    }
    creatures.clear();
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        SLevelCreature level;
        level.creature.SerializeLevel(archive, version, level.monsterName);
        if (!archive.Failed()) creatures.push_back(level);
    }
}

void SCellIndexRecord::Serialize(SArchive& archive, uint32_t cells) {
    uint16_t count = uint16_t(offsets.size());
    archive.SerializeU16(count);
    if (!archive.IsWriting()) offsets.assign(cells, 0);
    for (uint16_t& offset : offsets) archive.SerializeU16(offset);
}
