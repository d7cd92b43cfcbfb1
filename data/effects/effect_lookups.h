#pragma once
// SEffectLookups: the world's tables that effect texts and enchanting costs read names and numbers
// from (skills, attributes, diseases, spells, monster kinds and creature classes), and the player
// whose Alchemy decides how much of an ingredient shows. A table left null finds nothing.
#include <cstdint>

#include "data/effects/disease.h"

class SAttributeTable;
class SMonsterTable;
class SSkillTable;
class SSpellCaster;
class SSpellTable;
class SSpellType;

// Which of a skill's three names a text shows.
enum class SSkillLabel { Name, ShortName, Abbreviation };

struct SEffectLookups {
    static constexpr uint32_t kAlchemySkill = 16;

    // Every name is "" when its table or its entry is missing.
    const char* SkillName(int skill, SSkillLabel label = SSkillLabel::Name) const;
    // Null outside the attributes 1..5 (they give no text at all), else the name, "" when unnamed.
    const char* AttributeShortName(int attribute) const;
    const char* AttributeFullName(int attribute) const;
    const SDisease* FindDisease(const char* name) const;
    const SSpellType* FindSpell(const char* name) const;
    // The monster kind's own name when the monster table has a kind of that name, else null.
    const char* FindMonsterKindName(const char* name) const;
    const char* CreatureClassName(int creatureClass) const;
    // The player's Alchemy with what its Fortify skill effects add; 0 without a player.
    int32_t Alchemy() const;

    const SSkillTable* skills = nullptr;
    const SAttributeTable* attributes = nullptr;
    const SDiseaseTable* diseases = nullptr;
    const SSpellTable* spells = nullptr;
    const SMonsterTable* monsters = nullptr;
    const SSpellCaster* player = nullptr;
};
