#pragma once
// The surface round the sample world's middle: a 3 x 3 block of sections "base_s0101" to
// "base_s0303", grass with sand roads that cross in the middle section and run on into the others,
// trees, and in every section a ruin of brick walls. The middle section holds the position
// "base_surface", on the road facing north, and beside it the stairs down to the cellar with a
// signpost; the south-east section is the town of Eastbrook.
#include <vector>

#include "tools/sampledata/sample_package.h"

// The sections across and down.
constexpr int kSurfaceSections = 3;
// The position in the middle section.
constexpr const char* kSurfacePosition = "base_surface";

std::vector<SSampleMap> SampleSurfaceSections();
