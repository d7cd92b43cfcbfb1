#include "cards/card_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/base/random.h"

namespace card_table_test {

namespace {

class CardTableTest : public ::testing::Test {
protected:
    void SetUp() override { m_table.Init(9); }
    SCardTable m_table;
};

struct TextCase {
    const char* name;
    uint32_t deck, index;
    uint32_t shownCount;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class CardText : public CardTableTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(CardText, fillsThePlaceholders) {
    const TextCase& c = GetParam();
    std::string out = "> ";
    m_table.Get(c.deck, c.index).GetText(out, c.shownCount);
    EXPECT_EQ(out, std::string("> ") + c.expected);  // appended, never replaced
}

INSTANTIATE_TEST_SUITE_P(
    Cards, CardText,
    ::testing::Values(
        TextCase{"blockInHand", 0, 7, kNoShownCount, "50% damage resistance. Turns:\v2."},
        TextCase{"blockOnTable", 0, 7, 1, "50% damage resistance. Turns:\v1."},
        TextCase{"blockSpent", 0, 7, 0, "50% damage resistance. Turns:\v0."},
        TextCase{"bleedingThreeNumbers", 0, 3, 2, "Inflicts 1 damage and enemy loses 3 Hp per turn. Turns:\v2."},
        TextCase{"towerShieldInHand", 0, 9, kNoShownCount, "20% damage reduction per turn. Durability:\v8\vHp."},
        TextCase{"rejuvenateHasNoNumbers", 0, 17, kNoShownCount, "Heals half of the missing Hp."},
        TextCase{"remedyIgnoresTheCount", 0, 15, 3, "Heals 5 points."},
        TextCase{"bloodlustCombo", 0, 23, kNoShownCount, "Combo card, and heals half of the missing Hp."},
        TextCase{"bloodChantTwoValues", 2, 0, kNoShownCount, "Inflicts 4 damage for suffering 2 damage."},
        TextCase{"boneWallShowsItsCount", 2, 10, 4, "Defensive bone wall. Hp:\v4."},
        TextCase{"boneWallInHand", 2, 10, kNoShownCount, "Defensive bone wall. Hp:\v6."},
        TextCase{"berzerkOnTable", 0, 24, 1, "50% damage bonus but 30% more damage taken per turn. Turns:\v1."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardTableTest, aCardWithoutTextAppendsNothing) {
    std::string out = "kept";
    SCard{}.GetText(out, kNoShownCount);
    EXPECT_EQ(out, "kept");
}

struct PictureCase {
    const char* name;
    uint32_t screenMode, deck, index;
    uint16_t pictureId;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }

class CardPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(CardPicture, followsTheScreenMode) {
    const PictureCase& c = GetParam();
    SCardTable table;
    table.Init(c.screenMode);
    EXPECT_EQ(table.Get(c.deck, c.index).pictureId, c.pictureId);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CardPicture,
    ::testing::Values(PictureCase{"smallFirst", 2, 0, 0, 3952}, PictureCase{"smallLast240x320", 7, 2, 24, 4026},
                      PictureCase{"small640x240", 16, 1, 3, 3980}, PictureCase{"largeLast", 9, 2, 24, 3654},
                      PictureCase{"largeSecondDeckStartsAt3600", 10, 1, 0, 3600},
                      PictureCase{"large800x600", 15, 0, 24, 3594}),
    [](const auto& info) { return std::string(info.param.name); });

struct DeckCase {
    uint32_t deck;
    size_t size;
};

std::string DeckName(uint32_t deck) {
    static const char* const kNames[kCardDecks] = {"warrior", "sorcerer", "necromancer"};
    return kNames[deck];
}

class CardDeck : public CardTableTest, public ::testing::WithParamInterface<DeckCase> {};

TEST_P(CardDeck, holdsEveryCardAsOftenAsItsCopies) {
    const DeckCase& c = GetParam();
    SRandom random;
    random.Seed(7);
    SCardPile pile{99, 98};  // left over from an earlier game
    m_table.BuildDeck(c.deck, pile, random);
    ASSERT_EQ(pile.size(), c.size);
    for (uint32_t index = 0; index < kCardsPerDeck; ++index) {
        EXPECT_EQ(std::count(pile.begin(), pile.end(), index), m_table.Get(c.deck, index).copies) << index;
    }
}

TEST_P(CardDeck, shufflesRepeatablyByExactlyOneHundredSwapAttempts) {
    SRandom a, b, c, spent;
    a.Seed(1234);
    b.Seed(1234);
    c.Seed(1235);
    spent.Seed(1234);
    SCardPile first, second, third;
    m_table.BuildDeck(GetParam().deck, first, a);
    m_table.BuildDeck(GetParam().deck, second, b);
    m_table.BuildDeck(GetParam().deck, third, c);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, third);
    EXPECT_FALSE(std::is_sorted(first.begin(), first.end()));
    // Two positions per attempt: the generator is 200 draws further on.
    for (int i = 0; i < 200; ++i) spent.Next(2);
    EXPECT_EQ(a.Next(0x7FFFFFFF), spent.Next(0x7FFFFFFF));
}

INSTANTIATE_TEST_SUITE_P(Decks, CardDeck, ::testing::Values(DeckCase{0, 55}, DeckCase{1, 54}, DeckCase{2, 56}),
                         [](const auto& info) { return DeckName(info.param.deck); });

}  // namespace

}  // namespace card_table_test
