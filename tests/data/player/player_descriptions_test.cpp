// The player as the reader of item descriptions: its spells, its race and its Alchemy decide what
// they tell.
#include <gtest/gtest.h>

#include <string>

#include "data/effects/effect_lookups.h"
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/player/player_fixture.h"
#include "support/spell_records.h"

namespace player_descriptions_test {

namespace {

constexpr uint32_t kLargeScreen = 9;
constexpr uint32_t kAlchemy = 16;

class PlayerDescriptionsTest : public BaseGamePlayerTest {
protected:
    void SetUp() override {
        BaseGamePlayerTest::SetUp();
        auto spell = MakeSpell("base_spelldrain", kSchoolUndead);
        spell->m_displayName.Assign("Drain");
        spells.Add(std::move(spell));
        lookups.skills = &skills;
        lookups.attributes = &attributes;
        lookups.spells = &spells;
        lookups.player = &player;
    }

    std::string describe(const SItemType& type) const {
        SString out;
        type.GetDescription(nullptr, lookups, player, kLargeScreen, false, out);
        return out.Text();
    }

    SEffectLookups lookups;
};

TEST_F(PlayerDescriptionsTest, aSpellbookTellsWhetherTheRaceMayLearnItsSpell) {
    SItemType& book = AddItemType("book_drain", kItemMagic, kMagicSpellbook);
    book.m_effects = std::make_unique<SEffectList>();
    book.m_effects->Add(ItemEffect(31, 1, 0, "base_spelldrain", kSourceSpellCharge));
    EXPECT_EQ(describe(book), "Weight: 0.0\rTeaches Drain\rYou can't learn this spell.");
    player.SetRace(kUndeadRace);
    EXPECT_EQ(describe(book), "Weight: 0.0\rTeaches Drain\rYou don't know this spell.");
    player.LearnSpell("base_spelldrain", false);
    EXPECT_EQ(describe(book), "Weight: 0.0\rTeaches Drain\rYou already know this spell.");
}

TEST_F(PlayerDescriptionsTest, anIngredientShowsAsMuchAsThePlayersAlchemyTells) {
    SItemType& root = AddItemType("root", kItemIngredient);
    root.m_effects = std::make_unique<SEffectList>();
    root.m_effects->Add(ItemEffect(3, 10));
    root.m_effects->Add(ItemEffect(9, 10));
    player.SetBaseSkill(kAlchemy, 29);
    EXPECT_EQ(describe(root), "Alchemy ingredient\rWeight: 0.0\r\rEffects:\rRestore health\rUnknown effect\r");
    player.SetBaseSkill(kAlchemy, 30);
    EXPECT_EQ(describe(root), "Alchemy ingredient\rWeight: 0.0\r\rEffects:\rRestore health\rRestore mana\r");
}

}  // namespace

}  // namespace player_descriptions_test
