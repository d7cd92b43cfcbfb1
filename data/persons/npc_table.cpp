#include "data/persons/npc_table.h"

#include "data/dialogue/dialog_table.h"
#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

namespace {

constexpr uint8_t kChunkTag = '+';

void serializeChunk(SArchive& archive, uint16_t& count) {
    archive.SerializeTag(kChunkTag);
    archive.SerializeU16(count);
}

}  // namespace

bool SNpcTable::Load(SRecordCursor& cursor) {
    uint16_t count = 0;
    if (!cursor.Read(TableName(SNpcType::kTable), [&](SArchive& archive) { serializeChunk(archive, count); }))
        return false;
    if (uint32_t(Count()) + count > SPtrArray<SNpcType>::kMaxCount)
        return cursor.Fail(TableName(SNpcType::kTable), std::to_string(count) + " persons overfill the table");
    std::vector<std::unique_ptr<SNpcType>> read;
    for (int i = 0; i < count; ++i) {
        auto person = std::make_unique<SNpcType>();
        if (!ReadTableRecord(cursor, SNpcType::kTable, [&](SArchive& archive) {
                person->Serialize(archive, cursor.version);
                return person->Fault();
            }))
            return false;
        if (person->topics && m_dialogue) person->topics->ResolveShared(*m_dialogue);
        read.push_back(std::move(person));
    }
    for (auto& person : read) Add(std::move(person));
    return true;
}

SRecordList SNpcTable::Write(int version) {
    SRecordList records;
    uint16_t count = m_persons.Count();
    AppendRecord(records, [&](SArchive& archive) { serializeChunk(archive, count); });
    for (int i = 0; i < m_persons.Count(); ++i)
        AppendRecord(records, [&](SArchive& archive) { m_persons[i]->Serialize(archive, version); });
    return records;
}
