#pragma once
// The steps the reachability tours take besides the walk-through's: the menu's side screens, the
// play screen's own buttons and dialogs, the things of the world used face to face, items taken
// from a pile, a scroll read from the spell book, a theft from behind and a fight left unanswered.
#include <string>

#include "walkthrough/walkthrough.h"

namespace route {

// The program started afresh, on its splash screen; then a tap on the splash.
Act StartTheProgram();
Act TapTheSplash();
// The program started afresh and on to its menu.
Act StartAtTheMenu();
// Taps through the pages of the scene on show until the screen given follows it.
Act PageThroughTheScene(ScreenId next);
// The menu's new game, its intro and the character accepted: the first minute of the cellar.
Act BeginANewGame();
// Turns to the neighbouring cell (x, y) and uses what is there with the hand that reaches both of
// a cell's creatures, as a tap on the right half of the view does; frames run until the play
// screen is idle or waits on what the use brought up.
Act UseWhatIsAt(int x, int y);
// Steps from where the player stands into the neighbouring cell (x, y) and runs frames only until
// the play screen waits on something (a travel's fade, a question): the step's sight tells what.
Act StepInto(int x, int y);
// Frames until the play screen is idle again, whatever it waited on running its course.
Act LetItPass();
// A tap on the lower part of the view: the pile the player stands on opens in the inventory.
Act OpenThePileUnderfoot();
// In the inventory's container view: the item of that type selected and taken into the pack.
Act TakeFromThePile(std::string itemType);
// In the inventory: the pack shown (not the pile), the item of that type selected and used.
Act UseFromThePack(std::string itemType);
// Frames until the screen is shown.
Act WaitFor(ScreenId screen);
// In the open spell book: the magic items' tab, the row of the scroll of that type, Cast; frames
// run until the spell has had its effect.
Act CastTheScroll(std::string itemType);
// In the enchanting of the conversation, else of the play screen: the item of that type chosen.
Act ChooseToEnchant(std::string itemType);
// In a conversation or an inn: the service of that command (SStateDialog::kBuySell...).
Act UseTheService(uint32_t command);
// Walks round the person of that monster kind until it stands with its back to the player, and
// uses it from behind.
Act SneakUpOn(std::string monster);
// Strikes the creature in the cell ahead once, then lets it fight back until the game ends.
Act ProvokeAndStandStill(int x, int y);

}  // namespace route
