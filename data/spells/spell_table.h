#pragma once
// SSpellTable: the spells of the world data, found by name, and the schools they belong to.
#include <cstdint>
#include <memory>
#include <vector>

#include "data/spells/spell_schools.h"
#include "data/spells/spell_type.h"
#include "engine/base/ptr_array.h"

struct SRecordCursor;

class SSpellTable {
public:
    static constexpr uint8_t kChunkTag = 3;

    SSpellTable() = default;
    SSpellTable(const SSpellTable&) = delete;
    SSpellTable& operator=(const SSpellTable&) = delete;

    SSpellSchools& Schools() { return m_schools; }
    const SSpellSchools& Schools() const { return m_schools; }
    // "?" for a number that is not a school 1..7.
    const char* GetSchoolName(int school) const { return m_schools.Name(school); }
    uint32_t GetSchoolSkill(const SSpellType& spell) const { return m_schools.Skill(spell.m_school); }

    // By name: the hash first, then the exact text; null for an unknown or null name.
    SSpellType* FindSpell(const char* name) const { return m_spells.FindByName(name); }
    // Whether the named spell harms what it strikes; false for an unknown spell.
    bool IsOffensive(const char* name) const;
    int Count() const { return m_spells.Count(); }
    // In name-hash order; null outside 0 .. count-1.
    SSpellType* At(int index) const { return m_spells.At(index); }
    void Add(std::unique_ptr<SSpellType> spell) { m_spells.Add(spell.release(), ListOrder::Sorted); }
    void Clear() { m_spells.DeleteAll(); }

    // The chunk record at the cursor (tag 3 and an aligned u16 count), then one record per spell.
    // The spells join those of the packages opened before. A missing or damaged record adds none of
    // them and fails with the cursor's error naming the table.
    bool Load(SRecordCursor& cursor);
    // The records Load reads back: the chunk, then each spell's, in table order.
    std::vector<std::vector<uint8_t>> Write(int version) const;

private:
    SSpellSchools m_schools;
    SPtrArray<SSpellType> m_spells{10};
};
