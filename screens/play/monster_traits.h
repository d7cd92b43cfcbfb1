#pragma once
// What the play screen reads of a creature's monster when it moves and shows it in a fight: its
// size, its width beside a second creature, its footsteps and whether the second layer holds it.
// The base type's flag byte carries the flags.
#include <cstdint>

#include "data/maps/creature.h"
#include "data/monsters/monster.h"

namespace monster_traits {

inline constexpr uint8_t kFootstepFlags = 0x03;    // both set: the creature's steps sound
inline constexpr uint8_t kWideFlag = 0x20;         // stands further aside beside a second creature
inline constexpr uint8_t kSecondLayerFlag = 0x40;  // the second layer's centres block it

inline uint8_t BaseFlags(const SMonster* monster) {
    return monster && monster->m_baseType ? monster->m_baseType->m_copied[0] : 0;
}
inline uint8_t SizeValue(const SMonster* monster) {
    return monster && monster->m_baseType ? monster->m_baseType->m_size : 1;
}
// A large monster keeps further apart from a second creature in its cell.
inline bool IsLarge(const SMonster* monster) { return SizeValue(monster) >= 2; }
inline bool IsWide(const SMonster* monster) { return (BaseFlags(monster) & kWideFlag) != 0; }
inline bool KeepsToFirstLayer(const SMonster* monster) { return (BaseFlags(monster) & kSecondLayerFlag) != 0; }
inline bool StepsSound(const SMonster* monster) {
    return (BaseFlags(monster) & kFootstepFlags) == kFootstepFlags && SizeValue(monster) < 2;
}
// A person of this monster takes its place in the cell like a monster.
inline bool PersonTakesPlace(const SMonster* monster) {
    constexpr uint8_t kTurnsFlag = 0x10;
    return monster != nullptr && (monster->m_flags & kTurnsFlag) != 0;
}
// The monster's attack sound, null when it has none.
inline const char* AttackSound(const SMonster* monster) {
    const char* sound = monster && monster->m_baseType ? monster->m_baseType->m_sounds[0] : nullptr;
    return sound != nullptr && sound[0] != '\0' ? sound : nullptr;
}

}  // namespace monster_traits
