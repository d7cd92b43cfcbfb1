#pragma once
// The journal's words for the player's active effects: which entries the Active effects page's
// filter lets through, and the line an entry gets in the page's description: its value by the
// effect kind, the rounds left of a timed one and what it comes from.
#include <cstdint>

#include "data/player/active_effect.h"

class SString;
struct SEffectLookups;

// The Active effects page's filters, as the screen keeps them.
enum SEffectsFilter : uint32_t {
    kDynamicEffects = 0,
    kConstantEffects = 1,
    kAllEffects = 2,
};

// Worn items, diseases and abilities act for as long as they are there; everything else is timed.
bool IsConstantEffect(const SActiveEffect& effect);
bool PassesEffectsFilter(const SActiveEffect& effect, uint32_t filter);
// The value part of the entry by its effect kind ("+30%", "-5 hp/turn", "Immunity"); nothing for
// a kind outside 1..23.
void AppendEffectValue(const SActiveEffect& effect, const SEffectLookups& lookups, SString& out);
// The value, the rounds left of a potion's, a spell's or another timed source's entry, and the
// source in brackets, ended by a line break; in plain digits (the page rewrites them).
void AppendEffectLine(const SActiveEffect& effect, const SEffectLookups& lookups, SString& out);
