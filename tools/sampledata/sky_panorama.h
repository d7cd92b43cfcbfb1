#pragma once
// The sample sky panoramas: 760 x 110 texels in format 1, covering 120 degrees of heading so that
// they repeat three times around the horizon.
#include <cstdint>
#include <vector>

// How one sky looks: its colours from the top row down to the horizon, its clouds and what else
// it shows.
struct SSkyLook {
    uint16_t top;
    uint16_t horizon;
    uint16_t cloud;
    // 0 none, 1 the four soft clouds, 2 a sky full of them.
    int clouds = 1;
    bool stars = false;
    // The 30-degree marks with their angles, which show the sky turning with the heading.
    bool marks = false;
};

// A clear blue day sky with the marks: marks every 30 degrees, labelled 0, 30, 60 and 90, show the
// sky turning with the heading and its 120-degree repeat.
std::vector<uint8_t> SkyPanoramaRecord(uint16_t fogColour);
// Rows 100 to 109 fade from the sky's horizon colour into the fog colour, which row 109 is exactly.
std::vector<uint8_t> SkyPanoramaRecord(const SSkyLook& look, uint16_t fogColour);
