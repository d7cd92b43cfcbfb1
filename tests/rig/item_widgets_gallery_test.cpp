// The item and card widgets over the play screen, driven through the rig: a pack grid with
// stacks and marks beside the paper doll and a single item, then a shop grid with prices beside a
// card pile, a lifted card and a marker sign, in a small and a large screen mode. The inventory,
// shop and card screens place these widgets from their own layouts; until they exist these test
// dialogs stand in for them.
#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_faces.h"
#include "data/items/item_classes.h"
#include "engine/draw/display.h"
#include "support/pictured_items.h"
#include "support/ui_rig.h"
#include "tools/sampledata/art_canvas.h"
#include "ui/widgets/card_ctrl.h"
#include "ui/widgets/card_sign_ctrl.h"
#include "ui/widgets/deck_ctrl.h"
#include "ui/widgets/item_ctrl.h"
#include "ui/widgets/items_ctrl.h"
#include "ui/widgets/player_equip_ctrl.h"

namespace item_widgets_gallery_test {

namespace {

using R = SInterfaceRole;

constexpr uint32_t kPackId = 40, kDollId = 41, kShopId = 42, kDeckId = 43, kCardId = 44, kSignId = 45;

std::unique_ptr<SPictureEntry> entryOf(std::vector<uint8_t> bytes) {
    auto entry = std::make_unique<SPictureEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes = std::move(bytes);
    SReadError error;
    EXPECT_TRUE(entry->Bind(entry->record->bytes, 0, error)) << error.Message();
    return entry;
}

// A 50x50 inventory picture: a shape of the item on a dark ground.
enum class Shape { kSword, kPotion, kBelt, kRing, kHelm, kArrows, kBook };
std::unique_ptr<SPictureEntry> itemPicture(Shape shape, uint16_t colour) {
    SArtCanvas art(50, 50, ArtColour(28, 26, 30));
    switch (shape) {
        case Shape::kSword:
            art.Line(10, 40, 38, 12, 5, colour);
            art.Line(14, 30, 20, 36, 4, ArtColour(120, 80, 40));
            break;
        case Shape::kPotion:
            art.Disc(25, 31, 13, colour);
            art.Fill(21, 8, 8, 12, ArtColour(200, 200, 210));
            break;
        case Shape::kBelt:
            art.Fill(4, 20, 42, 10, colour);
            art.Fill(20, 18, 10, 14, ArtColour(236, 200, 120));
            break;
        case Shape::kRing:
            art.Disc(25, 25, 14, colour);
            art.Disc(25, 25, 9, ArtColour(28, 26, 30));
            break;
        case Shape::kHelm:
            art.Disc(25, 28, 17, colour);
            art.Fill(8, 28, 34, 14, ArtColour(28, 26, 30));
            art.Fill(8, 28, 34, 4, colour);
            break;
        case Shape::kArrows:
            for (int i = 0; i < 3; ++i) art.Line(10 + i * 8, 42, 22 + i * 8, 8, 2, colour);
            break;
        case Shape::kBook:
            art.Fill(10, 8, 30, 36, colour);
            art.Fill(14, 12, 22, 28, ArtColour(239, 226, 190));
            break;
    }
    return entryOf(art.Record());
}

// A dialog whose controls are placed from its own top left.
class PlacingDialog : public SDialog {
protected:
    void add(SCtrl& ctrl, int x, int y, int w, int h) {
        ctrl.Attach(this);
        ctrl.SetRect(int16_t(m_x + x), int16_t(m_y + y), uint16_t(w), uint16_t(h));
        AddCtrl(&ctrl);
    }
};

// The pack grid, the paper doll and one item.
class InventoryDialog : public PlacingDialog {
public:
    void Open(SGameData& game, const SWandPricing& wands) {
        Init(&game);
        const bool large = IsLargeScreenMode(int(game.m_screenMode));
        const int cell = large ? 60 : 40, columns = 5, rows = 2, piece = 3;
        const int dollW = large ? 216 : 130, dollH = large ? 250 : 150;
        m_w = uint16_t(columns * cell + (columns + 1) * piece + (large ? 20 : 10));
        m_h = uint16_t(dollH + rows * cell + (rows + 1) * piece + (large ? 30 : 15));
        CenterInView();
        SetBackgroundBitmap(game.InterfacePicture(R::kDialogBackground));
        const int margin = large ? 10 : 5;

        add(doll, margin, margin, dollW, dollH);
        doll.m_id = kDollId;
        doll.SetupSlots();

        add(item, margin + dollW + margin, margin, large ? 60 : 40, large ? 60 : 40);
        item.SetItem(game.m_cache.FindPicture("potion_pic"), nullptr, 3);
        item.m_marked = 1;

        add(pack, margin, dollH + 2 * margin, columns * cell + (columns + 1) * piece, rows * cell + (rows + 1) * piece);
        pack.m_id = kPackId;
        pack.Setup(game.InterfaceSet<9>(R::kPictureFrameSet), game.InterfaceSet<9>(R::kSmallFrameSet), cell, cell,
                   columns, rows, 0x0F, 10, 0);
        pack.Fill(game.m_player.Pack(), 0, std::nullopt, wands);
        pack.Select(1);
        Reopen();
    }

