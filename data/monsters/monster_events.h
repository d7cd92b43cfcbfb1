#pragma once
// The numbers a monster's type and the play screen share: how the monster attacks, and the events
// its script is told of.
#include <cstdint>

enum SAttackKind : uint8_t {
    kAttackMelee = 1,
    kAttackMissile = 2,
    kAttackSpell = 3,
    // A blow when the player stands next to it, a spell from further away.
    kAttackMeleeWhenAdjacent = 4,
};

enum SMonsterEvent : uint32_t {
    kEventAttacked = 8,
    kEventSpellCast = 16,
    kEventUsed = 32,
    kEventKilled = 64,
};
