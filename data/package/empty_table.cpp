#include "data/package/empty_table.h"

#include <array>
#include <vector>

#include "engine/base/archive.h"
#include "engine/files/pdb_writer.h"
#include "engine/packages/record_cursor.h"

namespace {

// One record of a chunk: its tag byte and its u16 counts, each present from a data version on.
struct SChunkRecord {
    uint8_t tag;
    std::vector<int> countsFrom;
};

// Palette parts appear from data version 42, the scene name list from 101.
const std::array<std::vector<SChunkRecord>, kModuleTableCount>& chunkShapes() {
    static const std::array<std::vector<SChunkRecord>, kModuleTableCount> kShapes = {{
        {{10, {0}}},                                           // abilities
        {{14, {0}}},                                           // recipes
        {{12, {0}}},                                           // diseases
        {{16, {0}}},                                           // script globals
        {{22, {0, 42}}, {56, {0, 42}}, {18, {0}}, {20, {0}}},  // item pictures, sprites, equipment, item types
        {{25, {0, 42}}},                                       // map-object types
        {{28, {0, 42}}, {30, {0}}},                            // monster kinds, monsters
        {{'$', {0, 0}}},                                       // topics, greetings
        {{'%', {0}}},                                          // faces
        {{'+', {0}}},                                          // person types
        {{8, {0}}},                                            // quests
        {{'5', {101, 0}}},                                     // scene names, scenes
        {{'B', {0}}},                                          // skies
        {{0x27, {0}}},                                         // named scripts
        {{',', {0, 0, 0}}},                                    // banks, songs, sounds
        {{'0', {0, 42}}},                                      // spell effects
        {{3, {0}}},                                            // spells
        {{';', {0}}},                                          // interiors
        {{'N', {0}}},                                          // races: a u16 flag, 0 keeps the defaults
        {{'P', {0}}},                                          // skills
        {{'R', {0}}},                                          // attributes
    }};
    return kShapes;
}

// Serializes the record's tag and its counts; reading answers the largest count found.
uint16_t serializeRecord(SArchive& archive, const SChunkRecord& shape, int dataVersion) {
    archive.SerializeTag(shape.tag);
    uint16_t largest = 0;
    for (int from : shape.countsFrom) {
        if (dataVersion < from) continue;
        uint16_t count = 0;
        archive.SerializeU16(count);
        if (count > largest) largest = count;
    }
    return largest;
}

}  // namespace

bool ReadEmptyTable(SModuleTable table, SRecordCursor& cursor) {
    const char* what = TableName(table);
    for (const SChunkRecord& shape : chunkShapes()[int(table)]) {
        SArchive archive;
        auto record = cursor.TakeInto(archive, what);
        if (!record) return false;
        const uint16_t count = serializeRecord(archive, shape, cursor.version);
        if (!cursor.CheckRead(archive, what)) return false;
        if (count != 0)
            return cursor.Fail(what, "lists " + std::to_string(count) + " entries, which this build cannot read yet");
    }
    return true;
}

void WriteEmptyTable(SModuleTable table, int dataVersion, SPdbWriter& writer, uint16_t& id) {
    for (const SChunkRecord& shape : chunkShapes()[int(table)]) {
        SArchive archive;
        archive.OpenWrite();
        serializeRecord(archive, shape, dataVersion);
        writer.AddRecordFromArchive(id++, archive);
    }
}
