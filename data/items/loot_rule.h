#pragma once
// SLootRule: one line of what a container or a monster of the world data holds before anyone opens
// it: an item type, or any item of a level, rolled a number of times at a chance.
#include <cstdint>

#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SArchive;
class SItemTypeNames;

class SLootRule {
public:
    // Tag 24, the aligned u16 index of the item type's name (0: none), count, item level, chance,
    // and from data version 28 the condition. Reading answers false for an index that names no
    // item type, which would otherwise read as "any item"; the rule is then of no use.
    bool Serialize(SArchive& archive, int version, SItemTypeNames& names);
    // The same fields with the item type as the index of its name, for records whose name table
    // is read after them: the caller resolves the index.
    void SerializeIndexed(SArchive& archive, int version, uint16_t& itemTypeIndex);

    SString m_itemType;         // empty: any item type of the level
    uint8_t m_count = 1;        // rolls
    uint8_t m_level = 1;        // 1..6, for rules without an item type
    uint8_t m_chance = 100;     // percent per roll
    uint8_t m_condition = 100;  // percent of the maximum condition the items get
};

// A rule list: an aligned u16 count, then the rules. Reading appends the rules and passes over those
// whose item type the names lack.
void SerializeLootRules(SArchive& archive, int version, SPtrArray<SLootRule>& rules, SItemTypeNames& names);
