#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_faces.h"
#include "support/picture_entry.h"
#include "ui/widgets/card_ctrl.h"
#include "ui/widgets/card_sign_ctrl.h"
#include "ui/widgets/deck_ctrl.h"
#include "widget_fixture.h"

namespace card_widgets_test {

namespace {

constexpr uint16_t kLeft = 0xF800, kRight = 0x001F, kEmpty = 0x4208, kSmallPicture = 0x07E0;
constexpr uint16_t kPlain = 0x8410, kSpecial = 0xFFE0, kFirstMark = 0x07FF, kSecondMark = 0xF81F;
constexpr uint16_t kClear = 0xFFFF;

class CardWidgetsTest : public WidgetTest {
protected:
    // A 10 x 14 card whose left half differs from its right, so that mirroring shows.
    std::unique_ptr<SPictureEntry> back = MakePictureEntry(10, 14, [](int x, int) { return x < 5 ? kLeft : kRight; });
};

TEST_F(CardWidgetsTest, aPileShowsALayerForEveryFewCardsOnTheScreenType) {
    struct Row {
        uint32_t type, count;
        int layers;
    };
    SDeckCtrl deck;
    place(deck, 40, 40, 10, 14);
    for (const Row& row : {Row{10, 12, 2}, Row{10, 3, 1}, Row{10, 0, 1}, Row{10, 25, 5}, Row{1, 10, 2}, Row{7, 12, 1},
                           Row{7, 16, 2}, Row{7, 24, 3}, Row{5, 7, 1}}) {
        game.m_screenMode = row.type;
        deck.SetCount(row.count);
        EXPECT_EQ(deck.Layers(), row.layers) << "type " << row.type << ", " << row.count << " cards";
    }
}

TEST_F(CardWidgetsTest, aPileGrowsUpAndLeftWithOddLayersMirroredAndAnEmptyPileShowsItsPicture) {
    game.m_screenMode = 10;
    auto overlay = SolidPicture(4, 4, kSmallPicture);
    SDeckCtrl deck;
    place(deck, 40, 40, 10, 14);
    deck.SetCard(7, back.get(), overlay.get());
    deck.SetCount(12);
    deck.Draw();
    EXPECT_EQ(at(39, 39), kRight) << "layer 1, mirrored: its left edge is the card's right";
    EXPECT_EQ(at(47, 39), kLeft);
    EXPECT_EQ(at(48, 52), kLeft) << "the top layer covers all but the bottom layer's lower right edges";
    EXPECT_EQ(at(49, 53), kRight) << "layer 0's lower right corner";
    EXPECT_EQ(countOf(kSmallPicture), 0) << "a pile shows no overlay";

    clearScreen();
    deck.SetCount(1);
    deck.Draw();
    EXPECT_EQ(boundsOf(kSmallPicture), "50,46 4x4");

    clearScreen();
    auto empty = SolidPicture(10, 14, kEmpty);
    SDeckCtrl none;
    place(none, 40, 40, 10, 14);
    none.SetEmptyPicture(empty.get());
    none.Draw();
    EXPECT_EQ(boundsOf(kEmpty), "40,40 10x14");
    none.SetPicture(back.get());
    EXPECT_EQ(none.GetCount(), 1u);
    none.Decrement();
    none.Decrement();
    EXPECT_EQ(none.GetCount(), 0u);
    clearScreen();
    none.Draw();
    EXPECT_EQ(boundsOf(kEmpty), "40,40 10x14") << "a pile counted down to nothing is empty";
    EXPECT_EQ(countOf(kLeft), 0);
}

TEST_F(CardWidgetsTest, aCardShowsItsDecksBackOrTheFaceItsKindCallsFor) {
    auto plain = SolidPicture(10, 14, kPlain);
    auto special = SolidPicture(10, 14, kSpecial);
    auto small = SolidPicture(4, 4, kSmallPicture);
    SCardFaces screen;
    screen.kindPictures[1] = back.get();
    screen.plainFace = plain.get();
    screen.specialFace = special.get();
    SCardCtrl ctrl;
    place(ctrl, 40, 40, 10, 14);
    ctrl.SetPictures(screen);
    struct Row {
        uint32_t kind, showValue;
        const SPictureEntry* picture;
        const SPictureEntry* overlay;
    };
    for (const Row& row :
         {Row{kCardItem, 0, back.get(), nullptr}, Row{kCardItem, 1, plain.get(), small.get()},
          Row{kCardLasting, 1, plain.get(), small.get()}, Row{kCardInstant, 1, special.get(), small.get()},
          Row{kCardCombo | kCardItem, 1, special.get(), small.get()}}) {
        SCard card;
        card.deck = 1;
        card.kind = row.kind;
        ctrl.SetCard(&card, small.get(), row.showValue);
        EXPECT_EQ(ctrl.m_picture, row.picture) << "kind " << row.kind << " shown " << row.showValue;
        EXPECT_EQ(ctrl.m_overlay, row.overlay) << "kind " << row.kind << " shown " << row.showValue;
    }
    ctrl.Draw();
    EXPECT_EQ(boundsOf(kSmallPicture), "48,45 4x4") << "on a small screen type";
    ctrl.SetCard(nullptr, nullptr, 0);
    EXPECT_EQ(ctrl.m_picture, nullptr);
}

TEST_F(CardWidgetsTest, aCardLiftsByItsLiftAndReturnsHomeEvenWhenLiftedBeforeItsHomeWasRecorded) {
    SCardCtrl ctrl;
    place(ctrl, 40, 60, 10, 14);
    ctrl.SetLift(6);
    ctrl.SetLifted(true);
    EXPECT_EQ(ctrl.m_y, 54);
    EXPECT_EQ(ctrl.m_x, 40);
    ctrl.SetLifted(false);
    EXPECT_EQ(ctrl.m_y, 60);

    // An empty card records the place as the new home.
    ctrl.SetPos(70, 30);
    ctrl.SetCard(nullptr, nullptr, 0);
    ctrl.SetLifted(true);
    EXPECT_EQ(ctrl.m_y, 24);
    ctrl.SetLifted(true);
    EXPECT_EQ(ctrl.m_y, 24) << "lifting twice rises once";
    ctrl.SetLifted(false);
    EXPECT_EQ(ctrl.m_y, 30);
}

TEST_F(CardWidgetsTest, aSignShowsOneMarkAtATimeAndItsFallbackWithoutABase) {
    auto base = SolidPicture(12, 12, kPlain);
    auto keyedMark = [](uint16_t colour) {
        return MakePictureEntry(12, 12, [colour](int x, int y) { return x == y ? colour : kClear; });
    };
    auto first = keyedMark(kFirstMark), second = keyedMark(kSecondMark);
    auto fallback = MakePictureEntry(12, 12, [](int x, int) { return x < 6 ? kEmpty : kClear; });
    SCardSignCtrl sign;
    sign.m_id = 121;
    place(sign, 20, 20, 12, 12);
    sign.SetFallback(fallback.get());
    sign.SetFirstMark(first.get());
    sign.SetSecondMark(second.get());
    sign.Draw();
    EXPECT_EQ(boundsOf(kEmpty), "20,20 6x12");

    sign.SetPicture(base.get());
    sign.ShowFirst();
    sign.ShowSecond();
    clearScreen();
    sign.Draw();
    EXPECT_EQ(countOf(kFirstMark), 0);
    EXPECT_EQ(countOf(kSecondMark), 12);
    EXPECT_EQ(at(21, 20), kPlain);
    sign.ShowFirst();
    clearScreen();
    sign.Draw();
    EXPECT_EQ(countOf(kFirstMark), 12);
    EXPECT_EQ(countOf(kSecondMark), 0);
    sign.HideMarks();
    clearScreen();
    sign.Draw();
    EXPECT_EQ(countOf(kPlain), 144);

    EXPECT_EQ(sign.OnPen(25, 25, 1, 0), 121u);
    EXPECT_EQ(sign.OnPen(25, 25, 1, 1), 0u) << "a drag";
    EXPECT_EQ(sign.OnPen(32, 25, 1, 0), 0u) << "outside";
}

}  // namespace

}  // namespace card_widgets_test
