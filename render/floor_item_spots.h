#pragma once
// Where the ten pictures of a cell's floor item stack lie. They have ten fixed spots round the
// cell's middle; when the floor comes into view late (a low, wide view), the pattern shrinks toward
// its centre (516, 508) and moves toward the viewer so that the items stay on the visible floor.
#include <cstdint>

struct SFloorItemView {
    int32_t floorReach = 0;  // the projection's floor reach
    int32_t facing = 0;      // 0 to 3, or 4 at a free heading
    int32_t degrees = 0;     // the view angle in whole degrees
    // The player's cell minus the items' cell.
    int32_t playerDx = 0;
    int32_t playerDy = 0;
    int32_t inCellOffset = 0;
    int32_t sine = 0;  // the camera's, 22.10
    int32_t cosine = 0;
};

struct SFloorSpot {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const SFloorSpot&) const = default;
};

inline constexpr int kFloorItemSpots = 10;
inline constexpr SFloorSpot kNominalFloorSpots[kFloorItemSpots] = {
    {512, 512}, {438, 500}, {578, 520}, {496, 438}, {528, 578},
    {444, 469}, {469, 570}, {560, 453}, {594, 547}, {475, 531},
};

// The spots inside the cell, in world units.
void PlaceFloorItems(const SFloorItemView& view, SFloorSpot (&spots)[kFloorItemSpots]);
