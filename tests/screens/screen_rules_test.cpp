// The rules the screens share: gold, a merchant's level, page buttons and the status message's time.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/persons/npc_type.h"
#include "data/world/global_table.h"
#include "engine/base/string.h"
#include "screens/gold_rules.h"
#include "screens/list_paging.h"
#include "screens/merchant_level.h"
#include "screens/status_timer.h"

namespace screen_rules_test {

namespace {

constexpr uint32_t kCap = 1'000'000'000;

TEST(GoldRulesTest, incomeStopsAtTheCapAndPaymentsAtNothing) {
    struct Row {
        uint32_t held;
        uint64_t amount;
        uint32_t afterIncome, afterPayment;
    };
    const Row rows[] = {
        {100, 50, 150, 50},
        {100, 100, 200, 0},
        {100, 101, 201, 0},
        {0, 0, 0, 0},
        {kCap - 1, 1, kCap, kCap - 2},
        {kCap, 1, kCap, kCap - 1},
        {kCap - 10, 4'000'000'000u, kCap, 0},
        {5, uint64_t(1) << 40, kCap, 0},  // a 64-bit price larger than any purse
        {5, UINT64_MAX, kCap, 0},
    };
    for (const Row& row : rows) {
        const std::string what = std::to_string(row.held) + " and " + std::to_string(row.amount);
        EXPECT_EQ(GoldAfterIncome(row.held, row.amount), row.afterIncome) << what;
        EXPECT_EQ(GoldAfterPayment(row.held, row.amount), row.afterPayment) << what;
    }
}

TEST(GoldRulesTest, pricesFiguredIn64BitsAreHeldAtTheCap) {
    EXPECT_EQ(ClampGold(0), 0u);
    EXPECT_EQ(ClampGold(kCap), kCap);
    EXPECT_EQ(ClampGold(uint64_t(kCap) + 1), kCap);
    EXPECT_EQ(ClampGold(uint64_t(70'000) * 70'000), kCap) << "a product that would wrap in 32 bits";
}

TEST(GoldRulesTest, anAmountIsWrittenInFullWithTheGoldGlyph) {
    SString text;
    FormatGold(1'000'000'000, text);
    EXPECT_EQ(std::string(text.Text()), "1000000000\t");
    FormatGold(0, text);
    EXPECT_EQ(std::string(text.Text()), "0\t");
}

TEST(MerchantLevelTest, aPositiveGlobalOverridesTheLevelByte) {
    SGlobalTable globals;
    auto declare = [&](const char* name, const SScriptValue& value) {
        auto global = std::make_unique<SGlobalVar>();
        global->m_name.Set(name);
        global->m_value = value;
        globals.Add(std::move(global));
    };
    declare("base_smithlevel", SScriptValue(int32_t{7}));
    declare("base_zero", SScriptValue(int32_t{0}));
    declare("base_negative", SScriptValue(int32_t{-3}));
    struct Row {
        const char* global;
        uint32_t level;
    };
    const Row rows[] = {{"", 4}, {"base_smithlevel", 7}, {"base_zero", 4}, {"base_negative", 4}, {"base_missing", 4}};
    for (const Row& row : rows) {
        SNpcType smith;
        smith.roomPrice = 4;
        smith.globalName.Assign(row.global);
        EXPECT_EQ(MerchantLevel(smith, globals), row.level) << "global \"" << row.global << "\"";
    }
}

TEST(ListPagingTest, pagesMoveByAPageAndTheButtonsFollow) {
    struct Row {
        SListPaging paging;
        bool up, down;
        int32_t topAfterUp, topAfterDown;
    };
    const Row rows[] = {
        {{0, 5, 12}, false, true, 0, 5},    // the first page
        {{5, 5, 12}, true, true, 0, 10},    // the middle
        {{10, 5, 12}, true, false, 5, 10},  // the last page, short
        {{3, 5, 12}, true, true, 0, 8},     // a top off the page grid never goes before the first row
        {{0, 5, 5}, false, false, 0, 0},    // exactly one page
        {{0, 5, 0}, false, false, 0, 0},    // empty
        {{0, 0, 9}, false, false, 0, 0},    // a list too short for a row moves nowhere
    };
    for (const Row& row : rows) {
        const SListPaging& p = row.paging;
        const std::string what = "top " + std::to_string(p.top) + " page " + std::to_string(p.perPage) + " of " +
                                 std::to_string(p.count);
        EXPECT_EQ(p.CanPageUp(), row.up) << what;
        EXPECT_EQ(p.CanPageDown(), row.down) << what;
        EXPECT_EQ(p.TopAfterPageUp(), row.topAfterUp) << what;
        EXPECT_EQ(p.TopAfterPageDown(), row.topAfterDown) << what;
    }
}

TEST(StatusTimerTest, aMessageStaysForThreeSecondsAndEndsOnce) {
    struct Row {
        uint32_t shownAt;
        uint32_t now;
        bool expired;
    };
    const Row rows[] = {
        {1000, 1000, false},
        {1000, 3999, false},
        {1000, 4000, true},
        {0xFFFFFF00u, 100, false},  // the tick counter wrapped 356 ms after the message
        {0xFFFFFF00u, 0xFFFFFF00u + 3000, true},
    };
    for (const Row& row : rows) {
        SStatusTimer timer;
        timer.Start(row.shownAt);
        EXPECT_EQ(timer.Expired(row.now), row.expired) << row.shownAt << " then " << row.now;
        EXPECT_EQ(timer.Running(), !row.expired);
    }
    SStatusTimer timer;
    EXPECT_FALSE(timer.Expired(50'000)) << "no message, nothing to end";
    timer.Start(0);
    EXPECT_TRUE(timer.Expired(3000));
    EXPECT_FALSE(timer.Expired(3001)) << "the panel is cleared once";
    timer.Start(2000);
    EXPECT_FALSE(timer.Expired(3001)) << "a new message shows for the full time";
}

}  // namespace

}  // namespace screen_rules_test
