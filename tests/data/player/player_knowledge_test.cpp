#include <gtest/gtest.h>

#include "data/maps/map.h"
#include "data/player/player_fixture.h"
#include "support/spell_records.h"

namespace player_knowledge_test {

namespace {

constexpr uint32_t kIntelligence = 4;

class PlayerKnowledgeTest : public BaseGamePlayerTest {
protected:
    void SetUp() override {
        BaseGamePlayerTest::SetUp();
        AddSpell("base_spellheal", kSchoolHeal, "Heal");
        AddSpell("base_spelldrain", kSchoolUndead, "Drain");
        AddSpell("base_spellfire", kSchoolAttack, "Fire");
        AddSpell("base_spellrune", kSchoolMagicItems, "Rune");
        AddQuest("base_questwolf", "Wolf Hunt");
        AddQuest("base_questring", "Lost Ring");
    }

    void AddSpell(const char* name, uint8_t school, const char* displayName) {
        auto spell = MakeSpell(name, school);
        spell->m_displayName.Assign(displayName);
        spells.Add(std::move(spell));
    }

    void AddQuest(const char* name, const char* title) {
        auto quest = std::make_unique<SQuest>();
        quest->name.Set(name);
        quest->title.Assign(title);
        quests.Add(std::move(quest));
    }
};

TEST_F(PlayerKnowledgeTest, theUndeadAreRefusedHealMagicAloudOrSilently) {
    player.SetRace(kUndeadRace);
    player.LearnSpell("base_spellheal", true);
    player.LearnSpell("base_spellheal", false);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"You can't learn the Heal spell."});
    EXPECT_FALSE(player.KnowsSpellByName("base_spellheal"));
    EXPECT_FALSE(player.KnowsAnySpell());
    EXPECT_FALSE(player.IsSpellAllowedForRace("base_spellheal"));
    EXPECT_TRUE(player.IsSpellAllowedForRace("base_spelldrain"));
    // The other races are barred from Undead magic instead.
    player.SetRace(2);
    EXPECT_TRUE(player.IsSpellAllowedForRace("base_spellheal"));
    EXPECT_FALSE(player.IsSpellAllowedForRace("base_spelldrain"));
    EXPECT_FALSE(player.IsSpellAllowedForRace("base_spellnone"));
}

TEST_F(PlayerKnowledgeTest, spellsAreLearnedOnceAndForgottenWithTheirMessages) {
    player.LearnSpell("base_spellfire", true);
    player.LearnSpell("base_spellfire", true);
    player.LearnSpell("base_spellnone", true);
    EXPECT_TRUE(player.KnowsSpellByName("base_spellfire"));
    EXPECT_TRUE(player.KnowsSpell(*spells.FindSpell("base_spellfire")));
    EXPECT_TRUE(player.KnowsAnySpell());
    player.ForgetSpell("base_spellfire");
    player.ForgetSpell("base_spellfire");
    EXPECT_FALSE(player.KnowsSpellByName("base_spellfire"));
    EXPECT_FALSE(player.KnowsAnySpell());
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"You have received the Fire knowledge.", "You have lost the Fire knowledge."}));
    // Known spells of the magic items' school do not make a caster.
    player.LearnSpell("base_spellrune", false);
    EXPECT_TRUE(player.KnowsSpellByName("base_spellrune"));
    EXPECT_FALSE(player.KnowsAnySpell());
}

TEST_F(PlayerKnowledgeTest, onlyKnownSpellsAreCastByName) {
    player.CastSpellByName("base_spellfire", 30);
    EXPECT_TRUE(screen.missiles.empty());
    player.LearnSpell("base_spellfire", false);
    player.CastSpellByName("base_spellfire", 30);
    player.CastSpellByName("base_spellnone", 30);
    ASSERT_EQ(screen.missiles.size(), 1u);
    EXPECT_EQ(screen.missiles[0].first, spells.FindSpell("base_spellfire"));
    EXPECT_EQ(screen.missiles[0].second, 30);
}

