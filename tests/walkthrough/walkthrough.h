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
#include "support/view_probe.h"

class WalkthroughTest;

// What a step leaves the player looking at; empty parts are not checked.
struct RouteSight {
    ScreenId screen = ScreenId(0);
    std::string map{};      // the map the player stands on, when in play
    std::string message{};  // words the open message box holds
    std::string dialog{};   // what the play screen waits on: "potions", "map", "door question"...
    // What the 3-D view shows, looked for in its pixels: "" when it is seen, else what is not.
    std::function<std::string(WalkthroughTest&)> seen{};
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

    // The play screen's 3-D view as the last frame presented it, and as it is drawn afresh.
    ViewShot ShownView();
    ViewShot RedrawnView();

    std::string m_remembered;  // where the player stood when a step noted it
    ViewShot m_viewBefore;     // the view presented before the step's action
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
// Walks up to the person of that monster kind where it stands and faces it.
Act WalkUpTo(std::string monster);
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

// The errands of Eastbrook and the dungeon below the cellar.
namespace route {

// Walks to (fromX, fromY) of the map and turns to the neighbouring cell (x, y).
Act FaceFrom(std::string map, int fromX, int fromY, int x, int y);
// As FaceFrom, then uses what is there with the hand that is active.
Act UseFrom(std::string map, int fromX, int fromY, int x, int y);
// Taps the shown button of that caption (a topic, a service, a menu entry, a message's answer) on
// the innermost open dialog, else on those beneath it.
Act TapButton(std::string caption);
// In the shop: chooses the first item of that type on offer and buys it, and the gold drops.
Act Buy(std::string itemType);
// Says yes to the room and sleeps until the rest's report, and the clock moves on by the hours.
Act SleepFor(int hours);

// At the card table: frames until the hands are dealt and the player's turn has come.
Act WaitForTheDeal();
// Stands behind the person of that monster kind, who carries goods, and uses it: the steal
// question.
Act SneakUpBehind(std::string monster);
// Opens the inventory by the portrait, on the pack and the pile the player stands on.
Act OpenTheInventory();
// In the inventory: the character page's sheet (3 diseases, 4 active effects) opened by its tab,
// and a row of its list that starts with the text.
Act SeeOnTheCharacterSheet(int sheet, std::string row);
// In the inventory: the first item of that type in the pack chosen; taken from the pile or
// container beside the pack into it.
Act ChooseInThePack(std::string itemType);
Act Take(std::string itemType);
// In the alchemy dialog: the first ingredient in the first slot, and the potion of that type it
// makes brewed.
Act Brew(std::string potion);
// Walks onto the cell of the map and on into the place it leads to.
Act GoDownAt(std::string map, int x, int y);
// Attacks the monster of that kind, stepping up to it as it moves, until it is dead.
Act Defeat(std::string monster);
// Walks onto the pile nearest the player that holds an item of that type.
Act WalkToThePileWith(std::string itemType);

// What the view shows, for a step's sight: the person of that monster kind drawn in the cell
// ahead (the view differs with and without the person), and the door ahead drawn open by the
// frames since the step began, with no key pressed (its face looks otherwise than before, and the
// frame shown is what the world draws afresh).
using Look = std::function<std::string(WalkthroughTest&)>;
Look PersonDrawnAhead(std::string monster);
Look DoorDrawnOpenAhead();

// The picture buttons the errands tap.
const SCtrl& ShopBackButton(WalkthroughTest& t);
const SCtrl& RestContinueButton(WalkthroughTest& t);
const SCtrl& InnLeaveButton(WalkthroughTest& t);
const SCtrl& PlayRestButton(WalkthroughTest& t);
const SCtrl& PlayRestContinueButton(WalkthroughTest& t);
const SCtrl& CardBetAcceptButton(WalkthroughTest& t);
const SCtrl& CardGiveUpButton(WalkthroughTest& t);
const SCtrl& InventoryUseButton(WalkthroughTest& t);
const SCtrl& InventoryCloseButton(WalkthroughTest& t);
const SCtrl& AlchemyCloseButton(WalkthroughTest& t);

}  // namespace route
