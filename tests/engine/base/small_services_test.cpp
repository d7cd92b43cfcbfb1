#include "engine/base/small_services.h"

#include <gtest/gtest.h>

#include <vector>

namespace small_services_test {

namespace {

TEST(HexToByteTest, digitsOfEitherCase) {
    EXPECT_EQ(HexToByte("7F"), 127);
    EXPECT_EQ(HexToByte("7f"), 127);
    EXPECT_EQ(HexToByte("00"), 0);
    EXPECT_EQ(HexToByte("a0"), 160);
}

TEST(PopCount16Test, countsOnlyTheLowSixteenBits) {
    EXPECT_EQ(PopCount16(0x1FFFF), 16);
    EXPECT_EQ(PopCount16(0), 0);
    EXPECT_EQ(PopCount16(0x8001), 2);
}

TEST(ScaleFractionTest, rescalesToTheNewDenominator) {
    struct Row {
        int32_t denominator, numerator, n, expected;
    };
    for (Row row : {Row{4, 3, 100, 75}, Row{3, -2, 10, -6}, Row{10, 10, 7, 7}, Row{0, 5, 10, 0},
                    Row{1000, 1'000'000, 1'000'000, 1'000'000'000}}) {
        int32_t denominator = row.denominator, numerator = row.numerator;
        EXPECT_EQ(ScaleFraction(denominator, numerator, row.n), row.expected);
        EXPECT_EQ(numerator, row.expected);
        EXPECT_EQ(denominator, row.n);
    }
}

TEST(MemCopyTest, answersTheEndOfTheDestination) {
    std::vector<uint8_t> from{1, 2, 3, 4, 5, 6}, to(8, 9);
    EXPECT_EQ(MemCopy(to.data(), from.data(), 6), to.data() + 6);
    EXPECT_EQ(to, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 9, 9}));
    MemZero(to.data() + 1, 3);
    EXPECT_EQ(to, (std::vector<uint8_t>{1, 0, 0, 0, 5, 6, 9, 9}));
}

class QuitNowTest : public ::testing::Test {
protected:
    static inline std::vector<std::string> s_events;
    void SetUp() override {
        s_events.clear();
        SetExitFunction([](int status) { s_events.push_back("exit " + std::to_string(status)); });
    }
    void TearDown() override {
        SetExitFunction(nullptr);
        SetQuitAutoSave(nullptr);
    }
};

TEST_F(QuitNowTest, withoutAGameItEndsWithoutSaving) {
    QuitNow();
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(s_events, std::vector<std::string>{"exit 0"});
}

TEST_F(QuitNowTest, aRunningGameIsSavedBeforeTheEnd) {
    SetQuitAutoSave([] { s_events.push_back("save"); });
    QuitNow();
    EXPECT_EQ(s_events, (std::vector<std::string>{"save", "exit 0"}));
}

}  // namespace

}  // namespace small_services_test
