#include "data/effects/effect_lookups.h"

#include "data/monsters/monster_table.h"
#include "data/rules/attribute_table.h"
#include "data/rules/skill_table.h"
#include "data/spells/spell_table.h"

namespace {

const char* orEmpty(const char* text) { return text ? text : ""; }

}  // namespace

const char* SEffectLookups::SkillName(int skill, SSkillLabel label) const {
    const SSkillDef* entry = skills ? skills->Entry(skill) : nullptr;
    if (entry == nullptr) return "";
    switch (label) {
        case SSkillLabel::ShortName: return entry->shortName.Text();
        case SSkillLabel::Abbreviation: return entry->abbreviation.Text();
        default: return entry->name.Text();
    }
}

const char* SEffectLookups::AttributeShortName(int attribute) const {
    if (attribute < SAttributeTable::kFirstId || attribute > SAttributeTable::kLastId) return nullptr;
    const SAttributeDef* entry = attributes ? attributes->Entry(attribute) : nullptr;
    return entry ? entry->shortName.Text() : "";
}

const char* SEffectLookups::AttributeFullName(int attribute) const {
    if (attribute < SAttributeTable::kFirstId || attribute > SAttributeTable::kLastId) return nullptr;
    const SAttributeDef* entry = attributes ? attributes->Entry(attribute) : nullptr;
    return entry ? entry->fullName.Text() : "";
}

const SDisease* SEffectLookups::FindDisease(const char* name) const {
    return diseases && name ? diseases->Find(name) : nullptr;
}

const SSpellType* SEffectLookups::FindSpell(const char* name) const {
    return spells && name ? spells->FindSpell(name) : nullptr;
}

const char* SEffectLookups::FindMonsterKindName(const char* name) const {
    const SMonsterBaseType* kind = monsters && name ? monsters->FindBaseType(name) : nullptr;
    return kind ? orEmpty(kind->m_name.Text()) : nullptr;
}

const char* SEffectLookups::CreatureClassName(int creatureClass) const {
    return monsters ? orEmpty(monsters->CreatureClasses().PluralName(creatureClass)) : "";
}

int32_t SEffectLookups::Alchemy() const {
    return player ? player->SkillValue(kAlchemySkill) + player->FortifySkillTotal(kAlchemySkill) : 0;
}
