#include "screens/death/state_death.h"

#include <gtest/gtest.h>

#include <string>

#include "game/feldmar2.h"
#include "game/game_data.h"
#include "screens/screen_id.h"
#include "support/ui_rig.h"

namespace state_death_test {

namespace {

class DeathScreenTest : public UiRigTest {
protected:
    // The screen entered from the play screen as at 0 hit points: not kept, with stale words.
    SStateDeath& Open(uint32_t mode) {
        UiRig& rig = Start(mode);
        SState& play = *rig.Game().m_currentScreen;
        for (uintptr_t& word : play.m_param) word = 7;
        rig.Game().SwitchState(kDeathScreen);
        rig.Frame();
        return Screen();
    }
    SStateDeath& Screen() { return static_cast<SStateDeath&>(*m_rig->Game().Screen(kDeathScreen)); }
};

// Every screen mode shows the three pictures at their own sizes, the epitaph and the button.
TEST_F(DeathScreenTest, everyScreenModeShowsThePicturesTheEpitaphAndTheButton) {
    for (uint32_t mode : {6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        SStateDeath& screen = Open(mode);
        ASSERT_EQ(m_rig->Game().m_currentScreen, &screen);
        for (const SPicCtrl& picture : screen.m_pictures) {
            ASSERT_TRUE(picture.IsShown());
            ASSERT_NE(picture.m_picture, nullptr);
            EXPECT_EQ(picture.m_picW, picture.m_w) << "drawn at its own size, not stretched";
            EXPECT_EQ(picture.m_picH, picture.m_h);
        }
        EXPECT_TRUE(screen.m_epitaph.IsShown());
        EXPECT_STREQ(screen.m_epitaph.m_words.Text(),
                     " YOU HAVE DIED YOUNG...\rYOUR KING, YOUR COUNTRY AND YOUR GODS MOURN YOU!");
        EXPECT_TRUE(screen.m_toMenu.IsShown());
        EXPECT_EQ(m_rig->Game().m_screenChanged, 0u);
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
        m_rig->Shot("death_mode" + std::to_string(mode));
    }
}

TEST_F(DeathScreenTest, onlyTheButtonLeavesAndItClearsTheWordsAndTheKeepFlag) {
    SStateDeath& screen = Open(7);
    for (uint32_t id : {1u, 24u, 26u, 40u, 107u, 560u, 3006u})
        EXPECT_EQ(screen.OnCommand(id), kStay) << "command " << id;
    screen.m_keep = 1;
    EXPECT_EQ(screen.OnCommand(SStateDeath::kToMenu), kMainMenuScreen);
    EXPECT_EQ(screen.m_keep, 0u);
    for (uintptr_t word : screen.m_param) EXPECT_EQ(word, 0u);
}

TEST_F(DeathScreenTest, theUseKeyPressesTheButton) {
    Open(7);
    m_rig->Key(1000);
    EXPECT_EQ(m_rig->Game().m_currentScreen, &Screen());
    m_rig->Key(kActionUse);
    EXPECT_EQ(m_rig->Game().m_currentScreen, m_rig->Game().Screen(kMainMenuScreen));
    EXPECT_EQ(m_rig->Game().StackDepth(), 0);
}

}  // namespace

}  // namespace state_death_test
