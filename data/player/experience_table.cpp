#include "data/player/experience_table.h"

#include <algorithm>
#include <array>

namespace {

constexpr uint32_t kFixedLevels = 31;
constexpr std::array<uint32_t, kFixedLevels> kFixed = {
    0,       0,       400,     900,     1500,    2500,    4000,    7000,    11000,   17000,  25000,
    40000,   60000,   90000,   130000,  180000,  240000,  320000,  420000,  570000,  730000, 920000,
    1150000, 1410000, 1700000, 2020000, 2370000, 2750000, 3170000, 3630000, 4130000,
};

constexpr std::array<uint32_t, kMaxLevel + 1> BuildTable() {
    std::array<uint32_t, kMaxLevel + 1> table{};
    for (uint32_t level = 0; level < kFixedLevels; ++level) table[level] = kFixed[level];
    table[31] = 4570000;
    // Each step grows by the growth; the growth itself rises after every tenth level from 41.
    uint32_t step = 580000;
    uint32_t growth = 40000;
    for (uint32_t level = 32; level <= kMaxLevel; ++level) {
        table[level] = table[level - 1] + step;
        step += growth;
        if (level >= 41 && level % 10 == 1) growth += 20000;
    }
    return table;
}

constexpr std::array<uint32_t, kMaxLevel + 1> kTable = BuildTable();

}  // namespace

uint32_t ExperienceForLevel(uint32_t level) { return kTable[std::min(level, kMaxLevel)]; }
