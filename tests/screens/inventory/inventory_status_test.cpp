#include "screens/inventory/inventory_status.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/base/string.h"

namespace inventory_status_test {

namespace {

std::string status(uint32_t type, uint32_t gold, uint32_t weight, uint32_t capacity) {
    SString text;
    FormatInventoryStatus(type, gold, weight, capacity, text);
    return text.Text();
}

struct GoldCase {
    uint32_t gold;
    const char* shown;
};

TEST(InventoryStatus, goldIsShortenedAtTenThousandAMillionAndABillion) {
    const GoldCase cases[] = {{0, "0"},          {9999, "9999"},        {10'000, "10K"},      {999'999, "999K"},
                              {1'000'000, "1M"}, {999'999'999, "999M"}, {1'000'000'000, "1B"}};
    for (const GoldCase& c : cases)
        EXPECT_EQ(status(7, c.gold, 0, 0), std::string("Gold: ") + c.shown + "\t\rPack: 0.0/0.0") << c.gold;
}

TEST(InventoryStatus, weightsInHundredthsShowOneDecimal) {
    EXPECT_EQ(status(7, 5, 1234, 20'099), "Gold: 5\t\rPack: 12.3/200.9");
}

struct LayoutCase {
    uint32_t type;
    const char* text;
};

// Each screen type's layout gets its own arguments: where the gold glyph is left out, the pack's
// numbers are not shifted by one.
TEST(InventoryStatus, eachScreenTypeHasItsLayoutWithTheNumbersInPlace) {
    const LayoutCase cases[] = {
        {2, "Gold: 12K\t\rPack: 12.3/45.6"},      {3, "Gold: 12K\t\rPack: 12.3/45.6"},
        {5, "Gold: 12K\t\rPack: 12.3/45.6"},      {8, "Gold: 12K\t\rPack: 12.3/45.6"},
        {6, "Gold:\r12K\rPack:\r12.3/\r45.6"},    {12, "Gold:\r12K\rPack:\r12.3/\r45.6"},
        {13, "Gold:\r12K\rPack:\r12.3/\r45.6"},   {16, "Gold:\r12K\t\r\rPack:\r12.3/\r45.6"},
        {9, "Gold:\r12K\t\rPack:\r12.3/\r45.6"},  {10, "Gold:\r12K\t\rPack:\r12.3/\r45.6"},
        {15, "Gold:\r12K\t\rPack:\r12.3/\r45.6"},
    };
    for (const LayoutCase& c : cases) EXPECT_EQ(status(c.type, 12'345, 1234, 4567), c.text) << "type " << c.type;
}

struct LoadCase {
    uint32_t weight;
    SLoadWarning warning;
};

TEST(InventoryStatus, closingWarnsAboveTheCapacityAndAboveHalfAgainAsMuch) {
    constexpr uint32_t capacity = 1000;
    const LoadCase cases[] = {{0, SLoadWarning::kNone},
                              {capacity, SLoadWarning::kNone},
                              {capacity + 1, SLoadWarning::kTooMuch},
                              {capacity * 3 / 2, SLoadWarning::kTooMuch},
                              {capacity * 3 / 2 + 1, SLoadWarning::kWayTooMuch},
                              {UINT32_MAX, SLoadWarning::kWayTooMuch}};
    for (const LoadCase& c : cases) EXPECT_EQ(LoadWarningFor(c.weight, capacity), c.warning) << c.weight;
    EXPECT_EQ(LoadWarningFor(UINT32_MAX, UINT32_MAX), SLoadWarning::kNone) << "no overflow at the top";
    EXPECT_STREQ(LoadWarningText(SLoadWarning::kTooMuch),
                 "You carry too much - your attack capabilities are decreased.");
    EXPECT_STREQ(LoadWarningText(SLoadWarning::kWayTooMuch), "You carry way too much - you can't move.");
}

}  // namespace

}  // namespace inventory_status_test
