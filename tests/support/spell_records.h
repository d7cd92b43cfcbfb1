#pragma once
// Spells and spell effects built in memory, for the tables' tests to write into packages.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "data/spells/spell_effect.h"
#include "data/spells/spell_schools.h"
#include "data/spells/spell_type.h"

// An on-use effect entry of a spell.
inline std::unique_ptr<SEffect> SpellEffectEntry(uint8_t type, int16_t magnitude, int16_t perLevel = 0) {
    auto effect = std::make_unique<SEffect>(kContextSpell);
    effect->m_type = type;
    effect->m_baseMagnitude = magnitude;
    effect->m_magnitudePerLevel = perLevel;
    return effect;
}

// A spell of the school with effects given as (type, base magnitude); every other field keeps its
// default.
inline std::unique_ptr<SSpellType> MakeSpell(const char* name, uint8_t school,
                                             const std::vector<std::pair<uint8_t, int16_t>>& effects = {}) {
    auto spell = std::make_unique<SSpellType>();
    spell->m_name.Set(name);
    spell->m_school = school;
    for (auto [type, magnitude] : effects) spell->m_effects.Append(SpellEffectEntry(type, magnitude).release());
    return spell;
}

// The names are not copied: they must outlive the effect.
inline std::unique_ptr<SSpellEffect> MakeSpellEffect(const char* name, const std::vector<const char*>& frames,
                                                     const std::vector<const char*>& palettes = {}) {
    auto effect = std::make_unique<SSpellEffect>();
    effect->m_name.Set(name);
    for (const char* frame : frames) effect->m_frameNames.Append(frame);
    for (const char* palette : palettes) effect->m_paletteNames.Append(palette);
    return effect;
}
