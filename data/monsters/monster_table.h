#pragma once
// SMonsterTable: the monster base types and the monsters of the open world packages, each list
// sorted by name hash and found by name, and the creature classes.
#include <cstdint>
#include <span>
#include <vector>

#include "data/monsters/creature_classes.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_base_type.h"
#include "data/tables/record_table.h"
#include "engine/base/ptr_array.h"

class SArchive;
class SItemType;
class SItemTypeNames;
class SResourceCache;
struct SRecordCursor;

class SMonsterTable {
public:
    static constexpr uint8_t kMonsterChunkTag = 30;

    SCreatureClasses& CreatureClasses() { return m_classes; }
    const SCreatureClasses& CreatureClasses() const { return m_classes; }

    // Two records: the base types' chunk (SRecordTable's form, tag 28), then the monsters' chunk
    // (tag 30, an aligned u16 count and the monster records). A monster's base type is found among
    // the types of this package and the ones before it. Either record damaged, or a base type
    // whose picture count does not match its kind, and nothing is added; the cursor's error names
    // the table. The monsters' loot rules wait for ResolveLoot.
    bool Load(SRecordCursor& cursor);
    // The two records Load reads back; the loot rules' item types are interned in `names`, the
    // package's item-type name index.
    void WriteBaseTypes(SArchive& archive, int version) { m_baseTypes.Write(archive, version); }
    void WriteMonsters(SArchive& archive, int version, SItemTypeNames& names);
    // Resolves the loot rules of the monsters read since the last call through a package's
    // item-type index (SMonster::ResolveLoot); the package has read its last table by then.
    void ResolveLoot(std::span<SItemType* const> itemTypes);

    // The writers' and the scripts' way in.
    void Add(std::unique_ptr<SMonsterBaseType> type) { m_baseTypes.Add(std::move(type)); }
    void Add(std::unique_ptr<SMonster> monster) { m_monsters.Add(monster.release(), ListOrder::Sorted); }

    // By name; null when absent.
    SMonsterBaseType* FindBaseType(const char* name) const { return m_baseTypes.Find(name); }
    SMonster* FindMonster(const char* name) const { return m_monsters.FindByName(name); }
    // In name-hash order; null outside 0 .. count-1.
    SMonsterBaseType* BaseTypeAt(int index) const { return m_baseTypes.At(index); }
    SMonster* MonsterAt(int index) const { return m_monsters.At(index); }
    int BaseTypeCount() const { return m_baseTypes.Count(); }
    int MonsterCount() const { return m_monsters.Count(); }

    // Every base type's pictures to their cache entries, the type's picture group written into
    // `groups` at their slots, and every monster's palette slots. The cache's slots must have been
    // assigned.
    void ResolvePictures(const SResourceCache& cache, std::vector<uint8_t>& groups);

    // Deletes the base types, the monsters and the kept records.
    void Clear();

private:
    SCreatureClasses m_classes;
    SRecordTable<SMonsterBaseType> m_baseTypes;
    SPtrArray<SMonster> m_monsters{10};
    // Read and not yet through ResolveLoot.
    std::vector<SMonster*> m_unresolved;
};
