#include "data/monsters/creature_stats.h"

#include <algorithm>

#include "data/effects/effect_type.h"
#include "data/maps/creature.h"
#include "data/maps/creature_effects.h"
#include "data/monsters/monster.h"
#include "data/player/active_effect.h"
#include "engine/base/random.h"

namespace {

int clampPercent(int value) { return std::clamp(value, -100, 100); }

}  // namespace

void SetCreatureHp(SCreature& creature, int64_t hp) {
    creature.hp = int16_t(std::clamp<int64_t>(hp, 0, INT16_MAX));
    creature.ClampHp();
}

int FortifyMeleePercent(int stored) { return stored < -100 ? stored + 100 : stored - 100; }

int SCreatureStats::Attribute(int attribute) const {
    const int fortified = Total(kEffectFortifyAttribute, uint8_t(attribute));
    switch (attribute) {
        case 1: return m_monster.GetStrength(fortified);
        case 2: return m_monster.GetDexterity(fortified);
        case 3: return m_monster.GetEndurance(fortified);
        case 4: return m_monster.GetIntelligence(fortified);
        default: return 1;
    }
}

int SCreatureStats::MagicResistance() const {
    return clampPercent(Attribute(4) + m_monster.PercentSum(kEffectResistMagic) + Total(kEffectResistMagic));
}

int SCreatureStats::ParalysisResistance() const {
    return clampPercent(2 * Attribute(4) + m_monster.PercentSum(kEffectResistParalysis) +
                        Total(kEffectResistParalysis));
}

int SCreatureStats::PoisonResistance() const {
    return clampPercent(Attribute(3) + m_monster.PercentSum(kEffectResistPoison) + Total(kEffectResistPoison));
}

int SCreatureStats::DiseaseResistance() const {
    return clampPercent(Attribute(3) / 2 + m_monster.PercentSum(kEffectResistDiseases) + Total(kEffectResistDiseases) +
                        Total(kEffectResistDisease));
}

int SCreatureStats::SpellChance() const {
    const int chance = 2 * Attribute(4);
    const int fortified = FoldPercent(Total(kEffectFortifyMagic));
    return std::clamp(chance + chance * fortified / 100, 0, 100);
}

void SCreatureStats::DamageRange(int& minimum, int& maximum) const {
    minimum = m_monster.m_stats[kStatDamageMin];
    maximum = m_monster.m_stats[kStatDamageMax];
    const int plainMinimum = minimum;
    const int plainMaximum = maximum;
    for (int i = 0; i < m_monster.m_effects.Count(); ++i) {
        const SEffect& effect = *m_monster.m_effects.Get(i);
        if (effect.m_source != kSourceConstant || effect.m_type != kEffectFortifyMelee) continue;
        const int percent = FortifyMeleePercent(effect.m_baseMagnitude);
        minimum += plainMinimum * percent / 100;
        maximum += plainMaximum * percent / 100;
    }
    if (Has(kEffectCurse)) maximum = minimum + (maximum - minimum) / 2;
}

int SCreatureStats::RollDamage(SRandom& random) const {
    int minimum = 0, maximum = 0;
    DamageRange(minimum, maximum);
    return std::max(0, minimum + random.Next(maximum - minimum + 1));
}

bool SCreatureStats::Has(uint8_t type) const {
    const SCreatureEffectList* list = m_effects.Find(m_creature.id);
    if (list == nullptr) return false;
    for (int i = 0; i < list->entries.Count(); ++i) {
        const SCreatureEffect& effect = *list->entries[i];
        if (effect.kind == SCreatureEffect::kTimed && effect.type == type) return true;
    }
    return false;
}

int SCreatureStats::Total(uint8_t type, uint8_t subId) const {
    return m_effects.Total(m_creature.id, type, subId, m_diseases);
}

bool SCreatureStats::IsUndead() const { return m_monster.m_kind == SMonsterBaseType::kKindUndead; }
