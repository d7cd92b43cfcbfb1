// The header of the character page: the portrait, the name and the two dialogs that change them,
// the sub-page tabs and the commands of the sub-pages still to come.
#include <gtest/gtest.h>

#include "screens/inventory/character_fixture.h"
#include "ui/dialogs/choice_dialog.h"

namespace character_header_test {

namespace {

constexpr uint32_t kLargeTall = 10;

class CharacterHeaderTest : public CharacterPageTest {
protected:
    // Two faces the player may take, their pictures in the resource cache.
    void AddFaces() {
        for (const char* name : {"bres_face_a", "bres_face_b"}) {
            auto face = std::make_unique<SFaceType>();
            face->name.Set(name);
            face->playerPortrait = 1;
            Game().m_faces.Add(std::move(face));
        }
    }
};

TEST_F(CharacterHeaderTest, theTabsSwitchTheSubPageInTheirOwnOrder) {
    SStateInventory& inventory = OpenCharacterPage(kLargeTall);
    EXPECT_EQ(inventory.m_layoutId, SStateInventory::kCharacterLayouts[0]);
    EXPECT_TRUE(inventory.m_characterHeader.m_tabs[0].IsChecked());
    const uint32_t expectedLayouts[] = {36, 37, 41, 40, 39};
    for (int subPage : {1, 4, 2, 3, 0}) {
        Command(SCharacterHeader::kTabs[subPage]);
        EXPECT_EQ(inventory.m_pages.subPage, uint32_t(subPage));
        EXPECT_EQ(inventory.m_layoutId, expectedLayouts[subPage]);
        for (int tab = 0; tab < SCharacterHeader::kSubPages; ++tab)
            EXPECT_EQ(inventory.m_characterHeader.m_tabs[tab].IsChecked(), tab == subPage);
        EXPECT_EQ(m_rig->Sounds().Lines().back().rfind("bsnd_clickh", 0), 0u);
    }
    EXPECT_EQ(SCharacterHeader::SubPageOf(362), 4);
    EXPECT_EQ(SCharacterHeader::SubPageOf(363), 2);
    EXPECT_EQ(SCharacterHeader::SubPageOf(364), 3);
    // The abilities, diseases and effects pages' own commands change nothing yet.
    Command(SCharacterHeader::kTabs[2]);
    for (uint32_t id = 501; id <= 527; ++id) EXPECT_EQ(Command(id), kStay) << id;
    EXPECT_EQ(inventory.m_pages.subPage, 2u);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(CharacterHeaderTest, renamingWithOkChangesTheNameAtOnceAndAnyOtherCloseKeepsIt) {
    SStateInventory& inventory = OpenCharacterPage(kLargeTall);
    Player().SetName("Tamsin");
    Command(SStateInventory::kCharacterTab);
    TapOn(inventory.m_characterHeader.m_rename);
    ASSERT_EQ(inventory.m_child, &inventory.m_nameEntry);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kNameEntry);
    EXPECT_STREQ(inventory.m_nameEntry.GetText(), "Tamsin");
    inventory.m_nameEntry.TypeChar('a');
    Command(kChoiceCancel);
    EXPECT_EQ(inventory.m_child, nullptr);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kCharacter);
    EXPECT_STREQ(Player().Name().Text(), "Tamsin");

    Command(SCharacterHeader::kRename);
    inventory.m_nameEntry.Backspace();
    inventory.m_nameEntry.TypeChar('e');
    Command(kChoiceOk);
    EXPECT_STREQ(Player().Name().Text(), "Tamsie");
    EXPECT_STREQ(inventory.m_characterHeader.m_name.m_words.Text(), "Tamsie");
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(CharacterHeaderTest, aFaceTheTableLacksShowsTheDefaultPortrait) {
    SStateInventory& inventory = OpenCharacterPage(kLargeTall);
    Player().SetFace("bres_nobody");
    Command(SStateInventory::kCharacterTab);
    EXPECT_EQ(inventory.m_characterHeader.m_portrait.m_portrait,
              Game().InterfacePicture(SInterfaceRole::kDefaultPicture));
}

TEST_F(CharacterHeaderTest, thePortraitChoiceTakesTheFaceChosenAndOkWithoutOneKeepsTheFace) {
    SStateInventory& inventory = OpenCharacterPage(kLargeTall);
    AddFaces();
    Player().SetFace("bres_stranger");
    Command(SCharacterHeader::kChoosePortrait);
    ASSERT_EQ(inventory.m_child, &inventory.m_faceSelect);
    ASSERT_EQ(inventory.m_faceSelect.SelectedName(), nullptr) << "the player's face is not one to choose";
    Command(kChoiceOk);
    EXPECT_STREQ(Player().Face().Text(), "bres_stranger") << "no face chosen, none taken away";

    Command(SCharacterHeader::kChoosePortrait);
    inventory.m_faceSelect.OnCommand(SDialogFaceSelect::kNext);
    inventory.m_faceSelect.OnCommand(SDialogFaceSelect::kNext);
    Command(kChoiceCancel);
    EXPECT_STREQ(Player().Face().Text(), "bres_stranger");

    Command(SCharacterHeader::kChoosePortrait);
    inventory.m_faceSelect.OnCommand(SDialogFaceSelect::kNext);
    inventory.m_faceSelect.OnCommand(SDialogFaceSelect::kNext);
    Command(kChoiceOk);
    EXPECT_STREQ(Player().Face().Text(), "bres_face_b");
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kCharacter);
    EXPECT_EQ(inventory.m_child, nullptr);
}

}  // namespace

}  // namespace character_header_test
