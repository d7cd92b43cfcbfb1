// Conditions: the six operators and what each code measures, against a fake game.
#include "data/dialogue/condition.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fake_dialog_world.h"
#include "support/record_bytes.h"

namespace condition_test {

namespace {

constexpr uint8_t kEq = 1, kNe = 2, kGt = 3, kGe = 4, kLt = 5, kLe = 6;

SCondition makeCondition(int8_t code, uint8_t op, int16_t value, uint8_t flag = 0, const char* text = "") {
    SCondition condition;
    condition.code = code;
    condition.op = op;
    condition.value = value;
    condition.flag = flag;
    condition.text.Assign(text);
    return condition;
}

TEST(ConditionTest, theOperatorsCompareTheTestedNumberWithTheValueAndAnyOtherOperatorFails) {
    struct Row {
        uint8_t op;
        bool below, equal, above;  // tested 4, 5 and 6 against 5
    };
    for (Row row : {Row{kEq, false, true, false}, Row{kNe, true, false, true}, Row{kGt, false, false, true},
                    Row{kGe, false, true, true}, Row{kLt, true, false, false}, Row{kLe, true, true, false},
                    Row{0, false, false, false}, Row{7, false, false, false}}) {
        EXPECT_EQ(CompareByOperator(row.op, 4, 5), row.below) << int(row.op);
        EXPECT_EQ(CompareByOperator(row.op, 5, 5), row.equal) << int(row.op);
        EXPECT_EQ(CompareByOperator(row.op, 6, 5), row.above) << int(row.op);
    }
}

struct CodeRow {
    const char* what;
    SCondition condition;
    std::function<void(FakeDialogWorld&)> setUp;
    bool holds;
};

// Each row sets the game up and expects the condition to hold or not; the person is of race 3
// and keeps an open shop.
TEST(ConditionTest, eachCodeMeasuresItsPartOfTheGame) {
    auto none = [](FakeDialogWorld&) {};
    const std::vector<CodeRow> rows = {
        {"-1 is false", makeCondition(-1, kEq, 0), none, false},
        {"0 holds for any operator", makeCondition(0, 9, 123), none, true},
        {"1 is false", makeCondition(1, kEq, 0), none, false},
        {"5 is false", makeCondition(5, kEq, 0), none, false},
        {"below -1", makeCondition(-2, kEq, 0), none, false},
        {"above 60", makeCondition(61, kEq, 0), none, false},
        {"27 compares 0", makeCondition(27, kEq, 0), none, true},
        {"27 is never 1", makeCondition(27, kEq, 1), none, false},
        {"2 the conversation word", makeCondition(2, kEq, 7), [](FakeDialogWorld& w) { w.word = 7; }, true},
        {"3 crime", makeCondition(3, kGt, 2), [](FakeDialogWorld& w) { w.crime = 3; }, true},
        {"4 gold covers the fine", makeCondition(4, kEq, 1),
         [](FakeDialogWorld& w) {
             w.crime = 3;
             w.gold = 300;
         },
         true},
        {"4 gold short of the fine", makeCondition(4, kEq, 1),
         [](FakeDialogWorld& w) {
             w.crime = 3;
             w.gold = 299;
         },
         false},
        {"4 a fine past 32 bits", makeCondition(4, kEq, 1),
         [](FakeDialogWorld& w) {
             w.crime = 50000000;
             w.gold = 1000000000;
         },
         false},
        {"6 fame 0 is good", makeCondition(6, kEq, 1), none, true},
        {"7 fame below 0", makeCondition(7, kEq, 1), [](FakeDialogWorld& w) { w.fame = -1; }, true},
        {"8 fame", makeCondition(8, kLe, -5), [](FakeDialogWorld& w) { w.fame = -6; }, true},
        {"9 outfit", makeCondition(9, kGe, 30), [](FakeDialogWorld& w) { w.outfitRating = 30; }, true},
        {"10 hit points", makeCondition(10, kLt, 50), [](FakeDialogWorld& w) { w.hpPercent = 49; }, true},
        {"11 level", makeCondition(11, kEq, 4), [](FakeDialogWorld& w) { w.level = 4; }, true},
        {"12 race is the flag", makeCondition(12, kEq, 1, 2), none, true},
        {"12 race is not the flag", makeCondition(12, kEq, 1, 3), none, false},
        {"13 armour class", makeCondition(13, kGt, 10), [](FakeDialogWorld& w) { w.armourClass = 11; }, true},
        {"14 attribute 3", makeCondition(14, kEq, 22, 3), [](FakeDialogWorld& w) { w.attributes[3] = 22; }, true},
        {"14 attribute 6 counts 0", makeCondition(14, kEq, 0, 6), none, true},
        {"14 attribute 200 counts 0", makeCondition(14, kEq, 0, 200), none, true},
        {"15 skill 20", makeCondition(15, kEq, 9, 20), [](FakeDialogWorld& w) { w.skills[20] = 9; }, true},
        {"15 skill 0 counts 0", makeCondition(15, kEq, 0, 0), [](FakeDialogWorld& w) { w.skills.fill(5); }, true},
        {"15 skill 21 counts 0", makeCondition(15, kEq, 0, 21), none, true},
        {"16 undead", makeCondition(16, kEq, 1), [](FakeDialogWorld& w) { w.race = 1; }, true},
        {"17 the person's race", makeCondition(17, kEq, 1), [](FakeDialogWorld& w) { w.race = 3; }, true},
        {"17 another race", makeCondition(17, kEq, 1), none, false},
        {"18 items owned", makeCondition(18, kGe, 2, 0, "base_bread"),
         [](FakeDialogWorld& w) { w.items["base_bread"] = 2; }, true},
        {"19 the disease named", makeCondition(19, kEq, 1, 0, "base_pox"),
         [](FakeDialogWorld& w) { w.diseases = {"base_pox"}; }, true},
        {"19 any disease", makeCondition(19, kEq, 1), [](FakeDialogWorld& w) { w.diseases = {"base_flu"}; }, true},
        {"19 another disease", makeCondition(19, kEq, 1, 0, "base_pox"),
         [](FakeDialogWorld& w) { w.diseases = {"base_flu"}; }, false},
        {"20 object diseased", makeCondition(20, kEq, 1, 0, "rat"),
         [](FakeDialogWorld& w) { w.named["rat"] = {SCreatureTest::Diseased}; }, true},
        {"21 poison", makeCondition(21, kGt, 0), [](FakeDialogWorld& w) { w.poison = 3; }, true},
        {"22 object poisoned", makeCondition(22, kEq, 0, 0, "rat"), none, true},
        {"23 spell known", makeCondition(23, kEq, 1, 0, "base_fire"),
         [](FakeDialogWorld& w) { w.spells = {"base_fire"}; }, true},
        {"24 experience to restore", makeCondition(24, kEq, 1), [](FakeDialogWorld& w) { w.lostXp = true; }, true},
        {"25 gold for price 1", makeCondition(25, kEq, 1, 1),
         [](FakeDialogWorld& w) {
             w.prices = {10, 50};
             w.gold = 50;
         },
         true},
        {"25 too little gold", makeCondition(25, kEq, 1, 1),
         [](FakeDialogWorld& w) {
             w.prices = {10, 50};
             w.gold = 49;
         },
         false},
        {"25 no such price entry compares 0", makeCondition(25, kEq, 0, 9), [](FakeDialogWorld& w) { w.gold = 99; },
         true},
        {"26 ability", makeCondition(26, kEq, 1, 0, "base_dark"),
         [](FakeDialogWorld& w) { w.abilities = {"base_dark"}; }, true},
        {"28 object state", makeCondition(28, kEq, 3, 0, "lever"),
         [](FakeDialogWorld& w) { w.objectStates["lever"] = 3; }, true},
        {"29 the person's shop is open", makeCondition(29, kEq, 1), none, true},
        {"30 a roll below 100", makeCondition(30, kLt, 100), none, true},
        {"31 weather", makeCondition(31, kGe, 70), [](FakeDialogWorld& w) { w.weather = 70; }, true},
        {"32 rain", makeCondition(32, kGt, 500), [](FakeDialogWorld& w) { w.rain = 501; }, true},
        {"33 hour", makeCondition(33, kEq, 23), [](FakeDialogWorld& w) { w.minutes = 1440 * 3 + 23 * 60 + 59; }, true},
        {"34 day", makeCondition(34, kEq, 4), [](FakeDialogWorld& w) { w.minutes = 1440 * 3; }, true},
        {"35 hours since", makeCondition(35, kGe, 5, 0, "met"), [](FakeDialogWorld& w) { w.hoursSince["met"] = 5; },
         true},
        {"36 days since", makeCondition(36, kEq, 2, 0, "met"), [](FakeDialogWorld& w) { w.daysSince["met"] = 2; },
         true},
        {"37 day at 6:00", makeCondition(37, kEq, 1), [](FakeDialogWorld& w) { w.minutes = 6 * 60; }, true},
        {"37 not day at 22:00", makeCondition(37, kEq, 1), [](FakeDialogWorld& w) { w.minutes = 22 * 60; }, false},
        {"38 night at 5:59", makeCondition(38, kEq, 1), [](FakeDialogWorld& w) { w.minutes = 5 * 60 + 59; }, true},
        {"39 a global", makeCondition(39, kEq, 12, 0, "count"), [](FakeDialogWorld& w) { w.globals["count"] = 12; },
         true},
        {"39 a missing global compares 0", makeCondition(39, kEq, 0, 0, "count"), none, true},
        {"40 dead", makeCondition(40, kEq, 1, 0, "guard"), [](FakeDialogWorld& w) { w.dead = {"guard"}; }, true},
        {"41 aggressive", makeCondition(41, kEq, 1, 0, "wolf"),
         [](FakeDialogWorld& w) { w.named["wolf"] = {SCreatureTest::Aggressive}; }, true},
        {"42 quest held", makeCondition(42, kEq, 1, 0, "base_q"), [](FakeDialogWorld& w) { w.quests["base_q"] = 0; },
         true},
        {"42 quest not held", makeCondition(42, kEq, 1, 0, "base_q"), none, false},
        {"43 quest solved", makeCondition(43, kEq, 1, 0, "base_q"), [](FakeDialogWorld& w) { w.quests["base_q"] = 1; },
         true},
        {"44 quest failed", makeCondition(44, kEq, 1, 0, "base_q"), [](FakeDialogWorld& w) { w.quests["base_q"] = 1; },
         false},
        {"45 current world", makeCondition(45, kEq, 1, 0, "base"), [](FakeDialogWorld& w) { w.world = "base"; }, true},
        {"46 current map", makeCondition(46, kEq, 0, 0, "base_s0303"), none, true},
        {"47 paralysed", makeCondition(47, kEq, 1), [](FakeDialogWorld& w) { w.paralyzed = true; }, true},
        {"48 object paralysed", makeCondition(48, kEq, 1, 0, "rat"),
         [](FakeDialogWorld& w) { w.named["rat"] = {SCreatureTest::Paralyzed}; }, true},
        {"49 cursed", makeCondition(49, kEq, 1), [](FakeDialogWorld& w) { w.cursed = true; }, true},
        {"50 object cursed", makeCondition(50, kEq, 1, 0, "rat"),
         [](FakeDialogWorld& w) { w.named["rat"] = {SCreatureTest::Cursed}; }, true},
        {"51 empty answer text", makeCondition(51, kEq, 1), none, true},
        {"52 no map object compares 0", makeCondition(52, kEq, 0), none, true},
        {"52 the map object's state", makeCondition(52, kEq, 4), [](FakeDialogWorld& w) { w.objectState = 4; }, true},
        {"53 female", makeCondition(53, kEq, 0), [](FakeDialogWorld& w) { w.male = false; }, true},
        {"54 creature aggressive", makeCondition(54, kEq, 1),
         [](FakeDialogWorld& w) { w.creature = {SCreatureTest::Aggressive}; }, true},
        {"55 creature paralysed", makeCondition(55, kEq, 1),
         [](FakeDialogWorld& w) { w.creature = {SCreatureTest::Paralyzed}; }, true},
        {"56 creature diseased", makeCondition(56, kEq, 1),
         [](FakeDialogWorld& w) { w.creature = {SCreatureTest::Diseased}; }, true},
        {"57 creature cursed", makeCondition(57, kEq, 1),
         [](FakeDialogWorld& w) { w.creature = {SCreatureTest::Cursed}; }, true},
        {"58 creature poisoned", makeCondition(58, kEq, 1),
         [](FakeDialogWorld& w) { w.creature = {SCreatureTest::Poisoned}; }, true},
        {"59 creature's base type", makeCondition(59, kEq, 1, 0, "base_rat"),
         [](FakeDialogWorld& w) { w.baseType = "base_rat"; }, true},
        {"60 creature's monster", makeCondition(60, kEq, 1, 0, "base_bigrat"),
         [](FakeDialogWorld& w) { w.monster = "base_bigrat"; }, true},
    };
    const SDialogPerson person{3, true};
    for (const CodeRow& row : rows) {
        FakeDialogWorld world;
        row.setUp(world);
        EXPECT_EQ(row.condition.Evaluate(&person, world), row.holds) << row.what;
    }
}

TEST(ConditionTest, withoutAPersonThePersonsRaceNeverMatchesAndItsShopCountsAsClosed) {
    FakeDialogWorld world;
    EXPECT_FALSE(makeCondition(17, kEq, 1).Evaluate(nullptr, world));
    EXPECT_TRUE(makeCondition(29, kEq, 0).Evaluate(nullptr, world));
}

TEST(ConditionTest, theRecordKeepsANegativeCodeAndItsFieldsBothWays) {
    SCondition written = makeCondition(-1, kLe, -300, 4, "base_keys");
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& archive) { written.Serialize(archive); });
    // tag, "base_keys" and its NUL (10), a pad byte, i16 value, code, operator, flag
    ASSERT_EQ(bytes.size(), 17u);
    EXPECT_EQ(bytes[0], 0x20);
    EXPECT_EQ(bytes[11], 0x00) << "the value is aligned to 2";
    EXPECT_EQ(bytes[14], 0xFF) << "code -1";
    SCondition read;
    EXPECT_EQ(ReadBytes(bytes, [&](SArchive& archive) { read.Serialize(archive); }), 17);
    EXPECT_STREQ(read.text.Text(), "base_keys");
    EXPECT_EQ(read.value, -300);
    EXPECT_EQ(read.code, -1);
    EXPECT_EQ(read.op, kLe);
    EXPECT_EQ(read.flag, 4);
    EXPECT_EQ(ReadBytes({bytes.begin(), bytes.end() - 1}, [&](SArchive& archive) { read.Serialize(archive); }), -1)
        << "a record cut short";
}

}  // namespace

}  // namespace condition_test
