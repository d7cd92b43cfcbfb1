#pragma once
// SCreatureStats: the numbers a monster fights with as one creature of it has them: its attributes
// and resistances with the creature's timed effects and diseases, its chance to cast and its
// damage.
#include <cstdint>

#include "data/effects/disease.h"

class SCreatureEffects;
class SMonster;
class SRandom;
struct SCreature;

class SCreatureStats {
public:
    SCreatureStats(const SMonster& monster, const SCreature& creature, const SCreatureEffects& effects,
                   const SDiseaseTable& diseases)
        : m_monster(monster), m_creature(creature), m_effects(effects), m_diseases(diseases) {}

    // Attribute 1 strength, 2 dexterity, 3 endurance or 4 intelligence with the creature's Fortify
    // attribute for it; at least 1.
    int Attribute(int attribute) const;
    // Each -100..100 percent.
    int MagicResistance() const;
    int ParalysisResistance() const;
    int PoisonResistance() const;
    int DiseaseResistance() const;
    // The percent chance, 0..100, that a spell the creature casts works.
    int SpellChance() const;
    // The damage range with the monster's Fortify melee, halved above the minimum while cursed.
    void DamageRange(int& minimum, int& maximum) const;
    // A damage in the range; never below 0.
    int RollDamage(SRandom& random) const;

    // The creature holds a timed effect of the type.
    bool Has(uint8_t type) const;
    // Its timed effects of the type and sub-id with its diseases' ones (stored percentages folded).
    int Total(uint8_t type, uint8_t subId = 0) const;
    bool IsUndead() const;

private:
    const SMonster& m_monster;
    const SCreature& m_creature;
    const SCreatureEffects& m_effects;
    const SDiseaseTable& m_diseases;
};

// The creature's hit points become `hp`, held within 0 and its monster's most.
void SetCreatureHp(SCreature& creature, int64_t hp);

// A Fortify melee percent as stored: 100 leaves the damage as it is, 150 adds half; beyond -100 the
// value counts 100 less in size.
int FortifyMeleePercent(int stored);
