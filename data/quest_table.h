#pragma once
// SQuestTable: the quests of the world data, found by name.
#include <memory>

#include "data/quest.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_list.h"

struct SRecordCursor;

class SQuestTable {
public:
    // One record: tag 8, then the quest list. The quests join those of the packages opened
    // before. False, with the cursor's error naming the record, when it is missing or cut short.
    bool Load(SRecordCursor& cursor);
    // The record Load reads back, for what the table holds.
    SRecordList Write(int version);
    // The writers' way in, sorted by name hash.
    void Add(std::unique_ptr<SQuest> quest) { m_quests.Add(quest.release(), ListOrder::Sorted); }

    SQuest* Find(const char* name) const { return m_quests.FindByName(name); }

    void Clear() { m_quests.DeleteAll(); }
    const SPtrArray<SQuest>& Quests() const { return m_quests; }

private:
    void serializeChunk(SArchive& archive, int version);

    SPtrArray<SQuest> m_quests{10};
};
