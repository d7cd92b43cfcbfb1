#pragma once
// SMonster: one named monster of the world: its own statistics, spells, loot and texts, built on a
// base type, and the rules by which its creatures fight, react, die, sound and are drawn.
// Creatures placed on maps point to one and keep only their own state.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "data/effects/effect_list.h"
#include "data/items/item_list.h"
#include "data/monsters/monster_base_type.h"
#include "engine/base/name.h"
#include "engine/base/string.h"
#include "script/script_value.h"

class SArchive;
class SItemType;
class SItemTypeNames;
class SResourceCache;
class SSpellTable;
class SSpellType;
struct SCreature;
struct SItemPileRecord;
struct SMonsterContext;
struct SPlacedObject;

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

    // The palette slots of the monster's colouring, of its missile and of its base type's
    // paralysed palette; 0 for a name the cache lacks and for a monster without a base type.
    void ResolvePalettes(const SResourceCache& cache);

    // The magnitudes of the monster's constant effects of the type added up, a sum beyond +-100
    // counting 100 less in size.
    int PercentSum(uint8_t type) const;

    // Combat (monster_combat.cpp). The creature is one of this monster's on the context's map.
    int RollDamage(SMonsterContext& context, const SCreature& creature) const;
    int SpellChance(SMonsterContext& context, const SCreature& creature) const;
    // Whether a spell the monster carries harms what it strikes and reaches a player that many cells
    // away in the creature's row or column: a ranged spell any distance, a touch spell one cell.
    bool CanCastAtRange(const SSpellTable& spells, int distance) const;
    // The creature strikes by the monster's attack kind: a melee blow, a missile or a spell.
    void Attack(SMonsterContext& context, SCreature& creature);
    // The monster's own reaction to an event bit (8 hit by the player, 16 a spell cast at it, 32 used,
    // 64 killed) with the context's event values; `changed` is set when the creature's cell must be
    // built again. Answers the screen to switch to, 0 for none.
    int OnEvent(uint32_t event, SMonsterContext& context, SCreature& creature, bool& changed);
    // The player's blow of the context's damage.
    void OnAttacked(SMonsterContext& context, SCreature& creature);
    // The player used the creature: a person seen from behind can be robbed, anyone else talks.
    void OnUsed(SMonsterContext& context, SCreature& creature);
    // The creature's goods and loot drop into its cell, the player gains the monster's experience
    // unless `givesExperience` is false, and the creature leaves the map. Answers whether cells
    // changed.
    bool OnKilled(SMonsterContext& context, SCreature& creature, bool givesExperience);

    // Spells (monster_spells.cpp).
    // The carried spell that suits the creature best where it stands, or null. With `areaOnly`
    // only area spells count, and ranged ones need not stand in line with the player.
    const SSpellType* ChooseSpell(SMonsterContext& context, const SCreature& creature, bool areaOnly) const;
    // The context's spell, level and damage strike the creature.
    void OnSpellCast(SMonsterContext& context, SCreature& creature);
    // The spell's effects at the caster's level act on the creature.
    void ApplySpell(SMonsterContext& context, SCreature& creature, const SSpellType& spell, int level);

    // Sounds (monster_sounds.cpp), each at volume 0..10: the monster's voice (one of the set sounds
    // for people), its hurt and its death sound.
    void PlayCreatureSound(SMonsterContext& context, int volume) const;
    void PlayHitSound(SMonsterContext& context, int volume) const;
    void PlayDeathSound(SMonsterContext& context, int volume) const;

    // Sprites (monster_sprite.cpp). Places the creature's sprite in a cleared record: the first
    // picture, the middle of the cell, the monster's size and palette, then SelectSprite.
    void PlaceSprite(SMonsterContext& context, const SCreature& creature, SItemPileRecord& sprite) const;
    // The picture for the creature's pose and, for people, for the side the player sees.
    void SelectSprite(SMonsterContext& context, const SCreature& creature, SItemPileRecord& sprite) const;

    // The script functions on a creature of the monster (monster_commands.cpp): `object` is the
    // map object the script addresses and `creature` its creature, either may be null. A function
    // with a result stores it; `changed` is set when the creature's cell must be built again.
    // Answers 0, which lets the script go on.
    int ExecuteCommand(SMonsterContext& context, SPlacedObject* object, SCreature* creature, int command,
                       const SScriptValue& arg1, std::optional<SScriptValue>& result, bool& changed);

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
    uint16_t m_missilePaletteSlot = 0;
    uint8_t m_copied[2] = {0, 0};
    // The skill in stealth that robs a person of this monster with the full chance: the second of
    // the bytes the monster has of its type.
    uint8_t StealDifficulty() const { return m_copied[1]; }
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
