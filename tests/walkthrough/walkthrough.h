#pragma once
// The sample world played through the whole program as a person plays it: taps on the controls
// the screens show, keys for walking, frames of the main loop in between. A route is a table of
// steps, each an action and what the player should see after it.
#include <functional>
#include <string>
#include <vector>

#include "screens/screen_id.h"
#include "support/program_test.h"
#include "support/route_walker.h"

class WalkthroughTest;

// What a step leaves the player looking at; empty parts are not checked.
struct RouteSight {
    ScreenId screen = ScreenId(0);
    std::string map;      // the map the player stands on, when in play
    std::string message;  // words the open message box holds
    std::string dialog;   // what the play screen waits on: "potions", "map", "door question"...
};

struct RouteStep {
    std::string action;                                // what the player does, as a person would say it
    std::function<std::string(WalkthroughTest&)> act;  // "" when done, else why it could not be
    RouteSight sight;
};

class WalkthroughTest : public ProgramTest {
public:
    // Plays the steps in order; the first that fails, or shows something else, fails the test
    // with its action named.
    void PlayRoute(const std::vector<RouteStep>& route);

    // Frames until the play screen is idle: "" when it is current and in free play, else what is
    // in front of it.
    std::string Settle();
    // One action pressed and let go, through the key that the settings give it.
    void Act(uint32_t action);
    // Taps the middle of a control.
    void TapOn(const SCtrl& ctrl);
    // Runs frames; with a limit, until the screen is the one wanted.
    bool FramesUntil(ScreenId screen, int limit);
    RouteWalker Walker();

    std::string ScreenName(const SState* screen);
    std::string MessageText();
    // Map, cell and heading, as one line.
    std::string WhereThePlayerStands();
    // What the play screen waits on, by its sub-mode: "" in free play.
    std::string PlayDialog();

    std::string m_remembered;  // where the player stood when a step noted it
};

// The steps the routes are written in.
namespace route {

using Act = std::function<std::string(WalkthroughTest&)>;
// A control the step acts on or waits for, found when the step runs.
using Pick = std::function<const SCtrl&(WalkthroughTest&)>;

Act ChooseMenuRow(std::string row);
Act ReadTheIntro();
Act AcceptTheCharacter();
Act WalkTo(std::string map, int x, int y);
Act AnswerOk();
Act OpenTheMainMenu();
Act UseSlot(int slot);
Act AnswerYes();
// Taps the open message box's button of that answer (SDialogMessage::kPick, ...).
Act AnswerWith(uint32_t button);
Act NoteWhereThePlayerStands();
Act CheckThePlayerStandsWhereNoted();
Act CheckQuestSolved(std::string quest);
// Taps a control the current screen (or the play screen's open dialog) shows.
Act TapControl(Pick control);
// Walks up to the person of that monster kind where it stands and uses it, until it talks.
Act TalkTo(std::string monster);
// In a conversation: the topic of that caption, the question's answer (0 the first), goodbye.
Act AskAbout(std::string topic);
Act Reply(int answer);
Act SayGoodbye();
Act CheckQuestActive(std::string quest);
// Plays on until the control shows.
Act WaitUntilShown(Pick control);

}  // namespace route
