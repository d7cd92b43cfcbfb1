#pragma once
// How far the 3-D view reaches and where its fog begins, in whole cells: on the surface from the
// sky's visibility and the time of day, below ground from the map's own view-distance byte.
#include <cstdint>

struct SFogDistances {
    int32_t fogStart = 0;
    int32_t viewDistance = 1;  // never 0: the cell ahead always shows
};

// Visibility in percent (0 to 100). By day the fog begins twice as far away as by night.
SFogDistances SurfaceFog(int visibility, bool day);
// The map's view-distance byte in percent (0 to 100); a larger value counts as 100.
SFogDistances UndergroundFog(int viewDistance);
