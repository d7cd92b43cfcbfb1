#pragma once
// The records of a map's level data besides its cells, both ways: the placed objects, the
// creatures and the index of the cells of a surface section.
#include <cstdint>
#include <vector>

#include "data/maps/creature.h"
#include "data/maps/placed_object.h"
#include "engine/base/ptr_array.h"

class SArchive;

// The record ids of a map's level data, counted from its cells record.
constexpr uint16_t kCellIndexRecordOffset = 1;
constexpr uint16_t kCreaturesRecordOffset = 2;
constexpr uint16_t kObjectsRecordOffset = 3;
constexpr uint16_t kContainersRecordOffset = 4;
constexpr uint16_t kLevelRecordCount = 5;

// The tag the cells record starts with; the cells follow it.
constexpr uint8_t kCellsRecordTag = 'H';

// Tag 'I', the objects' id counter, then the objects as an aligned u16 count and each object's
// record. Reading adds them sorted by name hash.
void SerializeObjectsRecord(SArchive& archive, int version, uint8_t& idCounter, SPtrArray<SPlacedObject>& objects);

struct SLevelCreature {
    SCreature creature;
    uint16_t monsterName = 0;  // 1-based into the package's monster names
};

// The aligned u32 count, the creatures' id counter, then each creature's record. Reading grows the
// list with what the record holds, never by the count alone.
struct SCreaturesRecord {
    uint8_t idCounter = 1;
    std::vector<SLevelCreature> creatures;

    void Serialize(SArchive& archive, int version);
};

// A word nothing reads (the writer puts the cell count there), then for each stored cell, row by
// row, the aligned u16 offset of its record in the cells record.
struct SCellIndexRecord {
    std::vector<uint16_t> offsets;

    // Reading takes `cells` offsets.
    void Serialize(SArchive& archive, uint32_t cells);
};
