// Talking at Eastbrook's counters as the player does, through the play screen's use action: the
// counter's person answers, and the scripts of the answers reach the conversation that runs them
// (their lists, gonext), not the play screen whose event started the talk.
#include <gtest/gtest.h>

#include <string>

#include "screens/conversation/state_dialog.h"
#include "screens/interior/state_dialog_interior.h"
#include "screens/play/sample_world_play.h"
#include "screens/screen_id.h"
#include "support/text_ctrl_lines.h"

namespace counter_talk_test {

namespace {

class CounterTalkTest : public SampleWorldPlayTest {
protected:
    // In town on the path before the counter in the town's row y, facing east onto it, the
    // counter used as the use key does.
    void UseCounterAt(int y) {
        PlayDriver& driver = StartSampleWorld();
        Play().TravelToPosition("base_s0303townportal", 0);
        driver.RunUntilIdle(50);
        ASSERT_STREQ(Play().m_currentMap->Name(), "base_s0303");
        Play().m_playerX = 12 + 7;
        Play().m_playerY = y + 7;
        // Headings turn anticlockwise: east is 270.
        Play().m_heading = 270;
        const uint32_t next = Play().Interact(-1, 0);
        if (next != kStay) Game().SwitchState(ScreenId(next));
        driver.Frames(2);
    }
    SState* Current() { return Game().m_currentScreen; }
    void Command(uint32_t id) {
        const uint32_t answer = Current()->OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        m_driver->Frames(2);
    }
};

TEST_F(CounterTalkTest, theCardPlayersTaleGoesOnToItsLastAnswer) {
    UseCounterAt(17);
    ASSERT_EQ(Current(), Game().Screen(kConversationScreen));
    auto& talk = static_cast<SStateDialog&>(*Current());
    Command(SStateDialog::kFirstTopic);
    const std::string text = TextCtrlLines(talk.m_text);
    EXPECT_NE(text.find("Ask me for Cards when you are ready"), std::string::npos) << text;
}

TEST_F(CounterTalkTest, theInnKeepersRumoursOpenTheirListAfterTalkInTheInn) {
    UseCounterAt(15);
    ASSERT_EQ(Current(), Game().Screen(kInteriorScreen));
    Command(SStateDialogInterior::kTalk);
    ASSERT_EQ(Current(), Game().Screen(kConversationScreen));
    auto& talk = static_cast<SStateDialog&>(*Current());
    Command(SStateDialog::kFirstTopic);
    ASSERT_TRUE(talk.ListOpen());
    EXPECT_EQ(talk.m_list.RowCount(), 2);
}

}  // namespace

}  // namespace counter_talk_test
