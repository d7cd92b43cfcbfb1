#pragma once
// The text a creature-information spell shows: more of the creature the stronger the spell that
// asks (its knowledge, 0 to 255).
#include <cstdint>

#include "data/effects/disease.h"

class SAttributeTable;
class SMap;
class SSkillTable;
class SString;
struct SCreature;

// The tables the effect lines name their skills and attributes by, and the diseases that change a
// creature's attributes.
struct SCreatureInfoTables {
    const SSkillTable& skills;
    const SAttributeTable& attributes;
    const SDiseaseTable& diseases;
};

// A monster: its name and level, its hit points (with their most from knowledge 20), above 30 its
// experience, above 40 its four attributes, above 50 its active effects. A person: the name, above
// 20 the perception. Every line ends with a carriage return. Nothing for a creature without a
// monster.
void FormatCreatureInfo(const SMap& map, const SCreature& creature, uint32_t knowledge,
                        const SCreatureInfoTables& tables, SString& out);
