#pragma once
// The places of the sample world that sound: a fountain beside the road south of the crossroads
// and birds in the trees there by day, and a cave below ground where water drips, reached by the
// position "base_cave".
#include <vector>

#include "tools/sampledata/sample_package.h"

class SMapObjectTypeTable;

constexpr const char* kCavePosition = "base_cave";
// Where the fountain and the birds stand in the middle section, the one of the surface position.
constexpr int kFountainX = 9, kFountainY = 13;
constexpr int kBirdsX = 12, kBirdsY = 12;

// The fountain, the birds and the drip as map-object types.
void AddAmbientTypes(SMapObjectTypeTable& types);
// Puts the fountain and the birds into the middle section among `maps` and adds the cave.
void AddAmbientPlaces(std::vector<SSampleMap>& maps);
