// Person types: when their shop serves the player, their room price, and their records read
// through the table by data version, with their topic sets joined to the world's topics.
#include "data/persons/npc_table.h"

#include <gtest/gtest.h>

#include "data/dialogue/dialog_table.h"
#include "support/fake_dialog_world.h"
#include "support/record_package.h"

namespace npc_table_test {

namespace {

TEST(NpcTypeTest, theShopIsOpenToAFamousOrCharmingPlayerAndOtherwiseOnlyWhenEverythingFits) {
    struct Row {
        const char* what;
        int32_t fame;
        uint32_t crime;
        int32_t personality;
        int32_t playerRace, personRace;
        int32_t hour;
        bool open;
    };
    for (Row row : {
             Row{"an ordinary day", 0, 0, 10, 2, 2, 12, true},
             Row{"fame 60 opens at night with crime", 60, 5, 1, 1, 2, 23, true},
             Row{"fame 50", 50, 5, 1, 2, 2, 23, true},
             Row{"personality 40", -100, 5, 40, 1, 2, 23, true},
             Row{"personality 9", 0, 0, 9, 2, 2, 12, false},
             Row{"bad fame", -1, 0, 10, 2, 2, 12, false},
             Row{"crime pending", 0, 1, 10, 2, 2, 12, false},
             Row{"an undead player at a living person's shop", 0, 0, 39, 1, 2, 12, false},
             Row{"a living player at an undead person's shop", 0, 0, 39, 3, 1, 12, false},
             Row{"undead among themselves at night", 0, 0, 10, 1, 1, 2, true},
             Row{"a living person at 22:00", 0, 0, 10, 2, 3, 22, false},
             Row{"a living person at 5:00", 0, 0, 10, 2, 3, 5, false},
             Row{"a living person at 6:00", 0, 0, 10, 2, 3, 6, true},
         }) {
        FakeDialogWorld world;
        world.fame = row.fame;
        world.crime = row.crime;
        world.baseAttributes[5] = row.personality;
        world.attributes[5] = 99;  // fortified Personality does not count
        world.race = row.playerRace;
        world.minutes = 1440 * 2 + uint32_t(row.hour) * 60;
        SNpcType merchant;
        merchant.race = uint8_t(row.personRace);
        merchant.UpdateShopOpen(world);
        EXPECT_EQ(merchant.shopOpen, row.open) << row.what;
        EXPECT_EQ(merchant.Person().shopOpen, row.open) << row.what;
    }
}

TEST(NpcTypeTest, aPositiveGlobalReplacesTheRoomPrice) {
    SNpcType innkeeper;
    innkeeper.roomPrice = 12;
    innkeeper.globalName.Assign("innprice");
    FakeDialogWorld world;
    EXPECT_EQ(innkeeper.GetRoomPrice(world), 12) << "no such global";
    for (auto [value, price] : {std::pair{30, 30}, std::pair{0, 12}, std::pair{-4, 12}}) {
        world.globals["innprice"] = value;
        EXPECT_EQ(innkeeper.GetRoomPrice(world), price) << value;
    }
}

std::unique_ptr<SNpcType> makeMerchant() {
    auto merchant = std::make_unique<SNpcType>();
    merchant->name.Set("base_baker");
    const char* texts[] = {"Baker", "bres_face", "base_bakery", "Fresh bread!", "fifth"};
    for (int i = 0; i < 5; ++i) merchant->texts[size_t(i)].Assign(texts[i]);
    merchant->globalName.Assign("bakerlevel");
    merchant->wideValue = 500;
    merchant->shopLevel = 3;
    merchant->classMask = 0x1040;
    merchant->race = 2;
    merchant->roomPrice = 15;
    merchant->smallValues = {1, 2, 3, 4};
    merchant->signedValue = -7;
    merchant->lateValues = {5, 6};
    merchant->namePairs.emplace();
    merchant->namePairs->push_back({SString("first"), SString("second")});
    merchant->topics = std::make_unique<SDialogTopicSet>();
    for (auto [name, shared] : {std::pair{"base_bread", 0u}, std::pair{"job", 1u}, std::pair{"lost", 1u}}) {
        auto topic = std::make_unique<SDialogTopic>();
        topic->name.Set(name);
        topic->shared = shared;
        merchant->topics->AddTopic(std::move(topic));
    }
    return merchant;
}

class NpcTableTest : public RecordPackageTest {
protected:
    NpcTableTest() {
        auto job = std::make_unique<SDialogTopic>();
        job->name.Set("job");
        job->shared = 1;
        world.AddTopic(std::move(job));
        table.Attach(&world);
    }

