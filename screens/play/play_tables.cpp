#include "screens/play/play_tables.h"

#include <cstddef>

namespace play_tables {

namespace {

struct MaskEntry {
    uint8_t mask;
    uint8_t number;
    uint16_t variant;
};

// Mask 0 shows the plain ground and wall variant 15; mask 255 the blended picture 46 and no
// variant.
constexpr MaskEntry kMasks[kCornerRuleMasks] = {
    {0, 0, 15},    {1, 1, 14},    {4, 2, 7},     {5, 3, 44},    {7, 4, 6},     {16, 5, 11},   {17, 6, 10},
    {20, 7, 40},   {21, 8, 39},   {23, 9, 38},   {28, 10, 3},   {29, 11, 37},  {31, 12, 2},   {64, 13, 13},
    {65, 14, 32},  {68, 15, 5},   {69, 16, 43},  {71, 17, 41},  {80, 18, 36},  {81, 19, 47},  {84, 20, 35},
    {85, 21, 31},  {87, 22, 23},  {92, 23, 34},  {93, 24, 27},  {95, 25, 19},  {112, 26, 9},  {113, 27, 46},
    {116, 28, 33}, {117, 29, 29}, {119, 30, 21}, {124, 31, 1},  {125, 32, 25}, {127, 33, 17}, {193, 34, 12},
    {197, 35, 42}, {199, 36, 4},  {209, 37, 45}, {213, 38, 30}, {215, 39, 22}, {221, 40, 26}, {223, 41, 18},
    {241, 42, 8},  {245, 43, 28}, {247, 44, 20}, {253, 45, 24}, {255, 46, 0},
};

template <typename Value, typename Pick>
constexpr std::array<Value, 256> byMask(Pick pick) {
    std::array<Value, 256> table{};
    for (const MaskEntry& entry : kMasks) table[entry.mask] = pick(entry);
    return table;
}

constexpr std::array<uint8_t, 256> kMaskNumbers = byMask<uint8_t>([](const MaskEntry& e) { return e.number; });
constexpr std::array<uint16_t, 256> kWallVariants = byMask<uint16_t>([](const MaskEntry& e) { return e.variant; });

// Each run goes from its first amount to its last by its step.
struct LadderRun {
    uint32_t first, last, step;
};
constexpr LadderRun kRuns[] = {
    {1, 20, 1},
    {25, 100, 25},
    {150, 500, 50},
    {600, 2'000, 100},
    {2'500, 5'000, 500},
    {6'000, 10'000, 1'000},
    {15'000, 100'000, 5'000},
    {110'000, 200'000, 10'000},
    {250'000, 1'000'000, 50'000},
    {1'100'000, 2'000'000, 100'000},
    {2'500'000, 10'000'000, 500'000},
    {11'000'000, 100'000'000, 1'000'000},
    {200'000'000, 1'000'000'000, 100'000'000},
};

constexpr std::array<uint32_t, kAmountSteps> buildLadder() {
    std::array<uint32_t, kAmountSteps> ladder{};
    std::size_t next = 1;  // entry 0 is the amount 0
    for (const LadderRun& run : kRuns)
        for (uint32_t amount = run.first; amount <= run.last; amount += run.step) ladder[next++] = amount;
    return ladder;
}

constexpr std::array<uint32_t, kAmountSteps> kLadder = buildLadder();

}  // namespace

uint8_t KeepCornersBetweenEdges(uint8_t mask) {
    struct Corner {
        uint8_t edges, corner;
    };
    constexpr Corner kCorners[] = {{5, 2}, {20, 8}, {80, 32}, {65, 128}};
    for (const Corner& corner : kCorners)
        if ((mask & corner.edges) != corner.edges) mask &= uint8_t(~corner.corner);
    return mask;
}

uint8_t MaskNumber(uint8_t mask) { return kMaskNumbers[mask]; }

uint16_t WallVariant(uint8_t mask) { return kWallVariants[mask]; }

const std::array<uint32_t, kAmountSteps>& AmountLadder() { return kLadder; }

}  // namespace play_tables
