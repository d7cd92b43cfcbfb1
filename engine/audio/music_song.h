#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/music_bank.h"

// A song: a four-channel module header and patterns, played over the samples of a bank.
struct SMusicSong {
    std::string name;
    std::string bankName;
    std::array<uint8_t, kModuleHeaderSize> header{};
    uint16_t patternSize = 0;  // S, bytes per pattern
    std::vector<std::vector<uint8_t>> patterns;
};
