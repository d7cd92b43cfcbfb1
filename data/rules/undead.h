#pragma once
// The undead, whom the rules single out: healing hurts them and unholy magic heals them; as the
// player's race they learn Undead spells and not Heal spells, and people greet them otherwise.
#include <cstdint>

// The player's race number of the undead.
constexpr uint8_t kUndeadRace = 1;
// The creature class of the undead, the kind of their monsters, which Damage type names.
constexpr uint8_t kUndeadClass = 3;
