#include "data/monsters/monster_table.h"

#include <string>

#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

namespace {

void serializeMonsters(SArchive& archive, int version, SPtrArray<SMonster>& monsters, const SFindBaseType& findBase,
                       SItemTypeNames* names) {
    archive.SerializeTag(SMonsterTable::kMonsterChunkTag);
    monsters.SerializeEach(archive, ListOrder::Appended,
                           [&](SMonster& monster, SArchive& a) { monster.Serialize(a, version, findBase, names); });
}

}  // namespace

bool SMonsterTable::Load(SRecordCursor& cursor) {
    // Rules still waiting belong to a package that failed after its monsters; its index is gone.
    ResolveLoot({});
    SRecordTable<SMonsterBaseType>::SReadChunk baseTypes;
    if (!m_baseTypes.Read(cursor, baseTypes)) return false;
    const SFindBaseType findBase = [&](const char* name) {
        SMonsterBaseType* type = m_baseTypes.Find(name);
        return type ? type : baseTypes.Find(name);
    };
    // Not owning, so that the monsters can move into the table once the whole chunk has been read.
    SPtrArray<SMonster> read{m_monsters.Step(), false};
    const bool whole = ReadTableRecord(cursor, SModuleTable::Monsters, [&](SArchive& archive) -> std::string {
        serializeMonsters(archive, cursor.version, read, findBase, nullptr);
        if (archive.Failed()) return {};
        if (uint32_t(MonsterCount()) + read.Count() > SPtrArray<SMonster>::kMaxCount)
            return "its " + std::to_string(read.Count()) + " monsters overfill the table";
        return RecordsFault(read);
    });
    if (!whole) {
        read.DeleteAll();
        return false;
    }
    m_baseTypes.Add(baseTypes);
    for (int i = 0; i < read.Count(); ++i) {
        m_monsters.Add(read[i], ListOrder::Sorted);
        m_unresolved.push_back(read[i]);
    }
    return true;
}

void SMonsterTable::WriteMonsters(SArchive& archive, int version, SItemTypeNames& names) {
    serializeMonsters(archive, version, m_monsters, nullptr, &names);
}

void SMonsterTable::ResolveLoot(std::span<SItemType* const> itemTypes) {
    for (SMonster* monster : m_unresolved) monster->ResolveLoot(itemTypes);
    m_unresolved.clear();
}

void SMonsterTable::ResolvePictures(const SResourceCache& cache, std::vector<uint8_t>& groups) {
    for (int i = 0; i < m_baseTypes.Count(); ++i) m_baseTypes.At(i)->ResolvePictures(cache, groups);
    for (int i = 0; i < m_monsters.Count(); ++i) m_monsters[i]->ResolvePalettes(cache);
}

void SMonsterTable::Clear() {
    m_unresolved.clear();
    m_monsters.DeleteAll();
    m_baseTypes.Clear();
}
