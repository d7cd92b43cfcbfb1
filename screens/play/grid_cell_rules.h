#pragma once
// What the play screen's grid code asks alike of the things in a cell: their type codes, whether
// an object shows, and the dimming of dim maps.
#include <cstdint>

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace grid_rules {

// The map-object type codes the grid treats apart.
inline constexpr uint8_t kTextureCode = 1;
inline constexpr uint8_t kAnimatedGroundCode = 3;
inline constexpr uint8_t kTextureDecorCode = 4;
inline constexpr uint8_t kWallCode = 5;
inline constexpr uint8_t kShelfCode = 17;
inline constexpr uint8_t kDoorCode = 20;
inline constexpr uint8_t kSlidingDoorCode = 22;
inline constexpr uint8_t kTeleportCode = 25;
inline constexpr uint8_t kWebCode = 35;
inline constexpr uint8_t kPositionCode = 39;

inline bool HasCode(const SMapObjectType* type, uint8_t code) { return type != nullptr && type->m_typeCode == code; }

// Doors and webs are drawn otherwise from inside their own cell than from beside it.
inline bool ShowsOtherwiseFromInside(const SMapObjectType* type) {
    return HasCode(type, kDoorCode) || HasCode(type, kSlidingDoorCode) || HasCode(type, kWebCode);
}

// A cell that names no object, or names one the map does not know, shows its type.
inline bool IsShown(const SPlacedObject* object) {
    return object == nullptr || (object->flags & SPlacedObject::kVisible) != 0;
}

// A dim map is darker wherever nothing lights it more than plainly.
inline void DimOnDimMap(const SMap& map, uint16_t& light) {
    constexpr uint16_t kDimMap = 0x100;
    constexpr uint16_t kDimming = 64;
    if ((map.Flags() & kDimMap) != 0 && light >= kPlainLight) light = uint16_t(light - kDimming);
}

}  // namespace grid_rules
