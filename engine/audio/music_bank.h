#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kModuleHeaderSize = 1084;

// An instrument bank: the samples that songs play, with their headers in a four-channel module
// header of its own.
struct SMusicBank {
    std::string name;
    std::array<uint8_t, kModuleHeaderSize> header{};
    uint16_t sampleCount = 0;                   // K
    uint16_t patternSlots = 0;                  // P: patterns a module over this bank holds
    uint16_t patternUnits = 0;                  // Q: a pattern's size in 256-byte units
    std::vector<std::vector<uint8_t>> samples;  // K sample blocks

    // Sample j's length in bytes, as its header in the bank's module header gives it (in words).
    uint32_t SampleBytes(int j) const;
};
