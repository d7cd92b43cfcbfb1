#include "render/wall_variants.h"

namespace {

struct SVariantRow {
    uint8_t mask;
    uint8_t variant;
};

// Masks not listed, the full mask 255 among them, give variant 0.
constexpr SVariantRow kVariants[] = {
    {0, 15},   {1, 14},   {4, 7},    {5, 44},   {7, 6},    {16, 11},  {17, 10}, {20, 40},  {21, 39},  {23, 38},
    {28, 3},   {29, 37},  {31, 2},   {64, 13},  {65, 32},  {68, 5},   {69, 43}, {71, 41},  {80, 36},  {81, 47},
    {84, 35},  {85, 31},  {87, 23},  {92, 34},  {93, 27},  {95, 19},  {112, 9}, {113, 46}, {116, 33}, {117, 29},
    {119, 21}, {124, 1},  {125, 25}, {127, 17}, {193, 12}, {197, 42}, {199, 4}, {209, 45}, {213, 30}, {215, 22},
    {221, 26}, {223, 18}, {241, 8},  {245, 28}, {247, 20}, {253, 24},
};

}  // namespace

int WallVariantOfMask(uint8_t mask) {
    for (const SVariantRow& row : kVariants)
        if (row.mask == mask) return row.variant;
    return 0;
}

bool MaskOfWallVariant(int variant, uint8_t& mask) {
    if (variant == 0) return mask = 255, true;
    for (const SVariantRow& row : kVariants) {
        if (row.variant == variant) return mask = row.mask, true;
    }
    return false;
}
