#pragma once
// The flags of a map that forbid the player's actions there.
#include <cstdint>

namespace map_flags {

inline constexpr uint16_t kNoMagic = 0x2;
inline constexpr uint16_t kNoAttack = 0x4;
inline constexpr uint16_t kNoMark = 0x8;
inline constexpr uint16_t kNoRest = 0x10;
inline constexpr uint16_t kSurface = 0x80;
inline constexpr uint16_t kTown = 0x200;
inline constexpr uint16_t kNoTeleport = 0x400;

}  // namespace map_flags