    SDialogTable world;
    SNpcTable table;
};

TEST_F(NpcTableTest, laterVersionsAddTextsTheShopLevelAndTheLastValues) {
    struct Row {
        int version;
        const char* fourth;
        const char* fifth;
        const char* global;
        uint8_t shopLevel;
        int16_t signedValue;
        uint8_t firstLate, secondLate;
    };
    for (Row row :
         {Row{48, "", "", "", 0, 10, 1, 1}, Row{49, "Fresh bread!", "", "", 0, 10, 1, 1},
          Row{56, "Fresh bread!", "fifth", "", 0, 10, 1, 1}, Row{57, "Fresh bread!", "fifth", "", 0, 10, 5, 1},
          Row{67, "Fresh bread!", "fifth", "", 0, 10, 5, 6}, Row{69, "Fresh bread!", "fifth", "", 3, 10, 5, 6},
          Row{81, "Fresh bread!", "fifth", "bakerlevel", 3, 10, 5, 6},
          Row{104, "Fresh bread!", "fifth", "bakerlevel", 3, -7, 5, 6}}) {
        SNpcTable written;
        written.Add(makeMerchant());
        SNpcTable read;
        read.Attach(&world);
        ASSERT_TRUE(read.Load(OpenRecords(written.Write(row.version), row.version))) << Refusal();
        const SNpcType* baker = read.Find("base_baker");
        ASSERT_NE(baker, nullptr) << row.version;
        EXPECT_STREQ(baker->texts[2].Text(), "base_bakery");
        EXPECT_STREQ(baker->texts[3].Text(), row.fourth) << row.version;
        EXPECT_STREQ(baker->texts[4].Text(), row.fifth) << row.version;
        EXPECT_STREQ(baker->globalName.Text(), row.global) << row.version;
        EXPECT_EQ(baker->shopLevel, row.shopLevel) << row.version;
        EXPECT_EQ(baker->signedValue, row.signedValue) << row.version;
        EXPECT_EQ(baker->lateValues[0], row.firstLate) << row.version;
        EXPECT_EQ(baker->lateValues[1], row.secondLate) << row.version;
        EXPECT_EQ(baker->wideValue, 500u);
        EXPECT_EQ(baker->classMask, 0x1040);
        EXPECT_EQ(baker->race, 2);
        EXPECT_EQ(baker->roomPrice, 15);
        EXPECT_EQ(baker->smallValues, (std::array<uint8_t, 4>{1, 2, 3, 4}));
        ASSERT_TRUE(baker->namePairs.has_value());
        ASSERT_EQ(baker->namePairs->size(), 1u);
        EXPECT_STREQ((*baker->namePairs)[0].first.Text(), "first") << "the second text comes first in the record";
        EXPECT_STREQ((*baker->namePairs)[0].second.Text(), "second");
    }
}

TEST_F(NpcTableTest, aPersonsSharedTopicIsTheWorldsAndOneTheWorldLacksKeepsItsNameAlone) {
    SNpcTable written;
    written.Add(makeMerchant());
    ASSERT_TRUE(table.Load(OpenRecords(written.Write(114), 114))) << Refusal();
    const SNpcType* baker = table.Find("base_baker");
    ASSERT_NE(baker, nullptr);
    ASSERT_NE(baker->topics, nullptr);
    const auto topics = baker->topics->Topics();
    ASSERT_EQ(topics.size(), 3u);
    EXPECT_EQ(topics[0]->shared, 0u);
    EXPECT_EQ(topics[1], world.FindTopic("job"));
    EXPECT_STREQ(topics[2]->name.Text(), "lost");
    EXPECT_NE(topics[2], world.FindTopic("lost"));
    EXPECT_EQ(topics[2]->answers.Count(), 0);
    table.Clear();
    EXPECT_NE(world.FindTopic("job"), nullptr) << "the world's topic outlives the person";
}

TEST_F(NpcTableTest, aRecordWithNeitherNamePairsNorTopicsHasNeitherAndAnEmptyPairListStays) {
    SNpcTable written;
    auto guard = std::make_unique<SNpcType>();
    guard->name.Set("base_guard");
    written.Add(std::move(guard));
    auto hermit = std::make_unique<SNpcType>();
    hermit->name.Set("base_hermit");
    hermit->namePairs.emplace();
    hermit->topics = std::make_unique<SDialogTopicSet>();
    written.Add(std::move(hermit));
    ASSERT_TRUE(table.Load(OpenRecords(written.Write(114), 114))) << Refusal();
    ASSERT_EQ(table.Count(), 2);
    const SNpcType* readGuard = table.Find("base_guard");
    EXPECT_FALSE(readGuard->namePairs.has_value());
    EXPECT_EQ(readGuard->topics, nullptr);
    FakeDialogWorld game;
    EXPECT_FALSE(readGuard->FindGreeting(game).has_value());
    EXPECT_TRUE(readGuard->CollectTopics(game).empty());
    const SNpcType* readHermit = table.Find("base_hermit");
    ASSERT_TRUE(readHermit->namePairs.has_value());
    EXPECT_TRUE(readHermit->namePairs->empty());
    ASSERT_NE(readHermit->topics, nullptr);
}

TEST_F(NpcTableTest, aShopLevelAboveFiveOrARecordCutShortAddsNoPersonOfThePackage) {
    SNpcTable written;
    written.Add(makeMerchant());
    auto second = makeMerchant();
    second->name.Set("base_smith");
    written.Add(std::move(second));
    SRecordList records = written.Write(114);
    {
        SNpcTable broken;
        broken.Add(makeMerchant());
        broken.At(0)->shopLevel = 6;
        records[2] = broken.Write(114)[1];
    }
    EXPECT_FALSE(table.Load(OpenRecords(records, 114)));
    EXPECT_NE(Refusal().find("shop level 6"), std::string::npos) << Refusal();
    EXPECT_EQ(table.Count(), 0);

    records = written.Write(114);
    // Records lie 4-aligned in the file, so a cut of 6 bytes loses at least the last two.
    records[1].resize(records[1].size() - 6);
    EXPECT_FALSE(table.Load(OpenRecords(records, 114)));
    EXPECT_NE(Refusal().find("the person type table"), std::string::npos) << Refusal();
    EXPECT_EQ(table.Count(), 0);

    records = written.Write(114);
    records.pop_back();
    EXPECT_FALSE(table.Load(OpenRecords(records, 114))) << "a person record missing";
    EXPECT_EQ(table.Count(), 0);
}

}  // namespace

}  // namespace npc_table_test
