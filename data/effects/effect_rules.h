#pragma once
// The rules of effects that every target shares, the player and the creatures alike: what a
// resistance leaves of an effect, which way the hp effects turn for the undead, and when a crush
// finishes a badly hurt target.
#include <cstdint>

#include "data/effects/effect_type.h"

class SRandom;

// What a resistance of `resistance` percent leaves of `value`, rounded toward zero; a resistance
// below zero adds to it.
template <class T>
constexpr T Resisted(T value, T resistance) {
    return value - value * resistance / 100;
}

// What an hp effect does to its target. The hp effects serve the living and the unholy ones the
// undead; on the other nature each turns into harm.
enum class SVitalOutcome : uint8_t {
    None,            // not an hp effect
    Heal,            // hp + magnitude
    HealFully,       // hp to the most
    Fortify,         // the most raised for a time
    Harm,            // hp - magnitude
    HarmToOne,       // hp down to 1
    HarmKeepingOne,  // hp - magnitude, never below 1
};
SVitalOutcome VitalOutcome(SEffectType type, bool undead);

// How a target's hit points are held against the quarter of its most below which a crush may
// finish it: the player's as they are, a creature's as a whole percentage (so 25.9 percent counts
// as 25).
enum class SCrushMeasure : uint8_t { Exact, WholePercent };
// Whether a crush finishes a target at `hp` of `most` hit points: at a quarter or less, when
// Random(100) beats three times its hp percent. Nothing is rolled above a quarter or without a
// generator.
bool CrushFinishes(int32_t hp, int32_t most, SCrushMeasure measure, SRandom* random);
