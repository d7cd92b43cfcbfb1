#include "screens/play/fog_distances.h"

#include <gtest/gtest.h>

namespace fog_distances_test {

namespace {

// Fog starts at (2 by day, 1 by night) x visibility / 100 cells; the view reaches
// (v + (100 - v) / 2) x 7 / 100 cells, and never less than one cell.
TEST(FogDistancesTest, theSkysVisibilityGivesFogAndReachOnTheSurface) {
    struct Row {
        int visibility;
        bool day;
        int fogStart, viewDistance;
    };
    const Row rows[] = {
        {100, true, 2, 7},
        {100, false, 1, 7},
        {50, true, 1, 5},
        {50, false, 0, 5},
        {49, true, 0, 5},
        {10, true, 0, 3},
        {1, false, 0, 3},
        // The formula gives 3 cells at visibility 0, never 0: the cell ahead always shows.
        {0, true, 0, 3},
        {0, false, 0, 3},
        // A value past the percent scale counts as 100 rather than reaching past the grid.
        {250, true, 2, 7},
        {-5, true, 0, 3},
    };
    for (const Row& row : rows) {
        const SFogDistances fog = SurfaceFog(row.visibility, row.day);
        EXPECT_EQ(fog.fogStart, row.fogStart) << row.visibility << (row.day ? " day" : " night");
        EXPECT_EQ(fog.viewDistance, row.viewDistance) << row.visibility << (row.day ? " day" : " night");
    }
}

// Below ground the map's byte b gives fog at b / 100 and a reach of b x 6 / 100 cells, at least 1.
TEST(FogDistancesTest, theMapsViewByteGivesFogAndReachBelowGround) {
    struct Row {
        int byte;
        int fogStart, viewDistance;
    };
    const Row rows[] = {{0, 0, 1},  {10, 0, 1}, {17, 0, 1},  {34, 0, 2},
                        {50, 0, 3}, {99, 0, 5}, {100, 1, 6}, {255, 1, 6}};
    for (const Row& row : rows) {
        const SFogDistances fog = UndergroundFog(row.byte);
        EXPECT_EQ(fog.fogStart, row.fogStart) << row.byte;
        EXPECT_EQ(fog.viewDistance, row.viewDistance) << row.byte;
    }
}

}  // namespace

}  // namespace fog_distances_test
