#include "screens/conversation/state_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "screens/conversation/conversation_fixture.h"
#include "screens/play/state_game.h"
#include "script/script.h"

namespace state_dialog_test {

namespace {

class ConversationScreenTest : public ConversationTest {};

TEST_F(ConversationScreenTest, theGreetingComesFirstThenTheServicesInTheirOrderAndTheTopics) {
    StartTalk(10);
    person.smallValues[3] = 0x01 | 0x02 | 0x04 | 0x08 | 0x40;
    AddTopic("hello", "Hello", {"Well met, %PCName%."}, true);
    AddTopic("work", "Work", {"I shoe horses."});
    AddTopic("town", "Town", {"Eastbrook is quiet."});
    SStateDialog& talk = Open();
    EXPECT_NE(Text().find("Well met"), std::string::npos) << Text();
    EXPECT_EQ(Services(), "Buy/sell|Training|Repair|Enchant|Cards");
    EXPECT_EQ(Topics(), "Work|Town");
    EXPECT_STREQ(talk.m_goodbye.m_topic.Text(), "Goodbye");
    EXPECT_TRUE(talk.TopicButtons()[0]->IsEnabled());
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("conversation_mode10_greeting");

    Command(SStateDialog::kFirstTopic + 1);
    EXPECT_NE(Text().find("Eastbrook is quiet."), std::string::npos);
    EXPECT_EQ(Topics(), "Work|Town");
}

TEST_F(ConversationScreenTest, aPersonWithABuildingShowsNoServicesAndBack) {
    StartTalk(7);
    person.smallValues[3] = 0x0F;
    person.texts[2].Assign("base_inn");
    AddTopic("work", "Work", {"I keep the inn."});
    SStateDialog& talk = Open();
    EXPECT_EQ(Services(), "");
    EXPECT_STREQ(talk.m_goodbye.m_topic.Text(), "Back");
    EXPECT_NE(Text().find("(silence)"), std::string::npos) << "no greeting";
}

TEST_F(ConversationScreenTest, onTheSmallestScreensGoodbyeStandsUnderThePortraitAsWideAsItsFrame) {
    for (uint32_t mode : {7u, 8u}) {
        StartTalk(mode);
        SStateDialog& talk = Open();
        const std::optional<SLayoutRow> frame =
            Game().GetLayoutCtrl(SStateDialog::kLayout, SStateDialog::kPortraitFrame);
        ASSERT_TRUE(frame.has_value());
        EXPECT_EQ(talk.m_goodbye.m_y, frame->y + frame->height + 2) << mode;
        EXPECT_EQ(talk.m_goodbye.m_w, frame->width) << mode;
        EXPECT_EQ(talk.m_name.m_font, 1u);
        m_rig->Frame();
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
    }
}

TEST_F(ConversationScreenTest, goodbyeFromAScriptLeavesOnlyTheGoodbyeButton) {
    StartTalk(7);
    person.smallValues[3] = 0x01;
    SDialogTopic& work = AddTopic("work", "Work", {"Off with you."});
    Script(AnswerOf(work, 0), [](SStateDialog& talk) {
        talk.Goodbye();
        return 0;
    });
    SStateDialog& talk = Open();
    Command(SStateDialog::kFirstTopic);
    EXPECT_TRUE(talk.Ended());
    EXPECT_EQ(Topics(), "");
    EXPECT_EQ(Services(), "");
    EXPECT_TRUE(talk.m_goodbye.IsShown());
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_clickh 10");
}

TEST_F(ConversationScreenTest, goNextWalksTheTopicsAnswersAndTheLastOneRebuildsTheTopics) {
    StartTalk(7);
    SDialogTopic& story = AddTopic("story", "Story", {"Once,", "long ago,", "a dragon slept."});
    for (int i = 0; i < 3; ++i)
        Script(AnswerOf(story, i), [](SStateDialog& talk) {
            talk.GoNext();
            return 0;
        });
    SStateDialog& talk = Open();
    runs = 0;
    Command(SStateDialog::kFirstTopic);
    EXPECT_EQ(runs, 3);
    EXPECT_NE(Text().find("a dragon slept."), std::string::npos);
    EXPECT_EQ(talk.CurrentAnswer(), nullptr);
    EXPECT_EQ(Topics(), "Story");
    EXPECT_TRUE(talk.TopicButtons()[0]->IsEnabled());
}

TEST_F(ConversationScreenTest, anAnswerThatAlwaysGoesFirstStopsAtTheCapWithTheTopicsShown) {
    StartTalk(7);
    SDialogTopic& loop = AddTopic("loop", "Loop", {"Again!"});
    Script(AnswerOf(loop, 0), [](SStateDialog& talk) {
        talk.GoFirst();
        return 0;
    });
    SStateDialog& talk = Open();
    runs = 0;
    const uint32_t before = platform::TickCount();
    Command(SStateDialog::kFirstTopic);
    EXPECT_EQ(runs, SStateDialog::kMostChainedAnswers);
    EXPECT_GE(platform::TickCount() - before, (SStateDialog::kMostChainedAnswers - 1) * SStateDialog::kAnswerPauseMs)
        << "each round waits on the platform's clock";
    EXPECT_EQ(talk.CurrentAnswer(), nullptr);
    EXPECT_EQ(Topics(), "Loop");
}

TEST_F(ConversationScreenTest, answerButtonsSetTheQuestionStateAndOnlyTheFourOfThemAnswer) {
    StartTalk(10);
    SDialogTopic& quest = AddTopic("quest", "Quest", {"Will you find my ring?", "Thank you!", "A pity."});
    AddChoice(AnswerOf(quest, 0), 0, "Yes");
    AddChoice(AnswerOf(quest, 0), 1, "No");
    OnlyForReply(AnswerOf(quest, 1), 1);
    OnlyForReply(AnswerOf(quest, 2), 2);
    SStateDialog& talk = Open();
    Command(SStateDialog::kFirstTopic);
    ASSERT_TRUE(talk.m_answers[0].IsShown());
    ASSERT_TRUE(talk.m_answers[1].IsShown());
    EXPECT_FALSE(talk.m_answers[2].IsShown());
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("conversation_mode10_question");
    for (uint32_t id : {SStateDialog::kFirstAnswer + 2, SStateDialog::kFirstAnswer + 4, uint32_t(0x4400)}) {
        Command(id);
        EXPECT_TRUE(talk.m_answers[0].IsShown()) << std::hex << id << " is no answer on show";
    }
    Command(SStateDialog::kFirstAnswer + 1);
    EXPECT_NE(Text().find("A pity."), std::string::npos) << Text();
    EXPECT_EQ(Text().find("Thank you!"), std::string::npos);
    EXPECT_FALSE(talk.m_answers[0].IsShown());
    EXPECT_EQ(Game().m_scriptContext->Answer(), 0) << "the topic is over";
    EXPECT_EQ(Topics(), "Quest");
}

TEST_F(ConversationScreenTest, choicesThatDoNotFitShowContinueFirst) {
    StartTalk(8);
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "word ";
    SDialogTopic& quest = AddTopic("quest", "Quest", {longText.c_str()});
    AddChoice(AnswerOf(quest, 0), 0, "Yes");
    AddChoice(AnswerOf(quest, 0), 1, "No");
    SStateDialog& talk = Open();
    Command(SStateDialog::kFirstTopic);
    EXPECT_TRUE(talk.m_continue.IsShown());
    EXPECT_FALSE(talk.m_answers[0].IsShown());
    for (int i = 0; i < 10 && talk.m_continue.IsShown(); ++i) Command(SStateDialog::kContinue);
    EXPECT_FALSE(talk.m_continue.IsShown());
    EXPECT_TRUE(talk.m_answers[0].IsShown());
}

TEST_F(ConversationScreenTest, theChoiceListTakesARowAndOkWithNoRowDoesNothing) {
    StartTalk(10);
    SDialogTopic& trip = AddTopic("trip", "Travel", {"Where to?", "Off we go."});
    Script(AnswerOf(trip, 0), [](SStateDialog& talk) {
        talk.OpenChoiceList();
        talk.AddListLine("base_north", "North road");
        talk.AddListLine("base_south", "South road");
        return 0;
    });
    std::string chosen;
    Script(AnswerOf(trip, 1), [&](SStateDialog&) {
        chosen = Game().m_scriptContext->ListResult().Text();
        return 0;
    });
    SStateDialog& talk = Open();
    Command(SStateDialog::kFirstTopic);
    ASSERT_TRUE(talk.m_list.IsShown());
    EXPECT_EQ(talk.m_list.RowCount(), 2);
    m_rig->Frame();
    m_rig->Shot("conversation_mode10_list");
    Command(SStateDialog::kListOk);
    EXPECT_TRUE(talk.ListOpen()) << "Ok with no row chosen";
    talk.m_list.Select(1);
    Command(SStateDialog::kListOk);
    EXPECT_FALSE(talk.ListOpen());
    EXPECT_FALSE(talk.m_list.IsShown());
    EXPECT_EQ(chosen, "base_south");
    EXPECT_NE(Text().find("South road"), std::string::npos);
    EXPECT_NE(Text().find("Off we go."), std::string::npos);
}

TEST_F(ConversationScreenTest, notEnoughGoldForTheStakeSaysSoAndTheTopicsStayUsable) {
    StartTalk(7);
    person.smallValues[3] = 0x40;
    person.signedValue = 100;
    AddTopic("work", "Work", {"Cards, mostly."});
    SStateDialog& talk = Open();
    Player().RemoveGold(Player().Gold(), false);
    Command(SStateDialog::kCards);
    ASSERT_EQ(talk.SubModeNow(), uint32_t(SStateDialog::kCardBetOpen));
    EXPECT_EQ(Command(SDialogCardBet::kAccept), uint32_t(kStay));
    EXPECT_EQ(talk.m_child, &talk.m_message);
    EXPECT_EQ(TextCtrlLines(talk.m_messageText), "You don't have enough money.");
    Command(SDialogMessage::kOk);
    EXPECT_EQ(talk.m_child, nullptr);
    Command(SStateDialog::kFirstTopic);
    EXPECT_NE(Text().find("Cards, mostly."), std::string::npos);

    Player().ReceiveGold(1000, false, false);
    Command(SStateDialog::kCards);
    EXPECT_EQ(Command(SDialogCardBet::kAccept), uint32_t(kCardGameScreen));
    EXPECT_EQ(Game().m_currentScreen, Game().Screen(kCardGameScreen));
}

TEST_F(ConversationScreenTest, aCityDoorsConversationEndsWithTheDoorClosing) {
    StartTalk(7);
    SStateDialog& talk = Open();
    talk.SetDoor(true);
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_cdoorclose 10");
    Open();
    m_rig->Sounds().Clear();
    Command(SStateDialog::kGoodbye);
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_clickh 10") << "the door closed once";
}

TEST_F(ConversationScreenTest, aFailingScriptQueuesScriptErrorAndTheTalkGoesOn) {
    StartTalk(7);
    SDialogTopic& broken = AddTopic("broken", "Broken", {"Hm?"});
    Script(AnswerOf(broken, 0), [](SStateDialog&) { return 7; });
    SStateDialog& talk = Open();
    Command(SStateDialog::kFirstTopic);
    EXPECT_TRUE(SStateGame::Of(Game())->HasPendingMessage());
    EXPECT_EQ(Topics(), "Broken");
    EXPECT_TRUE(talk.TopicButtons()[0]->IsEnabled());
    EXPECT_FALSE(talk.Ended());
}

TEST_F(ConversationScreenTest, servicesHandTheMerchantOverToTheShop) {
    StartTalk(7);
    person.smallValues[3] = 0x01;
    Open();
    EXPECT_EQ(Command(SStateDialog::kBuySell), uint32_t(kShopScreen));
    SState& shop = *Game().Screen(kShopScreen);
    EXPECT_EQ(Game().m_currentScreen, &shop);
    EXPECT_EQ(shop.m_param[1], reinterpret_cast<uintptr_t>(&person));
    EXPECT_EQ(Command(531), uint32_t(kGoBack));
    EXPECT_EQ(Game().m_currentScreen, &Talk());
}

}  // namespace

}  // namespace state_dialog_test
