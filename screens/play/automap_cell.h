#pragma once
// What the automap shows of a grid cell: a floor picture, a picture on each side and a decoration,
// each an index into the game's map picture table. They are the play screen's to fill from the map
// data as it builds the cell; since they come from data, the automap checks every index against
// the table before it draws.
#include <cstdint>

struct SAutomapCell {
    static constexpr uint16_t kNone = 0xFFFF;

    uint16_t floorKind = 0;
    uint16_t sidePictures[4] = {kNone, kNone, kNone, kNone};  // north, east, south, west
    uint16_t decoration = kNone;
};
