// The widow's locket played through the driver: Ilse asks for it in conversation, the quest shows
// as active once the player promises, and handing the locket in solves it by the answer's script,
// which takes the locket and pays gold, a level's worth of experience and her blessing.
#include <gtest/gtest.h>

#include <string>

#include "screens/play/village_play.h"
#include "tools/sampledata/sample_abilities.h"
#include "tools/sampledata/sample_village_quest.h"

namespace village_quest_test {

namespace {

// One step of the route: what the player does, and a phrase the conversation then shows ("" for
// none to check).
struct SQuestStep {
    enum Action { kTalkToIlse, kAsk, kReply, kGoodbye, kFindLocket };
    Action action;
    const char* what;  // the topic asked about, or the reply's number
    const char* shows;
    const char* shot = nullptr;  // the rig's screen shot of the name after the step
};

const SQuestStep kAccept[] = {
    {SQuestStep::kTalkToIlse, "", "I have been crying"},
    {SQuestStep::kAsk, "Locket", "Will you bring it to me?", "village-ilse-question"},
    {SQuestStep::kReply, "1", "Bless you!"},
    {SQuestStep::kAsk, "Locket", "Please look for it."},
    {SQuestStep::kGoodbye, "", ""},
};

const SQuestStep kHandIn[] = {
    {SQuestStep::kFindLocket, "", ""},
    {SQuestStep::kTalkToIlse, "", "I have been crying"},
    {SQuestStep::kAsk, "Locket", "Take this, and my thanks.", "village-ilse-thanks"},
    {SQuestStep::kAsk, "Locket", "I will not forget it."},
    {SQuestStep::kGoodbye, "", ""},
};

class VillageQuestTest : public VillageTest {
protected:
    void Walk(std::span<const SQuestStep> route) {
        for (const SQuestStep& step : route) {
            std::string heard;
            SCOPED_TRACE(std::string("step ") + std::to_string(step.action) + " " + step.what);
            switch (step.action) {
                case SQuestStep::kTalkToIlse: {
                    SCreature* ilse = TownCreature("base_widow");
                    ASSERT_NE(ilse, nullptr);
                    Play().TalkToCreature(*Play().m_currentMap, *ilse);
                    SwitchTo(std::exchange(Play().m_pendingScreen, 0));
                    ASSERT_EQ(Game().m_currentScreen, &Talk());
                    break;
                }
                case SQuestStep::kAsk:
                    heard = AskAbout(step.what);
                    ASSERT_FALSE(heard.empty()) << TalkText();
                    break;
                case SQuestStep::kReply:
                    ASSERT_TRUE(Talk().m_answers[0].IsShown()) << TalkText();
                    Command(SStateDialog::kFirstAnswer + uint32_t(std::stoi(step.what) - 1));
                    break;
                case SQuestStep::kGoodbye:
                    Command(SStateDialog::kGoodbye);
                    ASSERT_EQ(Game().m_currentScreen, &Play());
                    break;
                case SQuestStep::kFindLocket: Game().m_player.ReceiveItems(kLocketItem, 1, false); break;
            }
            if (step.shot != nullptr) m_driver->Rig().Shot(step.shot);
            if (heard.empty() && Game().m_currentScreen == &Talk()) heard = TalkText();
            if (*step.shows != 0) {
                EXPECT_NE(heard.find(step.shows), std::string::npos) << heard;
            }
        }
    }
};

TEST_F(VillageQuestTest, ilseGivesTheQuestInConversationAndTheLocketSolvesItForGoldAndALevel) {
    StartInTown();
    SPlayer& player = Game().m_player;
    ASSERT_FALSE(player.HasQuest(kLocketQuest));

    Walk(kAccept);
    ASSERT_FALSE(HasFailure());
    EXPECT_TRUE(player.HasQuest(kLocketQuest)) << "the promise gave the quest";
    EXPECT_FALSE(player.IsQuestSolved(kLocketQuest)) << "and it is open";
    EXPECT_FALSE(player.IsQuestFailed(kLocketQuest));

    const uint32_t gold = player.Gold(), xp = player.Xp(), level = player.Level();
    Walk(kHandIn);
    ASSERT_FALSE(HasFailure());
    EXPECT_TRUE(player.IsQuestSolved(kLocketQuest));
    EXPECT_EQ(player.CountOwnedItemsByName(kLocketItem), 0) << "Ilse took her locket";
    EXPECT_EQ(player.Gold(), gold + kLocketGold);
    EXPECT_EQ(player.Xp(), xp + kLocketXp);
    EXPECT_GT(player.Level(), level) << "the reward is worth a level";
    EXPECT_TRUE(player.HasAbility(kIlsesBlessing));
}

// Asked without the locket, she only reminds; the quest stays open.
TEST_F(VillageQuestTest, withoutTheLocketIlseOnlyReminds) {
    StartInTown();
    Walk(kAccept);
    ASSERT_FALSE(HasFailure());
    const SQuestStep again[] = {
        {SQuestStep::kTalkToIlse, "", ""},
        {SQuestStep::kAsk, "Locket", "Please look for it."},
        {SQuestStep::kGoodbye, "", ""},
    };
    Walk(again);
    EXPECT_FALSE(Game().m_player.IsQuestSolved(kLocketQuest));
}

}  // namespace

}  // namespace village_quest_test
