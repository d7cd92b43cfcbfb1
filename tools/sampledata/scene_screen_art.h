#pragma once
// The scene screen's pictures in the interface package: nine pieces of a parchment panel with a
// bronze edge (records 3540 to 3548), and the slower, faster, paused and running buttons, a normal
// and a pressed picture each, for the small screens (from 3847) and the others (from 3560).
#include <cstdint>
#include <map>
#include <vector>

// Record id to picture record.
std::map<uint16_t, std::vector<uint8_t>> SceneScreenPictures();
