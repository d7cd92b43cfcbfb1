#pragma once
// SMapMonsters: what maps and their creatures ask of the world's monsters (SMonster): the monster
// table answers it once it is built, tests with monsters of their own.
#include <cstdint>

#include "engine/base/ptr_array.h"

class SLootRule;
class SMonster;

class SMapMonsters {
public:
    // The kind of townspeople: never hostile, they carry goods and keep their pose bits in saves.
    static constexpr uint8_t kPeople = 4;
    // A monster flag: once provoked, a creature of the monster is hostile.
    static constexpr uint8_t kHostileWhenProvoked = 0x04;

    virtual ~SMapMonsters() = default;

    virtual int MaxHp(const SMonster& monster) const = 0;
    virtual uint8_t Kind(const SMonster& monster) const = 0;
    virtual uint8_t Flags(const SMonster& monster) const = 0;
    // What a person of the monster carries, rolled into its item container at its first visit.
    virtual const SPtrArray<SLootRule>& Loot(const SMonster& monster) const = 0;
    // A creature of the monster is about to stand on the grid, so its pictures are wanted.
    virtual void MarkInUse(const SMonster& monster) = 0;
};
