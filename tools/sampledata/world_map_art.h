#pragma once
// The world map picture of the sample world: each cell of a surface section one pixel, so that each
// section fills the 21-pixel square the game gives a map on the world map, read off the sections'
// level texts (grass, roads, trees, walls, doors, stairs, paved floors).
#include <cstdint>
#include <string>
#include <vector>

#include "tools/sampledata/sample_package.h"

// The picture record of a world `width` x `height` sections wide, whose sections are the maps
// named `prefix` and two two-digit numbers from 01; a section missing from `maps` stays sea.
std::vector<uint8_t> WorldMapPicture(const std::vector<SSampleMap>& maps, const std::string& prefix, int width,
                                     int height);
