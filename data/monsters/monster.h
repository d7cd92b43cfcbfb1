#pragma once
// SMonster: one named monster of the world: its own statistics, spells, loot and texts, built on a
// base type. Creatures placed on maps point to one and keep only their own state.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "data/effects/effect_list.h"
#include "data/items/item_list.h"
#include "data/monsters/monster_base_type.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;
class SItemType;
class SItemTypeNames;
class SResourceCache;

using SFindBaseType = std::function<SMonsterBaseType*(const char*)>;

class SMonster {
public:
    static constexpr uint8_t kFlagHostileWhenProvoked = 0x04;
    static constexpr uint8_t kFlagDefault = 0x08;

    SMonster() = default;
    SMonster(const SMonster&) = delete;
    SMonster& operator=(const SMonster&) = delete;

    const SName& NameKey() const { return m_name; }

    // Tag 31, the name, the base type's name, the display name and the palette name, the texts
    // (dropped ones written empty), the effect list, the loot rules, the statistics, kind, level
    // and flags, then the bytes each later data version added. Reading finds the base type
    // through `findBase` (null when unknown) and leaves the loot rules waiting for ResolveLoot, as
    // their item types are indexes into a name table the package may read later. Writing interns
    // the rules' item types in `names`, which reading does not use.
    void Serialize(SArchive& archive, int version, const SFindBaseType& findBase, SItemTypeNames* names);
    // The effect list's first fault, or an empty text.
    std::string Fault() const { return m_effects.Fault(); }
    // Turns the rules read last into loot rules through the package's item-type index: entry i
    // is the type of item-type name i. A rule whose index names no item type is dropped; index 0
    // is any item of the rule's level.
    void ResolveLoot(std::span<SItemType* const> itemTypes);

    // A monster a script makes from a base type: the type's colouring, level 1, its statistics
    // out of hundredths, its kind and attack.
    void InitFromType(SMonsterBaseType& type);

    // The statistic plus the creature's total of Fortify attribute for it; at least 1.
    int GetStrength(int fortified) const { return attribute(kStatStrength, fortified); }
    int GetDexterity(int fortified) const { return attribute(kStatDexterity, fortified); }
    int GetEndurance(int fortified) const { return attribute(kStatEndurance, fortified); }
    int GetIntelligence(int fortified) const { return attribute(kStatIntelligence, fortified); }
    // Whether a carried-spell entry names the spell.
    bool KnowsSpell(const char* spell) const;

    // The palette slots of the monster's colouring and of its base type's paralysed palette; 0 for
    // a name the cache lacks and for a monster without a base type.
    void ResolvePalettes(const SResourceCache& cache);

    SName m_name;
    SMonsterBaseType* m_baseType = nullptr;  // null when the record names an unknown type
    SString m_displayName;
    SString m_paletteName;
    uint16_t m_paletteSlot = 0;
    uint16_t m_paralysedPaletteSlot = 0;
    // A monster that talks counts as peaceful until provoked.
    SString m_talkText;
    uint8_t m_attackKind = 1;  // 1 melee, 2 missile, 3 spell, 4 melee when adjacent else spell
    SString m_missilePalette;
    uint8_t m_copied[2] = {0, 0};
    SEffectList m_effects;
    SItemList m_loot;
    SMonsterStats m_stats{};
    uint8_t m_kind = 1;
    uint8_t m_level = 1;
    uint8_t m_flags = kFlagHostileWhenProvoked | kFlagDefault;
    uint8_t m_perception = 0;

private:
    int attribute(SMonsterStat stat, int fortified) const;
    void serializeLoot(SArchive& archive, int version, SItemTypeNames* names);

    std::vector<std::pair<std::unique_ptr<SLootRule>, uint16_t>> m_unresolvedLoot;
};
