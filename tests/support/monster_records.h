#pragma once
// Monster base types and monsters built in memory, and a monster table's two package records as
// its own writers write them.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "data/monsters/monster_table.h"
#include "engine/packages/record_list.h"
#include "support/item_records.h"
#include "support/record_bytes.h"

// A base type of the kind with these pictures (null for an empty name) and palette names.
inline std::unique_ptr<SMonsterBaseType> MakeBaseType(const char* name, uint8_t kind,
                                                      std::initializer_list<const char*> pictures,
                                                      std::initializer_list<const char*> palettes = {}) {
    auto type = std::make_unique<SMonsterBaseType>();
    type->m_name.Set(name);
    type->m_kind = kind;
    for (const char* picture : pictures) type->m_pictureNames.Append(picture);
    for (const char* palette : palettes) type->m_paletteNames.Append(palette);
    return type;
}

// Seven picture names "<prefix>1" .. "<prefix>7", or ten for people; the texts live as long as the
// returned vector.
inline std::vector<std::string> PictureNames(const char* prefix, uint8_t kind) {
    std::vector<std::string> names;
    for (int i = 1; i <= SMonsterBaseType::PictureCount(kind); ++i) names.push_back(prefix + std::to_string(i));
    return names;
}

inline std::unique_ptr<SMonster> MakeMonster(const char* name, SMonsterBaseType* base) {
    auto monster = std::make_unique<SMonster>();
    monster->m_name.Set(name);
    monster->m_baseType = base;
    return monster;
}

inline std::unique_ptr<SLootRule> MakeLootRule(const char* itemType, uint8_t level = 1) {
    auto rule = std::make_unique<SLootRule>();
    rule->m_itemType.Assign(itemType);
    rule->m_level = level;
    return rule;
}

// The table's two records; the loot rules' item types are interned in `itemNames`, whose names
// from 1 on are the package's item-type name index.
inline SRecordList MonsterRecords(SMonsterTable& table, int version, SItemTypeNames& itemNames) {
    return {WrittenBytes([&](SArchive& archive) { table.WriteBaseTypes(archive, version); }),
            WrittenBytes([&](SArchive& archive) { table.WriteMonsters(archive, version, itemNames); })};
}

// The records of a monster table with one monster of a base type of kind 1 (seven pictures named
// "<monster>1".."7") and that many hit points.
inline SRecordList OneMonsterRecords(const char* monster, const char* baseType, uint16_t maxHp, int version) {
    SMonsterTable monsters;
    const std::vector<std::string> pictures = PictureNames(monster, 1);
    auto base = MakeBaseType(baseType, 1, {});
    for (const std::string& picture : pictures) base->m_pictureNames.Append(picture.c_str());
    auto made = MakeMonster(monster, base.get());
    made->m_stats[kStatMaxHitPoints] = maxHp;
    monsters.Add(std::move(base));
    monsters.Add(std::move(made));
    SItemDatabase noItems;
    TestItemNames itemNames(noItems);
    return MonsterRecords(monsters, version, itemNames);
}
