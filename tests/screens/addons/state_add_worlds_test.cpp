#include "screens/addons/state_add_worlds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_data.h"
#include "screens/screen_id.h"
#include "support/ui_rig.h"

namespace state_add_worlds_test {

namespace {

class AddWorldsScreenTest : public UiRigTest {
protected:
    // The rig in the screen mode with `count` add-on worlds listed ("World 0", "World 1"...; every
    // third official, every other enabled), and the screen opened over the play screen.
    SStateAddWorlds& Open(uint32_t mode, int count) {
        UiRig& rig = Start(mode);
        std::vector<SAddOnWorld>& worlds = rig.Game().m_packages.AddOnWorlds();
        for (int i = 0; i < count; ++i) {
            SAddOnWorld& world = worlds.emplace_back();
            world.name.Assign(("World " + std::to_string(i)).c_str());
            world.official = i % 3 == 0;
            world.enabled = i % 2 == 0;
        }
        rig.Game().m_currentScreen->m_keep = 1;
        rig.Game().SwitchState(kAddOnWorldsScreen);
        rig.Frame();
        rig.Sounds().Clear();
        return Screen();
    }
    SStateAddWorlds& Screen() { return static_cast<SStateAddWorlds&>(*m_rig->Game().Screen(kAddOnWorldsScreen)); }
    void TapCtrl(const SCtrl& ctrl) {
        ASSERT_TRUE(ctrl.IsShown()) << "control " << ctrl.m_id << " is not on the screen";
        m_rig->Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2);
    }
    // The names the rows show, in order.
    std::vector<std::string> ShownNames() {
        std::vector<std::string> names;
        for (const SStateAddWorlds::SWorldRow& row : Screen().m_rows)
            if (row.name.IsShown()) names.push_back(row.name.m_words.Text());
        return names;
    }
};

TEST_F(AddWorldsScreenTest, anEmptyListShowsOnlyTheTitleDescriptionMessageAndBack) {
    SStateAddWorlds& screen = Open(7, 0);
    EXPECT_TRUE(screen.m_title.IsShown());
    EXPECT_TRUE(screen.m_description.IsShown());
    EXPECT_TRUE(screen.m_emptyText.IsShown());
    EXPECT_EQ(std::string(screen.m_emptyText.m_words.Text()), "There aren't additional worlds installed.");
    EXPECT_TRUE(screen.m_back.IsShown());
    for (const STextCtrl& header : screen.m_headers) EXPECT_FALSE(header.IsShown());
    EXPECT_FALSE(screen.m_previousPage.IsShown());
    EXPECT_FALSE(screen.m_nextPage.IsShown());
    EXPECT_TRUE(ShownNames().empty());
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("add_worlds_empty_240x320");
}

// Pages are 10 rows at 240x320, 7 at 320x240 and 6 at 240x240: a full page has no page buttons.
TEST_F(AddWorldsScreenTest, exactlyOnePageHasNoPageButtons) {
    for (auto [mode, rows] : {std::pair{7u, 10}, std::pair{6u, 7}, std::pair{8u, 6}, std::pair{15u, 10}}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        SStateAddWorlds& screen = Open(mode, rows);
        EXPECT_EQ(int(ShownNames().size()), rows);
        EXPECT_FALSE(screen.m_previousPage.IsShown());
        EXPECT_FALSE(screen.m_nextPage.IsShown());
        EXPECT_FALSE(screen.m_emptyText.IsShown());
        for (const STextCtrl& header : screen.m_headers) EXPECT_TRUE(header.IsShown());
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
    }
}

TEST_F(AddWorldsScreenTest, oneEntryMoreGivesASecondPageOfOneRow) {
    SStateAddWorlds& screen = Open(6, 8);
    EXPECT_TRUE(screen.m_previousPage.IsShown());
    EXPECT_FALSE(screen.m_previousPage.IsEnabled());
    EXPECT_TRUE(screen.m_nextPage.IsEnabled());
    EXPECT_EQ(ShownNames().size(), 7u);
    m_rig->Shot("add_worlds_first_page_320x240");
    TapCtrl(screen.m_nextPage);
    EXPECT_EQ(screen.Page(), 1);
    EXPECT_EQ(ShownNames(), std::vector<std::string>{"World 7"});
    EXPECT_TRUE(screen.m_previousPage.IsEnabled());
    EXPECT_FALSE(screen.m_nextPage.IsEnabled());
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    TapCtrl(screen.m_previousPage);
    EXPECT_EQ(screen.Page(), 0);
    EXPECT_EQ(ShownNames().size(), 7u);
}

TEST_F(AddWorldsScreenTest, theOfficialFlagPicksTheTypeAndTheEnabledFlagTheMark) {
    SStateAddWorlds& screen = Open(7, 4);
    for (int i = 0; i < 4; ++i) {
        const SStateAddWorlds::SWorldRow& row = screen.m_rows[i];
        EXPECT_EQ(std::string(row.type.m_words.Text()), i % 3 == 0 ? "Official" : "3rd party") << i;
        EXPECT_EQ(row.enabled.IsShown(), i % 2 == 0) << i;
        EXPECT_EQ(row.disabled.IsShown(), i % 2 != 0) << i;
        EXPECT_TRUE(row.remove.IsShown()) << i;
    }
    EXPECT_FALSE(screen.m_rows[4].name.IsShown());
    m_rig->Shot("add_worlds_four_240x320");
}

TEST_F(AddWorldsScreenTest, rowButtonsChangeNothing) {
    SStateAddWorlds& screen = Open(7, 2);
    TapCtrl(screen.m_rows[0].enabled);
    TapCtrl(screen.m_rows[1].disabled);
    TapCtrl(screen.m_rows[0].remove);
    const std::vector<SAddOnWorld>& worlds = m_rig->Game().m_packages.AddOnWorlds();
    ASSERT_EQ(worlds.size(), 2u);
    EXPECT_EQ(worlds[0].enabled, 1);
    EXPECT_EQ(worlds[1].enabled, 0);
    EXPECT_EQ(m_rig->Game().m_currentScreen, &screen);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"World 0", "World 1"}));
    EXPECT_TRUE(m_rig->Sounds().Lines().empty());
}

TEST_F(AddWorldsScreenTest, backClicksAndReturns) {
    SStateAddWorlds& screen = Open(10, 0);
    TapCtrl(screen.m_back);
    EXPECT_EQ(m_rig->Game().m_currentScreen, m_rig->Game().Screen(kPlayScreen));
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"interface sound 1 10"});
}

}  // namespace

}  // namespace state_add_worlds_test
