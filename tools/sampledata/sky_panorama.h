#pragma once
// The sample sky panorama: 760 x 110 texels in format 1, covering 120 degrees of heading so that it
// repeats three times around the horizon.
#include <cstdint>
#include <vector>

// Marks every 30 degrees, labelled 0, 30, 60 and 90, show the sky turning with the heading and
// its 120-degree repeat; rows 100 to 109 fade from the sky's horizon colour into the fog colour,
// which row 109 is exactly.
std::vector<uint8_t> SkyPanoramaRecord(uint16_t fogColour);
