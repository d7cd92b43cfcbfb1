#pragma once
// The flags of a map that forbid the player's actions there, and the town's flag that the town
// portal looks for. (The surface's flag is the map header's.)
#include <cstdint>

namespace map_flags {

inline constexpr uint16_t kNoMagic = 0x2;
inline constexpr uint16_t kNoAttack = 0x4;
inline constexpr uint16_t kNoMark = 0x8;
inline constexpr uint16_t kNoRest = 0x10;
inline constexpr uint16_t kTown = 0x200;
inline constexpr uint16_t kNoTeleport = 0x400;

}  // namespace map_flags
