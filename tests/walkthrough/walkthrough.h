#pragma once
// The sample world played through the whole program as a person plays it: taps on the controls
// the screens show, keys for walking, frames of the main loop in between. A route is a table of
// steps, each an action and what the player should see after it.
#include <functional>
#include <set>
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
    // Notes the screen and the play screen's dialog now shown as reached.
    void NoteWhatIsShown();

    std::string m_remembered;         // where the player stood when a step noted it
    std::set<std::string> m_reached;  // "screen 4", "dialog potions": every one a step ended on
};

// The steps the routes are written in.
namespace route {

using Act = std::function<std::string(WalkthroughTest&)>;

std::function<std::string(WalkthroughTest&)> TapSplash();
std::function<std::string(WalkthroughTest&)> ChooseMenuRow(std::string row);
std::function<std::string(WalkthroughTest&)> ReadTheIntro();
std::function<std::string(WalkthroughTest&)> AcceptTheCharacter();
std::function<std::string(WalkthroughTest&)> WalkTo(std::string map, int x, int y);
std::function<std::string(WalkthroughTest&)> AnswerOk();
std::function<std::string(WalkthroughTest&)> OpenTheMainMenu();
std::function<std::string(WalkthroughTest&)> UseSlot(int slot);
std::function<std::string(WalkthroughTest&)> AnswerYes();
// Taps the open message box's button of that answer (SDialogMessage::kPick, ...).
std::function<std::string(WalkthroughTest&)> AnswerWith(uint32_t button);
std::function<std::string(WalkthroughTest&)> NoteWhereThePlayerStands();
std::function<std::string(WalkthroughTest&)> CheckThePlayerStandsWhereNoted();
std::function<std::string(WalkthroughTest&)> CheckQuestSolved(std::string quest);
// Taps a control the current screen (or the play screen's open dialog) shows.
std::function<std::string(WalkthroughTest&)> TapControl(std::function<const SCtrl&(WalkthroughTest&)> control);
std::function<std::string(WalkthroughTest&)> Face(int x, int y);
// Walks up to the person of that monster kind where it stands and uses it, until it talks.
std::function<std::string(WalkthroughTest&)> TalkTo(std::string monster);
// In a conversation: the topic of that caption, the question's answer (0 the first), goodbye.
std::function<std::string(WalkthroughTest&)> AskAbout(std::string topic);
std::function<std::string(WalkthroughTest&)> Reply(int answer);
std::function<std::string(WalkthroughTest&)> SayGoodbye();
std::function<std::string(WalkthroughTest&)> CheckQuestActive(std::string quest);
// Picks the row of the open list dialog.
std::function<std::string(WalkthroughTest&)> ChooseListRow(int row);
// Plays on until the control shows.
std::function<std::string(WalkthroughTest&)> WaitUntilShown(std::function<const SCtrl&(WalkthroughTest&)> control);
// Frames of the main loop with nothing done.
std::function<std::string(WalkthroughTest&)> WatchFor(int frames);
// Plays on while the play screen shows that dialog.
std::function<std::string(WalkthroughTest&)> WaitWhile(std::string dialog);
std::function<std::string(WalkthroughTest&)> UseWhatIsAhead();

}  // namespace route
