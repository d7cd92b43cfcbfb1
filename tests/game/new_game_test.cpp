#include <gtest/gtest.h>

#include "game/saved_game_fixture.h"
#include "tools/sampledata/audio_packages.h"

namespace {

using NewGameTest = SavedGameTest;

TEST_F(NewGameTest, opensExactlyTheFourPackagesWithTheBaseWorldCurrentAndCountsNineteenSteps) {
    TestWorldPackage addOn;
    addOn.identifier = "isle";
    ASSERT_TRUE(addOn.Write(*game.m_fileFolder, "Isle"));
    ASSERT_TRUE(game.m_packages.Open("Isle"));
    game.m_gameRunning = true;

    ASSERT_TRUE(StartGame()) << error;
    ASSERT_EQ(game.m_packages.Count(), 4);
    EXPECT_EQ(game.m_packages.FindById("isle"), nullptr);
    ASSERT_NE(game.m_packages.Current(), nullptr);
    EXPECT_STREQ(game.m_packages.Current()->Identifier().Text(), "base");
    EXPECT_EQ(game.StackDepth(), 0);
    EXPECT_EQ(steps.Current(), 19u);
    // The play screen sets it again when it is entered.
    EXPECT_FALSE(game.m_gameRunning);
    EXPECT_EQ(game.m_saveNames.ItemTypes().Count(), 0);
}

struct KitCase {
    const char* name;
    uint32_t race;
    std::array<uint8_t, 6> majors;
    const char* mainHand;  // "" for an empty slot
    const char* secondHand;
    const char* armour;
    const char* potion;
    uint32_t gold;
    const char* spell;  // learned, or ""
};

const char* typeIn(const SPlayer& player, uint32_t slot) {
    const SItem* item = player.EquippedItem(slot);
    return item && item->m_type ? item->m_type->m_name.Text() : "";
}

class StartingKitTest : public SavedGameTest, public ::testing::WithParamInterface<KitCase> {};

TEST_P(StartingKitTest, theRaceAndMajorSkillsGiveTheirKit) {
    const KitCase& c = GetParam();
    SCharacterChoice choice;
    choice.name = "Ayla";
    choice.race = c.race;
    choice.majorSkills = c.majors;
    ASSERT_TRUE(StartGame(choice)) << error;
    const SPlayer& player = game.m_player;
    EXPECT_STREQ(player.Name().Text(), "Ayla");
    EXPECT_STREQ(typeIn(player, kSlotMainHand), c.mainHand);
    EXPECT_STREQ(typeIn(player, kSlotSecondHand), c.secondHand);
    EXPECT_STREQ(typeIn(player, kSlotArmour), c.armour);
    EXPECT_STREQ(typeIn(player, kSlotBoots), "base_boots_fur");
    EXPECT_EQ(player.CountOwnedItemsByName(c.potion), 2);
    EXPECT_EQ(player.Gold(), c.gold);
    if (*c.spell) {
        EXPECT_TRUE(player.KnowsSpellByName(c.spell));
    }
    // Light Weapon's sword takes the dirk's place.
    if (std::count(c.majors.begin(), c.majors.end(), 2)) {
        EXPECT_EQ(player.CountOwnedItemsByName("base_weap_dirkcheap"), 0);
    }
    EXPECT_TRUE(player.HasFoodAndWater());
    // Four of one food and four of one drink the race eats.
    int comestibles = 0;
    for (int i = 0; i < player.ItemCount(); ++i) comestibles += player.Item(i)->m_type->m_class == kItemComestible;
    EXPECT_EQ(comestibles, 8);
    // A major skill starts at 15 to 19; the race's ability may raise it beyond.
    for (uint8_t skill : c.majors) {
        int32_t bonus = 0, base = 0;
        player.GetSkillTotal(skill, bonus, base);
        EXPECT_GE(base, 15) << int(skill);
        EXPECT_LE(base, 19) << int(skill);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StartingKitTest,
                         ::testing::Values(
                             // Light Weapon with Dual Wield: the sword goes to the second hand, the cudgel to the main,
                             // and no dirk is given. Mercantile's money adds 100 gold to the 500.
                             KitCase{"lightWeaponAndDualWield",
                                     2,
                                     {2, 4, 5, 9, 14, 15},
                                     "base_weap_greatcudgel2",
                                     "base_weap_shortswordcheap",
                                     "base_mail_frayedleather",
                                     "base_phealsmall",
                                     600,
                                     "base_spellstoneskin"},
                             // Block without Dual Wield or Accuracy wears the round shield; Seiry start with 600 gold.
                             KitCase{"blockAndHeavyWeapon",
                                     3,
                                     {1, 3, 5, 6, 8, 20},
                                     "base_weap_greatcudgel2",
                                     "base_shield_woodenround",
                                     "base_mail_scalecheap",
                                     "base_phealsmall",
                                     600,
                                     "base_spellcurelightwounds"},
                             // No Block and no Dual Wield: the small shield; the undead drink unholy potions.
                             KitCase{"accuracyForTheUndead",
                                     1,
                                     {7, 10, 12, 16, 18, 19},
                                     "base_weap_shortbowcheap",
                                     "base_shield_smallwooden",
                                     "",
                                     "base_punholysmall",
                                     500,
                                     "base_spelldrainhealth"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewGameTest, theSameSeedGivesTheSameCharacter) {
    game.m_random->Seed(5);
    ASSERT_TRUE(StartGame()) << error;
    std::vector<int32_t> first;
    for (uint32_t skill = 1; skill <= 20; ++skill) first.push_back(game.m_player.GetSkillValue(skill));
    game.m_random->Seed(5);
    ASSERT_TRUE(StartGame()) << error;
    for (uint32_t skill = 1; skill <= 20; ++skill) EXPECT_EQ(game.m_player.GetSkillValue(skill), first[skill - 1]);
}

// A base world whose only comestibles are spoilt: the living find nothing to start with.
class NewGameWithoutFoodTest : public SavedGameTest {
protected:
    TestWorldPackage World() override {
        TestWorldPackage world;
        SItemDatabase items;
        items.AddItemType(MakeItemType("base_rottenmeat", kItemComestible, kComestibleFood));
        items.FindItemType("base_rottenmeat")->m_flags = kItemSpoilt;
        world.tables[SModuleTable::Items] = items.Write(world.version);
        // Where a new game begins, so that only the food stops it.
        world.maps = {{"base_s0101", "The cave", "object 1 base_start\n"}};
        return world;
    }
};

TEST_F(NewGameWithoutFoodTest, isRefusedInsteadOfDrawingForEver) {
    EXPECT_FALSE(StartGame());
    EXPECT_NE(error.find("food"), std::string::npos) << error;
}

TEST_F(NewGameTest, isRefusedWithoutTheBaseWorld) {
    std::filesystem::remove(PathOf("Brimvale.pdb"));
    EXPECT_FALSE(StartGame());
    EXPECT_NE(error.find("Brimvale"), std::string::npos) << error;
}

}  // namespace

// The sample data's packages, as scripts/run writes them for the game.
class SampleWorldTest : public SavedGameTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        std::string written;
        ASSERT_TRUE(WriteSoundPackage(*game.m_fileFolder, written) && WriteMusicPackage(*game.m_fileFolder, written) &&
                    WriteResourcePackage(*game.m_fileFolder, written) && WriteWorldPackage(*game.m_fileFolder, written))
            << written;
    }
};

TEST_F(SampleWorldTest, aNewGameOfEveryRaceStartsAndSavesAndLoads) {
    for (uint32_t race = 1; race <= 5; ++race) {
        SCharacterChoice choice;
        choice.race = race;
        ASSERT_TRUE(StartGame(choice)) << error;
        EXPECT_EQ(game.m_packages.Count(), 4);
        EXPECT_TRUE(game.m_player.HasFoodAndWater()) << race;
        EXPECT_NE(game.m_player.EquippedItem(kSlotBoots), nullptr);
        ASSERT_TRUE(Save()) << error;
        ASSERT_TRUE(Load()) << error;
        EXPECT_EQ(game.m_player.Race(), int(race));
    }
}
