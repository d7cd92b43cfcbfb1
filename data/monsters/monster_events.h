#pragma once
// The numbers a monster's type and the play screen share: how the monster attacks, and the events
// its script is told of, by the bits a map object's events have, and one more for its death.
#include <cstdint>

#include "data/map_objects/object_events.h"

enum SAttackKind : uint8_t {
    kAttackMelee = 1,
    kAttackMissile = 2,
    kAttackSpell = 3,
    // A blow when the player stands next to it, a spell from further away.
    kAttackMeleeWhenAdjacent = 4,
};

enum SMonsterEvent : uint32_t {
    kEventAttacked = kAttacked,
    kEventSpellCast = kSpellCast,
    kEventUsed = kUsed,
    kEventKilled = 64,
};
