#include "screens/inventory/book_lessons.h"

#include <gtest/gtest.h>

#include <string>

#include "data/effects/effect.h"
#include "tests/screens/inventory/inventory_fixture.h"

namespace book_lessons_test {

namespace {

constexpr uint32_t kBlock = 1;  // governed by Dexterity
constexpr uint32_t kDexterity = 2;
constexpr uint32_t kHealMagic = 8;
constexpr uint32_t kUndeadMagic = 12;
constexpr uint8_t kLivingRace = 3;

class BookLessonsTest : public InventoryTest {
protected:
    void SetUp() override {
        InventoryTest::SetUp();
        StartInventory(7);
        Player().SetRace(kLivingRace);
        Player().SetBaseAttribute(kDexterity, 10);
    }
    // A book whose first effect raises the skill by the amount; no effects without a skill.
    const SItemType& Book(const char* name, uint32_t skill, int16_t amount) {
        SItemType& book = Type(name, kItemBook, kBookSubtypeBook);
        std::vector<std::unique_ptr<SEffect>> effects;
        effects.push_back(ItemEffect(1, amount, uint8_t(skill)));
        book.m_effects = EffectListOf(std::move(effects));
        return book;
    }
    SBookLesson Read(const SItemType& book) {
        m_text.Assign("");
        return TeachSkillBook(Player(), book, Game().m_skills, Game().m_attributes, m_text);
    }
    uint16_t Skill(uint32_t skill) {
        int32_t bonus = 0, base = 0;
        Player().GetSkillTotal(skill, bonus, base);
        return uint16_t(base);
    }
    std::string Text() const { return m_text.Text() ? m_text.Text() : ""; }

    SString m_text;
};

TEST_F(BookLessonsTest, aBookRaisesItsSkillOnceAndSaysBy) {
    Player().SetBaseSkill(kBlock, 5);
    const SItemType& book = Book("blockbook", kBlock, 3);
    EXPECT_EQ(Read(book), SBookLesson::kSkillRaised);
    EXPECT_EQ(Skill(kBlock), 8);
    EXPECT_EQ(Text(), "Your Block skill has been increased by 3.");
    EXPECT_TRUE(Player().HasReadBook("blockbook"));
    EXPECT_EQ(Read(book), SBookLesson::kNone) << "read before";
    EXPECT_EQ(Skill(kBlock), 8);
}

TEST_F(BookLessonsTest, aRaiseStopsAtTwiceTheGoverningAttributeAndANegativeAmountKeepsItsSign) {
    Player().SetBaseSkill(kBlock, 19);
    EXPECT_EQ(Read(Book("bigbook", kBlock, 30000)), SBookLesson::kSkillRaised);
    EXPECT_EQ(Skill(kBlock), 20) << "twice Dexterity 10";
    Player().SetBaseSkill(kBlock, 2);
    EXPECT_EQ(Read(Book("cursedbook", kBlock, -5)), SBookLesson::kSkillRaised);
    EXPECT_EQ(Skill(kBlock), 0) << "never below 0";
    EXPECT_EQ(Text(), "Your Block skill has been increased by -5.");
}

TEST_F(BookLessonsTest, atTheLimitTheBookSaysWhyAndTeachesOnceTheAttributeRises) {
    Player().SetBaseSkill(kBlock, 20);
    const SItemType& book = Book("blockbook", kBlock, 2);
    EXPECT_EQ(Read(book), SBookLesson::kAtLimit);
    EXPECT_EQ(Text(),
              "You can't learn from this book.\rYour Block skill cannot be higher than the double of its governing "
              "attribute (Dexterity).");
    EXPECT_FALSE(Player().HasReadBook("blockbook"));
    Player().SetBaseAttribute(kDexterity, 11);
    EXPECT_EQ(Read(book), SBookLesson::kSkillRaised);
    EXPECT_EQ(Skill(kBlock), 22);
}

TEST_F(BookLessonsTest, eachRaceIsBarredFromItsSchoolsSkill) {
    Player().SetRace(kUndeadRace);
    EXPECT_EQ(Read(Book("healbook", kHealMagic, 1)), SBookLesson::kHealBarred);
    EXPECT_EQ(Text(), "You can't learn Heal Magic, because you're undead.");
    Player().SetRace(kLivingRace);
    EXPECT_EQ(Read(Book("undeadbook", kUndeadMagic, 1)), SBookLesson::kUndeadBarred);
    EXPECT_EQ(Text(), "You can't learn Undead Magic, because you aren't undead.");
    EXPECT_FALSE(Player().HasReadBook("healbook"));
    EXPECT_FALSE(Player().HasReadBook("undeadbook"));
}

TEST_F(BookLessonsTest, aSkillOutsideTheTableTeachesNothingAndABookWithoutEffectsIsRead) {
    for (uint32_t skill : {0u, 21u, 255u}) {
        const std::string name = "badbook" + std::to_string(skill);
        EXPECT_EQ(Read(Book(name.c_str(), skill, 4)), SBookLesson::kNone) << skill;
        EXPECT_TRUE(Text().empty());
        EXPECT_FALSE(Player().HasReadBook(name.c_str()));
    }
    const SItemType& plain = Type("storybook", kItemBook, kBookSubtypeBook);
    EXPECT_EQ(Read(plain), SBookLesson::kNone);
    EXPECT_TRUE(Player().HasReadBook("storybook"));
}

class SpellbookLessonsTest : public BookLessonsTest {
protected:
    const SItemType& Spellbook(const char* name, const char* spell) {
        SItemType& book = Type(name, kItemMagic, kMagicSpellbook);
        std::vector<std::unique_ptr<SEffect>> effects;
        effects.push_back(ItemEffect(kEffectCastSpell, 0, 0, spell));
        book.m_effects = EffectListOf(std::move(effects));
        return book;
    }
    SBookLesson Read(const SItemType& book) {
        m_text.Assign("");
        return TeachSpellbook(Player(), book, Game().m_spells, m_text);
    }
    void AddSpell(const char* name, uint8_t school, const char* displayName) {
        auto spell = MakeSpell(name, school);
        spell->m_displayName.Assign(displayName);
        Game().m_spells.Add(std::move(spell));
    }
};

TEST_F(SpellbookLessonsTest, teachesItsSpellOnceAndCountsAsReadEvenWhenBarred) {
    AddSpell("light", kSchoolEnvironment, "Light");
    AddSpell("raise", kSchoolUndead, "Raise Dead");
    EXPECT_EQ(Read(Spellbook("lightbook", "light")), SBookLesson::kSpellLearnt);
    EXPECT_EQ(Text(), "You learn the Light spell.");
    EXPECT_TRUE(Player().KnowsSpellByName("light"));
    EXPECT_EQ(Read(Spellbook("lightbook2", "light")), SBookLesson::kSpellKnown);
    EXPECT_EQ(Text(), "You already know this spell.");
    EXPECT_EQ(Read(Spellbook("raisebook", "raise")), SBookLesson::kUndeadBarred);
    EXPECT_EQ(Text(), "You can't learn Undead Magic spells, because you aren't undead.");
    EXPECT_TRUE(Player().HasReadBook("raisebook"));
    EXPECT_FALSE(Player().KnowsSpellByName("raise"));
    EXPECT_EQ(Read(Spellbook("raisebook", "raise")), SBookLesson::kNone) << "read before";
    EXPECT_EQ(Read(Spellbook("lostbook", "nothing")), SBookLesson::kUnknownSpell);
    EXPECT_TRUE(Player().HasReadBook("lostbook"));
}

}  // namespace

}  // namespace book_lessons_test
