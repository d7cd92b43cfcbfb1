// Regression: a tap on Yes of the play screen's rest question read the message box after the play
// screen had closed and deleted it, and the program crashed. The walk-through's keys never showed
// it: only the stylus goes through the tapped button's dialog after the answer.
#include <gtest/gtest.h>

#include "ui/dialogs/dialog_message.h"
#include "walkthrough/walkthrough.h"

namespace tapped_answer_test {

namespace {

using namespace route;

TEST_F(WalkthroughTest, aTapOnYesToRestStartsTheRestAndTouchesNoClosedBox) {
    LaunchToMenu();
    // clang-format off
    PlayRoute({
        {"start a new game",                 ChooseMenuRow("Start new game"),  {kSceneScreen}},
        {"page through the intro",           ReadTheIntro(),                   {kCharacterCreationScreen}},
        {"accept the character",             AcceptTheCharacter(),             {kPlayScreen, "base_cellar"}},
        {"ask to rest",                      TapControl([](WalkthroughTest& t) -> const SCtrl& { return t.Play().m_actionButtons[3]; }), {kPlayScreen, "", "", "rest question"}},
        {"tap Yes",                          AnswerWith(SDialogMessage::kYes), {kPlayScreen, "", "", "resting"}},
        {"rest till the report",             WaitUntilShown([](WalkthroughTest& t) -> const SCtrl& { return t.Play().m_rest.m_continue; }), {kPlayScreen, "", "", "resting"}},
        {"get up",                           TapControl([](WalkthroughTest& t) -> const SCtrl& { return t.Play().m_rest.m_continue; }), {kPlayScreen, "", "", ""}},
    });
    // clang-format on
}

}  // namespace

}  // namespace tapped_answer_test
