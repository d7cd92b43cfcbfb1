#pragma once
// A small world for effect texts and costs: the built-in skills and attributes, the creature
// classes, one disease, three spells, one monster kind, and a player whose Alchemy tests set.
#include <memory>
#include <string>

#include "data/effects/effect_lookups.h"
#include "data/monsters/monster_table.h"
#include "data/rules/attribute_table.h"
#include "data/rules/skill_table.h"
#include "data/spells/spell_table.h"
#include "engine/base/string.h"
#include "support/item_records.h"
#include "support/monster_records.h"
#include "support/spell_records.h"

// A list holding the entries, in order.
template <typename... Entries>
std::unique_ptr<SEffectList> ListOf(Entries... entries) {
    auto list = std::make_unique<SEffectList>();
    (list->Add(std::move(entries)), ...);
    return list;
}

struct EffectWorld {
    EffectWorld() {
        skills.InitDefaults();
        attributes.InitDefaults();
        monsters.CreatureClasses().Init();
        auto plague = std::make_unique<SDisease>();
        plague->m_name.Set("Plague");
        plague->m_strength = 3;
        diseases.Add(std::move(plague));
        // Fireball's damage grows with its magnitude; Recall and Light always do the same.
        addSpell("base_fireball", "Fireball", kSchoolAttack, 20, 25);
        addSpell("base_recall", "Recall", kSchoolEnvironment, 30, 47);
        addSpell("base_light", "Light", kSchoolEnvironment, 90, 46);
        monsters.Add(MakeBaseType("Goblin", 1, {}));
        lookups.skills = &skills;
        lookups.attributes = &attributes;
        lookups.diseases = &diseases;
        lookups.spells = &spells;
        lookups.monsters = &monsters;
        lookups.player = &player;
    }

    void SetAlchemy(int32_t skill, int32_t fortify) {
        player.skills[SEffectLookups::kAlchemySkill] = skill;
        player.fortify[SEffectLookups::kAlchemySkill] = fortify;
    }

    std::string Describe(const SEffect& effect, SEffectContext context, int32_t level = 0, bool shortLabel = false,
                         bool compact = false) const {
        SString out("stale");
        effect.Describe(lookups, context, level, out, shortLabel, compact);
        return out.Text();
    }

    SSkillTable skills;
    SAttributeTable attributes;
    SDiseaseTable diseases;
    SSpellTable spells;
    SMonsterTable monsters;
    TestItemUser player;
    SEffectLookups lookups;

private:
    void addSpell(const char* name, const char* displayName, uint8_t school, uint16_t baseCost, uint8_t effectType) {
        auto spell = MakeSpell(name, school, {{effectType, 10}});
        spell->m_displayName.Assign(displayName);
        spell->m_baseCost = baseCost;
        spells.Add(std::move(spell));
    }
};
