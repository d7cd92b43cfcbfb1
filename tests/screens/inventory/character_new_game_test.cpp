// The character page in a game of the sample world: a new character solves the sample quest on
// the cellar's plate, reaches level 2, spends the points, and a save and a load keep them spent;
// the journal lists the quests and what afflicts the character.
// Saving and loading go through the saved-game functions, as the load and save screen will.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "data/player/experience_table.h"
#include "game/feldmar2.h"
#include "screens/inventory/active_effect_text.h"
#include "screens/inventory/state_inventory.h"
#include "screens/play/sample_world_play.h"
#include "tools/sampledata/sample_afflictions.h"
#include "tools/sampledata/sample_merchants.h"
#include "tools/sampledata/sample_quests.h"
#include "ui/dialogs/dialog_message.h"

namespace character_new_game_test {

namespace {

class CharacterNewGameTest : public SampleWorldPlayTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    // From the start west along the south wall and north onto the plate, answering the messages
    // the quest and the new level bring.
    void WalkOntoThePlate() {
        PlayDriver& driver = *m_driver;
        const uint32_t route[] = {kActionTurnLeft,  kActionForward, kActionForward, kActionForward,
                                  kActionTurnRight, kActionForward, kActionForward, kActionForward};
        for (uint32_t action : route) {
            driver.Press(action);
            driver.RunUntilIdle(20);
        }
        for (int i = 0; i < 20 && !driver.RunUntilIdle(40); ++i)
            if (driver.OpenDialogKind() == "message") driver.Press(kActionUse);
        ASSERT_TRUE(driver.RunUntilIdle(40));
    }
    SStateInventory& Inventory() { return static_cast<SStateInventory&>(*Game().Screen(kInventoryScreen)); }
    // What the play screen hands over when its portrait opens the bag (its own opening of the
    // inventory is still to come).
    void OpenBag() {
        SState& play = *Game().m_currentScreen;
        play.m_keep = 1;
        play.m_param[0] = SStateInventory::kOpenBag;
        play.m_param[1] = play.m_param[2] = play.m_param[3] = 0;
        Game().SwitchState(kInventoryScreen);
        m_driver->Frame();
        ASSERT_EQ(Game().m_currentScreen, &Inventory());
    }
    void Command(uint32_t id) {
        const uint32_t answer = Inventory().OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        m_driver->Frame();
    }
    std::string Mode() { return "_mode" + std::to_string(GetParam()); }
};

TEST_P(CharacterNewGameTest, theSampleQuestsLevelIsSpentAndStaysSpentThroughASaveAndALoad) {
    StartSampleWorld(GetParam());
    SPlayer& player = Game().m_player;
    ASSERT_EQ(player.Level(), 1u);
    WalkOntoThePlate();
    EXPECT_TRUE(player.IsQuestSolved(kCellarQuest));
    EXPECT_EQ(player.Xp(), uint32_t(kCellarQuestXp));
    ASSERT_EQ(player.Level(), 2u);
    ASSERT_EQ(player.AttributePoints(), 5u);
    ASSERT_EQ(player.SkillPoints(), 10u);

    OpenBag();
    Command(SStateInventory::kCharacterTab);
    SStateInventory& inventory = Inventory();
    Command(SCharacterHeader::kRename);
    inventory.m_nameEntry.TypeChar('x');
    Command(25);
    EXPECT_STREQ(player.Name().Text(), "Aylax");
    Command(SCharacterHeader::kChoosePortrait);
    inventory.m_faceSelect.OnCommand(SDialogFaceSelect::kNext);
    const std::string face = inventory.m_faceSelect.SelectedName();
    Command(25);
    EXPECT_EQ(player.Face().Text(), face);
    m_driver->Rig().Shot("character_main" + Mode());
    const uint32_t strength = player.BaseAttribute(1);
    Command(SCharacterPage::kRaises[0]);
    Command(SCharacterPage::kRaises[0]);
    Command(SCharacterPage::kUndo);
    EXPECT_EQ(player.BaseAttribute(1), strength);
    Command(SCharacterPage::kRaises[0]);
    m_driver->Rig().Shot("character_main_raised" + Mode());

    Command(SCharacterHeader::kTabs[1]);
    const uint32_t primary = inventory.m_skillsPage.SkillOf(0);
    const uint32_t other = inventory.m_skillsPage.SkillOf(SSkillsPage::kPrimaryRows);
    const int32_t primaryBase = player.SkillValue(primary), otherBase = player.SkillValue(other);
    Command(SSkillsPage::RaiseId(0));
    Command(SSkillsPage::RaiseId(SSkillsPage::kPrimaryRows));
    EXPECT_EQ(player.SkillPoints(), 10u - 3u);
    m_driver->Rig().Shot("character_skills" + Mode());

    Command(SStateInventory::kClose);
    ASSERT_EQ(Game().m_currentScreen, &Play());
    m_driver->Frame();
    EXPECT_EQ(Play().m_portrait.m_portrait, Game().m_cache.FindPicture(face.c_str())) << "the play screen follows";

    std::string error;
    ASSERT_TRUE(Game().m_saveNames.SaveGame(1, error)) << error;
    StepCounter loading;
    ASSERT_TRUE(Game().m_saveNames.LoadGame(1, loading, error)) << error;
    EXPECT_EQ(player.Level(), 2u);
    EXPECT_EQ(player.BaseAttribute(1), strength + 1);
    EXPECT_EQ(player.AttributePoints(), 4u);
    EXPECT_EQ(player.SkillValue(primary), primaryBase + 1);
    EXPECT_EQ(player.SkillValue(other), otherBase + 1);
    EXPECT_EQ(player.SkillPoints(), 7u);
    EXPECT_STREQ(player.Name().Text(), "Aylax");
    EXPECT_EQ(player.Face().Text(), face);

    // Back on the sheet, the loaded raises are final: undo gives nothing back.
    Game().m_currentScreen->m_param[0] = 0;
    Game().SwitchState(kPlayScreen);
    m_driver->Frame();
    OpenBag();
    Command(SStateInventory::kCharacterTab);
    EXPECT_FALSE(inventory.m_characterPage.m_undo.IsShown());
    Command(SCharacterPage::kUndo);
    EXPECT_EQ(player.AttributePoints(), 4u);
}

// The journal in the sample world: the race's ability, the bite's poison and rot, the potion's
// resistance with its rounds, and the quests as they are given and solved, kept by a save.
TEST_P(CharacterNewGameTest, theJournalFollowsTheQuestsAndTheAfflictionsThroughASaveAndALoad) {
    StartSampleWorld(GetParam());
    SPlayer& player = Game().m_player;
    SStateInventory& inventory = Inventory();
    OpenBag();
    Command(SStateInventory::kQuestsTab);
    for (uint32_t filter = 0; filter < SQuestsPage::kFilters; ++filter) {
        Command(SQuestsPage::kFirstFilter + filter);
        EXPECT_EQ(inventory.m_questsPage.m_list.m_list.RowCount(), 0) << filter;
    }
    Command(SStateInventory::kCharacterTab);
    Command(SCharacterHeader::kTabs[SCharacterLists::kAbilities]);
    ASSERT_EQ(inventory.m_characterLists.m_abilities.m_list.RowCount(), 1) << "the race's ability";
    Command(SStateInventory::kClose);
    m_driver->Frame();

    // The plate gives and solves the cellar's quest; Tobin's answer gives his.
    WalkOntoThePlate();
    player.AddQuest(kSampleQuest);
    player.InfectDisease(kCellarRot, false);
    player.AddTimedEffect(kFromUsedItem, Game().m_items.FindItemType(kPoisonPotion), 150, 30, 15, 0, nullptr);
    OpenBag();
    Command(SStateInventory::kQuestsTab);
    const SDialogListCtrl& quests = inventory.m_questsPage.m_list.m_list;
    ASSERT_EQ(quests.RowCount(), 2);
    EXPECT_STREQ(quests.Row(0).text.Text(), "Cellar Escape");
    EXPECT_EQ(quests.Row(0).value, uint32_t(kQuestSolved));
    EXPECT_STREQ(quests.Row(1).text.Text(), "Silver Ring");
    EXPECT_EQ(quests.Row(1).value, uint32_t(kQuestActive));
    m_driver->Rig().Shot("journal_quests" + Mode());
    Command(SQuestsPage::kFirstFilter + 2);
    ASSERT_EQ(quests.RowCount(), 1);
    EXPECT_STREQ(quests.Row(0).key.Text(), kCellarQuest);
    Command(SStateInventory::kCharacterTab);
    Command(SCharacterHeader::kTabs[SCharacterLists::kDiseases]);
    EXPECT_STREQ(inventory.m_characterLists.m_diseases.m_list.Row(0).text.Text(), "Cellar rot");
    Command(SCharacterHeader::kTabs[SCharacterLists::kEffects]);
    ASSERT_EQ(inventory.m_characterLists.m_effects.m_list.RowCount(), 1);
    // The lines as one text, wherever they wrapped.
    std::string body;
    for (const SString& page : inventory.m_characterLists.m_effects.m_text.m_pages) body += page.Text();
    std::replace(body.begin(), body.end(), '\r', ' ');
    EXPECT_NE(body.find("(Resist poison potion)"), std::string::npos) << body;
    m_driver->Rig().Shot("journal_effects" + Mode());
    Command(SCharacterLists::kFilterButtons[kAllEffects]);
    EXPECT_GE(inventory.m_characterLists.m_effects.m_list.RowCount(), 3) << "the race's, the rot's and the potion's";
    Command(SStateInventory::kClose);
    m_driver->Frame();

    std::string error;
    ASSERT_TRUE(Game().m_saveNames.SaveGame(1, error)) << error;
    inventory.m_pages = SInventoryPages();
    StepCounter loading;
    ASSERT_TRUE(Game().m_saveNames.LoadGame(1, loading, error)) << error;
    EXPECT_EQ(inventory.m_pages.questFilter, 2u);
    EXPECT_EQ(inventory.m_pages.effectsFilter, uint32_t(kAllEffects));
    EXPECT_FALSE(player.IsQuestSolved(kSampleQuest));
    EXPECT_TRUE(player.HasQuest(kSampleQuest));
    EXPECT_TRUE(player.IsQuestSolved(kCellarQuest));
    EXPECT_TRUE(player.HasDisease(kCellarRot));
}

// The handheld's small screen and the tall large one.
// The relative luminance of an RGB565 colour, as contrast ratios weigh it.
double luminance(uint16_t colour) {
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double r = ((colour >> 11) & 31) / 31.0, g = ((colour >> 5) & 63) / 63.0, b = (colour & 31) / 31.0;
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

TEST_P(CharacterNewGameTest, theJournalsFiltersReadOnItsPage) {
    StartSampleWorld(GetParam());
    OpenBag();
    Command(SStateInventory::kQuestsTab);
    m_driver->Rig().Shot("journal_filters" + Mode());
    const auto contrast = [](double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); };
    // The chosen filter's letters are the lightest of its button, the others' the darkest.
    for (uint32_t i = 0; i < SQuestsPage::kFilters; ++i) {
        const STopicButtonCtrl& button = Inventory().m_questsPage.m_filterButtons[i];
        std::map<uint16_t, int> counts;
        for (int y = button.m_y; y < button.m_y + int(button.m_h); ++y)
            for (int x = button.m_x; x < button.m_x + int(button.m_w); ++x) ++counts[m_driver->Rig().Pixel(x, y)];
        uint16_t ground = 0;
        int most = 0;
        double lightest = 0, darkest = 1;
        for (const auto& [colour, count] : counts) {
            if (count > most) most = count, ground = colour;
            lightest = std::max(lightest, luminance(colour));
            darkest = std::min(darkest, luminance(colour));
        }
        const double letters = i == 0 ? lightest : darkest;
        EXPECT_GE(contrast(letters, luminance(ground)), 3.0) << "filter " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, CharacterNewGameTest, ::testing::Values(7u, 10u));

}  // namespace

}  // namespace character_new_game_test