TEST_F(PlayerKnowledgeTest, questsAreGivenOnceAndEndWithTheirTitles) {
    player.AddQuest("base_questwolf");
    player.AddQuest("base_questwolf");
    player.AddQuest("base_questnone");
    EXPECT_TRUE(player.HasQuest("base_questwolf"));
    EXPECT_FALSE(player.HasQuest("base_questnone"));
    EXPECT_FALSE(player.IsQuestSolved("base_questwolf"));
    player.EndQuest("base_questwolf", true);
    EXPECT_TRUE(player.IsQuestSolved("base_questwolf"));
    EXPECT_FALSE(player.IsQuestFailed("base_questwolf"));
    player.AddQuest("base_questring");
    player.EndQuest("base_questring", false);
    EXPECT_TRUE(player.IsQuestFailed("base_questring"));
    player.EndQuest("base_questnone", true);
    player.RemoveQuest("base_questring");
    EXPECT_FALSE(player.HasQuest("base_questring"));
    EXPECT_EQ(player.FindQuest("base_questring"), nullptr);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"You have a new quest: Wolf Hunt.", "The Wolf Hunt quest has been solved.",
                                        "You have a new quest: Lost Ring.", "The Lost Ring quest has failed.",
                                        "The Lost Ring quest has been removed."}));
}

TEST_F(PlayerKnowledgeTest, aQuestTheWorldNoLongerHasChangesSilently) {
    player.AddQuest("base_questwolf");
    quests.Clear();
    messages.shown.clear();
    player.EndQuest("base_questwolf", true);
    EXPECT_TRUE(player.IsQuestSolved("base_questwolf"));
    player.RemoveQuest("base_questwolf");
    EXPECT_FALSE(player.HasQuest("base_questwolf"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlayerKnowledgeTest, booksAreReadOnce) {
    EXPECT_FALSE(player.HasReadBook("base_book_roads"));
    player.MarkBookRead("base_book_roads");
    player.MarkBookRead("base_book_roads");
    player.MarkBookRead(nullptr);
    EXPECT_TRUE(player.HasReadBook("base_book_roads"));
    EXPECT_FALSE(player.HasReadBook("base_book_other"));
    EXPECT_FALSE(player.HasReadBook(nullptr));
}

TEST_F(PlayerKnowledgeTest, markRecordsGrowWithIntelligenceAndAreKept) {
    struct Case {
        uint16_t intelligence;
        int records;
    };
    // Records once made stay when Intelligence drops.
    const Case cases[] = {{3, 1}, {9, 1}, {23, 4}, {9, 4}, {40, 8}};
    for (const Case& c : cases) {
        player.SetBaseAttribute(kIntelligence, c.intelligence);
        player.UpdateMarkSlots();
        EXPECT_EQ(player.MarkCount(), c.records) << c.intelligence;
    }
    EXPECT_STREQ(player.Mark(0)->packageName.Text(), "-");
    EXPECT_FALSE(player.HasMarkedPosition());
}

TEST_F(PlayerKnowledgeTest, aMarkKeepsThePackageAndThePlace) {
    TestWorldPackage world;
    world.name = "The Vale";
    world.mapPrefix = "base_s";
    world.maps = {TestMap{"base_cave", "The Cave"}};
    const SModule* package = OpenPackage(world);
    ASSERT_NE(package, nullptr) << modules.Error().Message();
    ASSERT_EQ(package->Maps().Count(), 1);
    player.SetBaseAttribute(kIntelligence, 10);
    player.UpdateMarkSlots();
    player.SetMark(1, *package, *package->Maps()[0], 12, 7, 3);
    player.SetMark(5, *package, *package->Maps()[0], 1, 1, 1);
    EXPECT_TRUE(player.HasMarkedPosition());
    const SMarkRecord& mark = *player.Mark(1);
    EXPECT_STREQ(mark.packageIdentifier.Text(), "base");
    EXPECT_STREQ(mark.packageName.Text(), "The Vale");
    EXPECT_STREQ(mark.mapName.Text(), "base_cave");
    EXPECT_STREQ(mark.mapText.Text(), "The Cave");
    EXPECT_EQ(mark.x, 12);
    EXPECT_EQ(mark.y, 7);
    EXPECT_EQ(mark.direction, 3);
    EXPECT_TRUE(player.Mark(0)->packageIdentifier.IsEmpty());
}

}  // namespace

}  // namespace player_knowledge_test
