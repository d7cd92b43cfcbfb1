#include "screens/play/fog_distances.h"

#include <algorithm>

namespace {

// However thick the fog, the view reaches the next cell: a view distance of 0 would show nothing.
constexpr int32_t kNearestView = 1;
constexpr int32_t kSurfaceReach = 7;
constexpr int32_t kUndergroundReach = 6;

int32_t percent(int value) { return std::clamp(value, 0, 100); }

}  // namespace

SFogDistances SurfaceFog(int visibility, bool day) {
    const int32_t v = percent(visibility);
    const int32_t reach = (v + (100 - v) / 2) * kSurfaceReach / 100;
    return {(day ? 2 : 1) * v / 100, std::max(reach, kNearestView)};
}

SFogDistances UndergroundFog(int viewDistance) {
    const int32_t b = percent(viewDistance);
    return {b / 100, std::max(b * kUndergroundReach / 100, kNearestView)};
}
