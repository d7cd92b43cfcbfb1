#pragma once
// The wall variants: which of a wall's eight neighbours belong to the same wall, as a mask, gives
// the variant number that the play screen ORs into a wall's shape word and that picks the roof
// model the renderer draws over it.
#include <cstdint>

// The neighbours' bits, clockwise from north.
namespace wall_mask {
inline constexpr uint8_t kNorth = 1, kNorthEast = 2, kEast = 4, kSouthEast = 8;
inline constexpr uint8_t kSouth = 16, kSouthWest = 32, kWest = 64, kNorthWest = 128;
}  // namespace wall_mask

inline constexpr int kWallVariantCount = 48;

// A mask whose corner bits only stand where both edges beside them are set; any other mask gives 0.
int WallVariantOfMask(uint8_t mask);
// The mask a variant stands for; none (false) for a variant no mask gives.
bool MaskOfWallVariant(int variant, uint8_t& mask);
