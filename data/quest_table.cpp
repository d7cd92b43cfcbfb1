#include "data/quest_table.h"

#include "data/package/module_load_order.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

void SQuestTable::serializeChunk(SArchive& archive, int version) {
    constexpr uint8_t kChunkTag = 8;
    archive.SerializeTag(kChunkTag);
    m_quests.SerializeList(archive, version, ListOrder::Sorted);
}

bool SQuestTable::Load(SRecordCursor& cursor) {
    return cursor.Read(TableName(SModuleTable::Quests),
                       [&](SArchive& archive) { serializeChunk(archive, cursor.version); });
}

SRecordList SQuestTable::Write(int version) {
    return WriteOneRecord([&](SArchive& archive) { serializeChunk(archive, version); });
}
