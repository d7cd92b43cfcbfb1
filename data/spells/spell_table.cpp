#include "data/spells/spell_table.h"

#include <string>

#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

namespace {

void serializeChunkSpellTable(SArchive& archive, uint16_t& count) {
    archive.SerializeTag(SSpellTable::kChunkTag);
    archive.SerializeU16(count);
}

std::vector<uint8_t> written(const SArchive& archive) { return {archive.Data(), archive.Data() + archive.GetSize()}; }

}  // namespace

bool SSpellTable::IsOffensive(const char* name) const {
    const SSpellType* spell = FindSpell(name);
    return spell && spell->IsOffensive();
}

bool SSpellTable::Load(SRecordCursor& cursor) {
    uint16_t count = 0;
    const bool chunk = ReadTableRecord(cursor, SSpellType::kTable, [&](SArchive& archive) {
        serializeChunkSpellTable(archive, count);
        if (uint32_t(Count()) + count > SPtrArray<SSpellType>::kMaxCount)
            return "its " + std::to_string(count) + " spells overfill the table";
        return std::string();
    });
    if (!chunk) return false;
    // Not owning, so that the spells can move into the table once all of them have been read.
    SPtrArray<SSpellType> read{m_spells.Step(), false};
    for (int i = 0; i < count; ++i) {
        auto spell = std::make_unique<SSpellType>();
        const bool whole = ReadTableRecord(cursor, SSpellType::kTable, [&](SArchive& archive) {
            spell->Serialize(archive, cursor.version);
            const std::string fault = spell->Fault();
            return fault.empty() ? fault : "spell " + std::to_string(i + 1) + ": " + fault;
        });
        if (!whole) {
            read.DeleteAll();
            return false;
        }
        read.Append(spell.release());
    }
    for (int i = 0; i < read.Count(); ++i) m_spells.Add(read[i], ListOrder::Sorted);
    return true;
}

std::vector<std::vector<uint8_t>> SSpellTable::Write(int version) const {
    std::vector<std::vector<uint8_t>> records;
    SArchive archive;
    archive.OpenWrite();
    uint16_t count = m_spells.Count();
    serializeChunkSpellTable(archive, count);
    records.push_back(written(archive));
    for (int i = 0; i < m_spells.Count(); ++i) {
        archive.Rewind();
        m_spells[i]->Serialize(archive, version);
        records.push_back(written(archive));
    }
    return records;
}
