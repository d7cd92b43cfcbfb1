#include "ui/widgets/item_ctrl.h"

#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "item_widget_fixture.h"
#include "ui/widgets/player_equip_ctrl.h"

namespace item_ctrl_test {

namespace {

constexpr uint16_t kItem = 0xF800, kEmptySlot = 0x4208, kMark = 0xFFE0, kDoll = 0x2104, kBelt = 0x07E0;
constexpr uint16_t kBeltCover = 0x07FF, kRingCover = 0xF81F;

class ItemCtrlTest : public ItemWidgetTest {};

TEST_F(ItemCtrlTest, anItemIsShrunkOnSmallScreensPlacedInsetOnLargeOnesAndCentredOnTheOthers) {
    game.m_interfacePictures[InterfaceRoleSlots(SInterfaceRole::kEmptyItemSlot).first] =
        SolidPicture(40, 40, kEmptySlot);
    auto picture = SolidPicture(50, 50, kItem);
    struct Row {
        uint32_t type;
        bool withPicture;
        const char* drawn;
        uint16_t colour;
    };
    for (const Row& row : {Row{7, true, "10,10 40x40", kItem}, Row{10, true, "15,13 50x50", kItem},
                           Row{1, true, "15,15 50x50", kItem}, Row{7, false, "10,10 40x40", kEmptySlot},
                           Row{10, false, "15,13 40x40", kEmptySlot}, Row{3, false, "20,20 40x40", kEmptySlot}}) {
        game.m_screenMode = row.type;
        clearScreen();
        SItemCtrl ctrl;
        place(ctrl, 10, 10, 60, 60);
        ctrl.SetItem(row.withPicture ? picture.get() : nullptr, nullptr, 1);
        ctrl.Draw();
        EXPECT_EQ(boundsOf(row.colour), row.drawn) << "type " << row.type;
    }
}

TEST_F(ItemCtrlTest, theMarkLiesOverAnItemButNotOverAnEmptySlot) {
    game.m_interfacePictures[InterfaceRoleSlots(SInterfaceRole::kItemMark).first] =
        MakePictureEntry(40, 40, [](int x, int y) { return x < 2 || y < 2 ? kMark : uint16_t(0xFFFF); });
    auto picture = SolidPicture(50, 50, kItem);
    SItemCtrl ctrl;
    place(ctrl, 10, 10, 40, 40);
    ctrl.SetItem(picture.get(), nullptr, 1);
    ctrl.m_marked = 1;
    ctrl.Draw();
    EXPECT_EQ(at(10, 10), kMark);
    EXPECT_EQ(at(30, 30), kItem);
    clearScreen();
    ctrl.SetItem(nullptr, nullptr, 0);
    ctrl.m_marked = 1;
    ctrl.Draw();
    EXPECT_EQ(countOf(kMark), 0);
}

class PaperDollTest : public ItemWidgetTest {
protected:
    void SetUp() override {
        ItemWidgetTest::SetUp();
        doll.m_id = 60;
        place(doll, 0, 0, 160, 120);
    }
    SPlayerEquipCtrl doll;
};

TEST_F(PaperDollTest, aTapChoosesTheFirstSlotWhoseSquareHoldsItAndNeverTheAmmunitionSlot) {
    struct Row {
        uint32_t type;
        int x, y;
        uint32_t slot;
    };
    for (const Row& row : {
             Row{10, 85, 6, 1}, Row{10, 134, 55, 1},         Row{10, 135, 6, 0},  Row{10, 164 + 49, 66, 2},
             Row{10, 8, 7, 3},  Row{10, 159, 198, 8},        Row{10, 11, 247, 9}, Row{10, 164, 7, 13},
             Row{10, 2, 2, 0},  // slot 12's square, which no other reaches
             Row{10, 9, 9, 3},  // slot 12's square, where slot 3's begins
             Row{7, 51, 43, 7}, Row{7, 51 + 29, 43 + 29, 7}, Row{7, 51, 73, 0},   Row{7, 51, 74, 10},
             Row{5, 33, 28, 7}, Row{5, 33, 47, 7},           Row{5, 33, 48, 10},  Row{8, 62, 77, 8},
             Row{1, 66, 4, 1},  Row{3, 128, 5, 13},          Row{4, 8, 154, 9},   Row{4, 48, 194, 0},
         }) {
        game.m_screenMode = row.type;
        doll.SetupSlots();
        doll.m_selectedSlot = 99;
        const uint32_t answer = doll.OnPen(row.x, row.y, 1, 0);
        EXPECT_EQ(answer, row.slot ? 60u : 0u) << "type " << row.type << " at " << row.x << "," << row.y;
        EXPECT_EQ(doll.m_selectedSlot, row.slot ? row.slot : 99u)
            << "type " << row.type << " at " << row.x << "," << row.y;
    }
    game.m_screenMode = 7;
    doll.SetupSlots();
    EXPECT_EQ(doll.m_selectedSlot, 0u);
    EXPECT_EQ(doll.OnPen(51, 43, 1, 1), 0u) << "a drag";
    EXPECT_EQ(doll.OnPen(51, 43, 0, 0), 0u) << "a release";
}

TEST_F(PaperDollTest, whereTwoSquaresOverlapTheLowerSlotWins) {
    game.m_screenMode = 7;
    doll.SetupSlots();
    // The belt's square moved to overlap the lower half of the helm's.
    doll.m_slotX[kSlotBelt] = doll.m_slotX[kSlotHelm] + 10;
    doll.m_slotY[kSlotBelt] = doll.m_slotY[kSlotHelm] + 10;
    EXPECT_EQ(doll.OnPen(doll.m_slotX[kSlotBelt] + 5, doll.m_slotY[kSlotBelt] + 5, 1, 0), 60u);
    EXPECT_EQ(doll.m_selectedSlot, uint32_t(kSlotHelm));
    EXPECT_EQ(doll.OnPen(doll.m_slotX[kSlotBelt] + 25, doll.m_slotY[kSlotBelt] + 25, 1, 0), 60u);
    EXPECT_EQ(doll.m_selectedSlot, uint32_t(kSlotBelt));
}

TEST_F(PaperDollTest, wornItemsLieAtTheirSlotsWithTheirOverlaysAndEmptySlotsShowNeither) {
    const SRoleSlots dollSlots = InterfaceRoleSlots(SInterfaceRole::kPaperDoll);
    game.m_interfacePictures[dollSlots.first] = SolidPicture(140, 110, kDoll);
    // Each overlay is a keyed ring: its edge shows, its middle lets the item through.
    auto cover = [](uint16_t colour) {
        return MakePictureEntry(30, 30, [colour](int x, int y) {
            return x == 0 || y == 0 || x == 29 || y == 29 ? colour : uint16_t(0xFFFF);
        });
    };
    game.m_interfacePictures[dollSlots.first + 1] = cover(kBeltCover);
    game.m_interfacePictures[dollSlots.first + 2] = cover(kRingCover);
    game.m_interfacePictures[dollSlots.first + 3] = cover(kRingCover);
    game.m_player.EquipItem(give(addType("belt", kItemLightArmour, kArmourBelt, 10, kBelt)), false);
    game.m_screenMode = 7;
    doll.SetupSlots();
    doll.Draw();
    // Slot 7 is at (51, 43) on this screen type; items are 30 pixels there.
    EXPECT_EQ(boundsOf(kBelt), "52,44 28x28");
    EXPECT_EQ(boundsOf(kBeltCover), "51,43 30x30");
    EXPECT_EQ(countOf(kRingCover), 0) << "the rings are not worn";
    EXPECT_EQ(at(10, 10), kDoll);
}

}  // namespace

}  // namespace item_ctrl_test
