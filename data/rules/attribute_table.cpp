#include "data/rules/attribute_table.h"

#include "engine/base/archive.h"
#include "engine/base/c_string.h"

void SAttributeDef::Assign(const SAttributeDef& other) {
    id.Set(other.id.Text());
    fullName = other.fullName;
    shortName = other.shortName;
}

void SAttributeDef::Serialize(SArchive& archive, int) {
    archive.SerializeTag('S');
    id.Serialize(archive);
    archive.SerializeSString(fullName);
    archive.SerializeSString(shortName);
}

void SAttributeTable::InitDefaults() {
    struct SDefault {
        const char* id;
        const char* fullName;
        const char* shortName;
    };
    static const SDefault kDefaults[] = {
        {"base_strength", "Strength", "Str"},       {"base_dexterity", "Dexterity", "Dex"},
        {"base_endurance", "Endurance", "End"},     {"base_intelligence", "Intelligence", "Int"},
        {"base_personality", "Personality", "Per"},
    };
    for (int id = kFirstId; id <= kLastId; ++id) {
        const SDefault& entry = kDefaults[id - kFirstId];
        m_entries[id].id.Set(entry.id);
        m_entries[id].fullName.Assign(entry.fullName);
        m_entries[id].shortName.Assign(entry.shortName);
    }
}

int SAttributeTable::Find(const char* text) const {
    if (StrLen(text) == 0) return 0;
    for (int id = kFirstId; id <= kLastId; ++id) {
        const SAttributeDef& entry = m_entries[id];
        if (StrCmp(entry.id.Text(), text) == 0 || entry.fullName.ICompare(text) == 0 ||
            entry.shortName.ICompare(text) == 0)
            return id;
    }
    return 0;
}

const char* SAttributeTable::FullName(int id) const {
    const SAttributeDef* entry = Entry(id);
    return entry ? entry->fullName.Text() : nullptr;
}
