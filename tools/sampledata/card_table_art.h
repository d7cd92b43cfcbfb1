#pragma once
// The sample pictures of the card table's give-up button, normal (3655) and pressed (3656): one
// pair serves every screen mode.
#include <cstdint>
#include <map>
#include <vector>

// Both pictures are this many pixels square.
constexpr int kGiveUpSize = 28;

// Record id to picture record.
std::map<uint16_t, std::vector<uint8_t>> CardTablePictures();