    SPlayerEquipCtrl doll;
    SItemCtrl item;
    SItemsCtrl pack;
};

// A shop's grid with prices, and the card widgets with the sample package's card pictures.
class ShopAndCardsDialog : public PlacingDialog {
public:
    void Open(SGameData& game, const SItemList& stock, const SWandPricing& wands, const SCardFaces& cards,
              const SPictureEntry* sign, const SPictureEntry* tick, const SCard& shown,
              const SPictureEntry* shownPicture) {
        Init(&game);
        const bool large = IsLargeScreenMode(int(game.m_screenMode));
        // Tall enough that the selection frame stays clear of the price.
        const int cellW = large ? 64 : 50, cellH = large ? 70 : 58, columns = 4, rows = 2, piece = 3;
        const int cardW = PictureWidth(cards.plainFace), cardH = PictureHeight(cards.plainFace);
        const int margin = large ? 10 : 5, gridH = rows * cellH + (rows + 1) * piece;
        m_w = uint16_t(columns * cellW + (columns + 1) * piece + 2 * margin);
        m_h = uint16_t(gridH + cardH + 5 * margin + (large ? 10 : 6));
        CenterInView();
        SetBackgroundBitmap(game.InterfacePicture(R::kDialogBackground));

        add(shop, margin, margin, columns * cellW + (columns + 1) * piece, gridH);
        shop.m_id = kShopId;
        shop.Setup(game.InterfaceSet<9>(R::kPictureFrameSet), game.InterfaceSet<9>(R::kSmallFrameSet), cellW, cellH,
                   columns, rows, 0x0F, 10, 1);
        shop.Fill(stock, 0, std::nullopt, wands);
        shop.Select(2);

        const int cardsY = gridH + 3 * margin + (large ? 10 : 6);
        add(deck, 2 * margin + 4, cardsY, cardW, cardH);
        deck.m_id = kDeckId;
        deck.SetPicture(cards.KindPicture(0));
        deck.SetCount(24);

        add(lifted, 3 * margin + cardW + 8, cardsY, cardW, cardH);
        lifted.m_id = kCardId;
        lifted.SetPictures(cards);
        lifted.SetCard(&shown, shownPicture, 1);
        lifted.SetLift(large ? 10 : 6);
        lifted.SetLifted(true);

        add(resting, 4 * margin + 2 * cardW + 8, cardsY, cardW, cardH);
        resting.SetPictures(cards);
        resting.SetCard(&shown, shownPicture, 0);

        add(marker, 5 * margin + 3 * cardW + 8, cardsY, cardW, cardH);
        marker.m_id = kSignId;
        marker.SetPicture(sign);
        marker.SetFirstMark(tick);
        marker.ShowFirst();
        Reopen();
    }

    uint32_t OnCommand(uint32_t id) override {
        m_commands.push_back(id);
        return 0;
    }

