#include "tools/sampledata/card_art.h"

#include <gtest/gtest.h>

#include "cards/card_table.h"
#include "engine/draw/picture.h"
#include "game/interface_pictures.h"

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

}  // namespace

}  // namespace card_art_test
