#include "game/layout_record.h"

#include <gtest/gtest.h>

#include "engine/base/string.h"
#include "game/game_data.h"

namespace layout_record_test {

namespace {

std::vector<SLayoutDialog> sampleDialogs() {
    return {
        {43, {{7, 10, 20, {{550, 0, 0, 240, 180}, {551, 5, 6, 7, 8}}}}},
        {50, {{9, 1, 2, {}}}},                   // dialog 50 has no block for mode 7 here...
        {50, {{7, 30, 40, {{1, 2, 3, 4, 5}}}}},  // ...but this second entry does
    };
}

TEST(LayoutRecordTest, findsPositionsAndRowsOfTheScreenMode) {
    const std::vector<uint8_t> bytes = SLayoutRecord::Build(sampleDialogs());
    SLayoutRecord layout(bytes);
    uint32_t x = 99, y = 99;
    EXPECT_TRUE(layout.FindSize(7, 43, x, y));
    EXPECT_EQ(x, 10u);
    EXPECT_EQ(y, 20u);
    auto row = layout.FindCtrl(7, 43, 551);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->x, 5);
    EXPECT_EQ(row->height, 8);
    EXPECT_FALSE(layout.FindCtrl(7, 43, 552));
    EXPECT_FALSE(layout.FindCtrl(6, 43, 550));

    EXPECT_TRUE(layout.FindSize(7, 50, x, y));
    EXPECT_EQ(x, 30u) << "the second entry of a dialog serves when the first lacks the mode";
    EXPECT_TRUE(layout.FindSize(9, 50, x, y));
    EXPECT_FALSE(layout.FindCtrl(9, 50, 1)) << "a block without rows has a position but no control";
}

TEST(LayoutRecordTest, anEmptyOrDamagedRecordFindsNothingAndReadsNothingOutside) {
    const std::vector<uint8_t> empty{0, 0};
    uint32_t x = 5, y = 6;
    EXPECT_FALSE(SLayoutRecord(empty).FindSize(7, 43, x, y));
    EXPECT_EQ(x, 5u);

    std::vector<uint8_t> bytes = SLayoutRecord::Build(sampleDialogs());
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        // Each cut copy lives in a block of exactly its size, so a read past it would be caught.
        std::vector<uint8_t> shortened(bytes.begin(), bytes.begin() + cut);
        SLayoutRecord layout(shortened);
        layout.FindSize(7, 50, x, y);
        layout.FindCtrl(7, 43, 551);
    }
    std::vector<uint8_t> wild = bytes;
    wild[2] = 0xFF;  // the first dialog block's offset points far outside
    wild[3] = 0xFF;
    EXPECT_FALSE(SLayoutRecord(wild).FindCtrl(7, 43, 550));
}

TEST(DigitGlyphsTest, numbersBecomeSmallDigitCodes) {
    struct Row {
        const char* text;
        std::vector<uint8_t> low, high;
    };
    const Row rows[] = {
        {"+12K", {29, 15, 16, 24}, {135, 161, 162, 130}},   {"-5", {28, 19}, {134, 165}},
        {"(5)%", {'(', 19, ')', 27}, {'(', 165, ')', 133}}, {"K5", {'K', 19}, {'K', 165}},
        {"a+b", {'a', '+', 'b'}, {'a', '+', 'b'}},
    };
    for (const Row& row : rows) {
        SString low(row.text), high(row.text);
        ToDigitGlyphs(low);
        ToDigitGlyphsHigh(high);
        EXPECT_EQ(std::vector<uint8_t>(low.Text(), low.Text() + low.Length()), row.low) << row.text;
        EXPECT_EQ(std::vector<uint8_t>(high.Text(), high.Text() + high.Length()), row.high) << row.text;
    }
}

TEST(FormatCountTest, shortensLargeCounts) {
    struct Row {
        uint32_t value;
        const char* expected;
    };
    for (Row row : {Row{9999, "9999"}, Row{10000, "10K"}, Row{999999, "999K"}, Row{1000000, "1M"}, Row{0, "0"}}) {
        SString out;
        FormatCount(row.value, out);
        EXPECT_STREQ(out.Text(), row.expected);
    }
}

TEST(FormatCountTest, goldGoesOnToBillions) {
    struct Row {
        uint32_t value;
        const char* expected;
    };
    for (Row row : {Row{9999, "9999"}, Row{999'999'999, "999M"}, Row{1'000'000'000, "1B"}, Row{2'500'000'000u, "2B"},
                    Row{4'000'000'000u, "4B"}}) {
        SString out;
        FormatGoldShort(row.value, out);
        EXPECT_STREQ(out.Text(), row.expected);
    }
}

TEST(StepTablesTest, pairsRunAroundTheColourSquare) {
    const SStepTables& t = StepTables();
    EXPECT_EQ(t.a[0][0], 1);
    EXPECT_EQ(t.a[0][30], 31);
    EXPECT_EQ(t.b[1][30], 992);
    EXPECT_EQ(t.a[2][30], 1);
    EXPECT_EQ(t.b[3][30], 32);
    EXPECT_EQ(t.a[3][31], 0);
}

}  // namespace

}  // namespace layout_record_test