    SItemsCtrl shop;
    SDeckCtrl deck;
    SCardCtrl lifted;
    SCardCtrl resting;
    SCardSignCtrl marker;
    std::vector<uint32_t> m_commands;
};

class ItemWidgetsGallery : public UiRigTest {
protected:
    // The sample world has no items yet: these are the pack's and the shop's.
    void addItems(SGameData& game) {
        auto type = [&](const char* name, uint8_t kind, uint8_t subkind, uint32_t value, Shape shape, uint16_t c) {
            return &AddPicturedItemType(game, name, kind, subkind, value, itemPicture(shape, c));
        };
        sword = type("sword", kItemWeapon, kWeaponLongSword, 240, Shape::kSword, ArtColour(200, 210, 220));
        potion = type("potion", kItemPotion, 1, 35, Shape::kPotion, ArtColour(200, 40, 60));
        belt = type("belt", kItemLightArmour, kArmourBelt, 60, Shape::kBelt, ArtColour(120, 80, 40));
        ring = type("ring", kItemAccessory, kAccessoryRing, 12'000, Shape::kRing, ArtColour(236, 200, 120));
        helm = type("helm", kItemHeavyArmour, 4, 300, Shape::kHelm, ArtColour(150, 150, 160));
        arrows = type("arrows", kItemWeapon, kWeaponQuiver, 6, Shape::kArrows, ArtColour(200, 180, 140));
        book = type("book", kItemBook, kBookSubtypeBook, 80, Shape::kBook, ArtColour(90, 40, 120));
        crown = type("crown", kItemHeavyArmour, 4, 2'000'000'000, Shape::kHelm, ArtColour(250, 220, 60));
        crown->m_alignment = kAlignmentEvil;
    }

    std::unique_ptr<SPictureEntry> interfaceRecord(SGameData& game, uint16_t id) {
        std::unique_ptr<SPdbRecord> record = game.m_dataPackage->LoadRecord(id);
        EXPECT_NE(record, nullptr) << "record " << id;
        return record ? entryOf(std::move(record->bytes)) : nullptr;
    }

    TestWandPricing wands;
    SItemType *sword = nullptr, *potion = nullptr, *belt = nullptr, *ring = nullptr, *helm = nullptr;
    SItemType *arrows = nullptr, *book = nullptr, *crown = nullptr;
};

TEST_F(ItemWidgetsGallery, thePackAndTheDollShowStacksMarksAndWornItemsAndATapAsksToEquip) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = Start(mode);
        ASSERT_FALSE(HasFailure());
        SGameData& game = rig.Game();
        addItems(game);
        SPlayer& player = game.m_player;
        player.EquipItem(player.AddItems(*sword, 1), false);
        player.AddItems(*sword, 1);
        player.AddItems(*potion, 3);
        player.EquipItem(player.AddItems(*belt, 1), false);
        player.EquipItem(player.AddItems(*ring, 1), false);
        player.EquipItem(player.AddItems(*helm, 1), false);
        player.AddItems(*book, 1);
        player.AddItems(*crown, 1);
        InventoryDialog dialog;
        dialog.Open(game, wands);
        rig.OpenDialog(dialog);
        rig.Frame();
        const std::string name = "item_widgets_inventory_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;

        // A tap in the corner square of the worn sword's cell asks to take it off.
        SItemsCtrl& pack = dialog.pack;
        ASSERT_EQ(pack.Entry(0)->type, sword);
        rig.Tap(pack.m_originX + 4, pack.m_originY + 4);
        EXPECT_EQ(pack.m_selected, 0) << name;
        EXPECT_EQ(pack.m_equipRequest, 1u) << name;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name << " after the tap";
        EXPECT_EQ(rig.PlayScreen().m_commands.size(), 0u) << "the dialog has no parent to forward to";

        // A tap on the doll's helm chooses slot 1.
        const SDollSlot helmPlace = DollSlotPlace(mode, kSlotHelm);
        rig.Tap(dialog.doll.m_x + helmPlace.x + 10, dialog.doll.m_y + helmPlace.y + 10);
        EXPECT_EQ(dialog.doll.m_selectedSlot, uint32_t(kSlotHelm)) << name;
        EXPECT_TRUE(rig.Shot(name + "_tapped"));
    }
}

TEST_F(ItemWidgetsGallery, theShopShowsPricesAndTheCardWidgetsShowAPileALiftedCardAndASign) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = Start(mode);
        ASSERT_FALSE(HasFailure());
        SGameData& game = rig.Game();
        addItems(game);
        SItemList stock;
        for (SItemType* type : {sword, sword, potion, belt, ring, book, crown, arrows})
            stock.Add(SItem::Create(*type, SItem::kFullCondition, *game.m_random));
        stock.At(stock.Count() - 1)->m_amount = 24;

        const bool small = !IsLargeScreenMode(int(mode));
        std::vector<std::unique_ptr<SPictureEntry>> kept;
        auto record = [&](uint16_t id) {
            kept.push_back(interfaceRecord(game, id));
            return kept.back().get();
        };
        SCardFaces cards;
        for (uint32_t deck = 0; deck < SCardFaces::kDecks; ++deck)
            cards.kindPictures[deck] = record(uint16_t((small ? 3942 : 3048) + deck));
        cards.specialFace = record(small ? 3948 : 3054);
        cards.plainFace = record(small ? 3949 : 3055);
        const SCard& shown = game.m_cards.Get(1, 4);
        const SPictureEntry* shownPicture = record(shown.pictureId);
        ASSERT_FALSE(HasFailure());

        ShopAndCardsDialog dialog;
        dialog.Open(game, stock, wands, cards, record(small ? 3947 : 3053), record(small ? 3951 : 3057), shown,
                    shownPicture);
        rig.OpenDialog(dialog);
        rig.Frame();
        const std::string name = "item_widgets_shop_and_cards_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
        EXPECT_EQ(dialog.deck.Layers(), small ? 3 : 4) << name;
        EXPECT_EQ(dialog.lifted.m_y, dialog.lifted.m_homeY - int32_t(dialog.lifted.m_lift)) << name;

        // The lifted card comes down when lowered, and a tap on it answers its id.
        dialog.lifted.SetLifted(false);
        dialog.SetDirty();
        rig.Frame();
        rig.Tap(dialog.lifted.m_x + 4, dialog.lifted.m_y + 4);
        rig.Tap(dialog.marker.m_x + 4, dialog.marker.m_y + 4);
        rig.Tap(dialog.deck.m_x + 4, dialog.deck.m_y + 4);
        EXPECT_EQ(dialog.m_commands, (std::vector<uint32_t>{kCardId, kSignId, kDeckId})) << name;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name << " after the taps";
        EXPECT_TRUE(rig.Shot(name + "_lowered"));
    }
}

}  // namespace

}  // namespace item_widgets_gallery_test
