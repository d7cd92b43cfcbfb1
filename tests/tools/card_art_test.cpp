#include "tools/sampledata/card_art.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cards/card_table.h"
#include "engine/draw/picture.h"
#include "game/interface_pictures.h"
#include "support/png_writer.h"
#include "tools/sampledata/card_emblems.h"

namespace card_art_test {

namespace {

// The card records share the interface package with the slot table's pictures, the font strips,
// the layouts and the clicks; one landing on another's id would silently replace it.
TEST(CardArtTest, cardRecordsTakeNoIdOfAnotherInterfaceRecord) {
    const std::map<uint16_t, std::vector<uint8_t>> cards = CardPictures();
    std::vector<uint16_t> others = AllInterfacePictureRecords();
    others.insert(others.end(), {3001, 3003, 3010, 3011, 3012, 3013, 3014, 4031, 4032});
    for (uint16_t id : others) EXPECT_EQ(cards.count(id), 0u) << "record " << id;
}

// Every card of the table finds its picture on both screen classes, and it fits the face it is
// printed on at the place the card widgets print it.
TEST(CardArtTest, everyCardsOwnPictureIsThereAndFitsInsideItsFace) {
    const std::map<uint16_t, std::vector<uint8_t>> cards = CardPictures();
    auto sizeOf = [&](uint16_t id, int& w, int& h) {
        SPicture picture;
        SReadError error;
        ASSERT_TRUE(cards.count(id)) << "record " << id;
        ASSERT_TRUE(picture.Read(cards.at(id), error)) << error.Message();
        w = picture.Width();
        h = picture.Height();
    };
    struct Class {
        uint32_t screenMode;
        uint16_t plainFace;
        int insetX, insetY;
    };
    for (const Class& c : {Class{7, 3949, 8, 5}, Class{10, 3055, 10, 6}}) {
        int faceW = 0, faceH = 0;
        sizeOf(c.plainFace, faceW, faceH);
        SCardTable table;
        table.Init(c.screenMode);
        for (uint32_t deck = 0; deck < 3; ++deck) {
            for (uint32_t index = 0; index < 25; ++index) {
                int w = 0, h = 0;
                sizeOf(table.Get(deck, index).pictureId, w, h);
                EXPECT_LE(c.insetX + w, faceW - 2) << "mode " << c.screenMode << " card " << deck << "/" << index;
                EXPECT_LE(c.insetY + h, faceH - 2) << "mode " << c.screenMode << " card " << deck << "/" << index;
            }
        }
    }
}

// What the duel's cards do, read from their rule texts: the emblem and the figure their pictures
// print, one card of each kind of effect.
TEST(CardArtTest, eachCardIsReadForWhatItDoesAndHowMuch) {
    struct Case {
        uint32_t deck, index;
        SCardEmblem emblem;
        const char* figure;
    };
    const Case cases[] = {
        {0, 0, SCardEmblem::kStrike, "2"},     // Slash
        {1, 9, SCardEmblem::kBolt, "5"},       // Chain lightning
        {2, 1, SCardEmblem::kClaw, "6"},       // Fang
        {0, 19, SCardEmblem::kBarrage, "3"},   // Arrow storm
        {2, 18, SCardEmblem::kDrain, "1"},     // Parasite
        {0, 15, SCardEmblem::kHeal, "+5"},     // Remedy
        {0, 17, SCardEmblem::kHeal, "1/2"},    // Rejuvenate
        {0, 18, SCardEmblem::kHeal, "+5"},     // Heroic Remedy
        {0, 7, SCardEmblem::kShield, "50%"},   // Block
        {2, 10, SCardEmblem::kShield, "6"},    // Bone wall: its hit points
        {1, 5, SCardEmblem::kReflect, "25%"},  // Aura of fire
        {0, 10, SCardEmblem::kWeapon, "20%"},  // Long sword
        {0, 24, SCardEmblem::kBoost, "50%"},   // Berzerk, though it also takes more damage
        {1, 17, SCardEmblem::kWeaken, "-2"},   // Will-o'-the-wisp
        {0, 20, SCardEmblem::kBreak, "-1"},    // Fosse
        {1, 13, SCardEmblem::kBreak, "ALL"},   // Starfall
        {2, 16, SCardEmblem::kMinion, "3"},    // Vampire
        {0, 8, SCardEmblem::kCombo, "X2"},     // War cry
        {0, 23, SCardEmblem::kCombo, "1/2"},   // Bloodlust
    };
    SCardTable table;
    table.Init(10);
    for (const Case& c : cases) {
        const SCard& card = table.Get(c.deck, c.index);
        EXPECT_EQ(EmblemOf(card), c.emblem) << card.name;
        EXPECT_EQ(FigureOf(card), c.figure) << card.name;
    }
}

// A card's picture, one RGB565 value per pixel, row by row.
struct Pixels {
    int w = 0, h = 0;
    std::vector<uint16_t> values;
};

Pixels pixelsOf(const std::vector<uint8_t>& record) {
    SPicture picture;
    SReadError error;
    Pixels out;
    if (!picture.Read(record, error) || picture.Format() != 0) {
        ADD_FAILURE() << "not a picture of one index per pixel: " << error.Message();
        return out;
    }
    out.w = picture.Width();
    out.h = picture.Height();
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x)
            out.values.push_back(picture.Colour(picture.Texels()[y * picture.RowLength() + x]));
    return out;
}

// The emblem is the picture's top square, the figure the band under it.
std::vector<uint16_t> part(const Pixels& picture, bool emblem) {
    const auto split = picture.values.begin() + picture.w * picture.w;
    return emblem ? std::vector<uint16_t>(picture.values.begin(), split)
                  : std::vector<uint16_t>(split, picture.values.end());
}

// A card is told by its picture: cards that do the same show the same emblem and cards that do
// different things different ones; the band under it tells how much. With $BRIMVALE_SHOTS set,
// every card's picture of both screen classes is written side by side.
TEST(CardArtTest, cardsThatDoTheSameShareAnEmblemAndTheBandTellsHowMuch) {
    const std::map<uint16_t, std::vector<uint8_t>> records = CardPictures();
    for (uint32_t mode : {7u, 10u}) {
        SCardTable table;
        table.Init(mode);
        auto picture = [&](uint32_t deck, uint32_t index) {
            return pixelsOf(records.at(table.Get(deck, index).pictureId));
        };
        const Pixels slash = picture(0, 0), crush = picture(0, 1), remedy = picture(0, 15);
        ASSERT_GT(slash.h, slash.w) << "an emblem and a band under it";
        EXPECT_EQ(part(slash, true), part(crush, true)) << "Slash and Crush both strike";
        EXPECT_NE(part(slash, false), part(crush, false)) << "for 2 and for 3";
        for (auto [deck, index] : {std::pair{0u, 15u}, {0u, 7u}, {0u, 10u}, {0u, 8u}, {0u, 19u}, {0u, 20u}})
            EXPECT_NE(part(slash, true), part(picture(deck, index), true)) << table.Get(deck, index).name;
        EXPECT_EQ(part(remedy, false), part(picture(0, 18), false)) << "Remedy and Heroic Remedy both heal 5";
        EXPECT_EQ(picture(1, 9).values, picture(1, 10).values) << "Chain lightning and Earthquake: 5 damage";

        std::vector<uint16_t> sheet;
        const int cellW = slash.w + 2, cellH = slash.h + 2, sheetW = cellW * int(kCardsPerDeck);
        sheet.assign(size_t(sheetW * cellH * int(kCardDecks)), 0);
        for (uint32_t deck = 0; deck < kCardDecks; ++deck)
            for (uint32_t index = 0; index < kCardsPerDeck; ++index) {
                const Pixels card = picture(deck, index);
                for (int y = 0; y < card.h; ++y)
                    for (int x = 0; x < card.w; ++x)
                        sheet[size_t((int(deck) * cellH + y) * sheetW + int(index) * cellW + x)] =
                            card.values[size_t(y * card.w + x)];
            }
        EXPECT_TRUE(
            WriteShot("card_pictures_mode" + std::to_string(mode), sheet, sheetW, cellH * int(kCardDecks), sheetW));
    }
}

}  // namespace

}  // namespace card_art_test
