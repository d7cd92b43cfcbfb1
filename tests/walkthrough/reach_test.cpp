// Every screen of the game, every dialog of the play screen and every dialog any screen opens over
// itself, opened at least once on the sample world by a few tours a player could take: the menus
// and the new character, the cellar, the road to Eastbrook and the town, and a fight left
// unanswered. What a tour shows after each step counts as reached; each tour names what it claimed
// and did not reach, and prints what it did, and the tours between them claim everything.
#include <gtest/gtest.h>

#include <cctype>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "screens/addons/state_add_worlds.h"
#include "screens/cards/state_card.h"
#include "screens/conversation/state_dialog.h"
#include "screens/creation/state_generate.h"
#include "screens/interior/state_dialog_interior.h"
#include "screens/inventory/state_inventory.h"
#include "screens/loadsave/state_load_save.h"
#include "screens/settings/state_settings.h"
#include "screens/shop/state_shop.h"
#include "ui/dialogs/dialog_alchemy.h"
#include "ui/dialogs/dialog_card_bet.h"
#include "ui/dialogs/dialog_enchant.h"
#include "ui/dialogs/dialog_enchant_entry_other.h"
#include "ui/dialogs/dialog_enchant_entry_wand_scroll.h"
#include "ui/dialogs/dialog_enchant_item.h"
#include "ui/dialogs/dialog_enchant_recharge_wand.h"
#include "ui/dialogs/dialog_face_select.h"
#include "ui/dialogs/dialog_game_map.h"
#include "ui/dialogs/dialog_item_read.h"
#include "ui/dialogs/dialog_list.h"
#include "ui/dialogs/dialog_loading.h"
#include "ui/dialogs/dialog_lockpick.h"
#include "ui/dialogs/dialog_mark_recall.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/dialogs/dialog_potion.h"
#include "ui/dialogs/dialog_race_select.h"
#include "ui/dialogs/dialog_repair.h"
#include "ui/dialogs/dialog_repair_shop.h"
#include "ui/dialogs/dialog_rest.h"
#include "ui/dialogs/dialog_select_class.h"
#include "ui/dialogs/dialog_select_skill.h"
#include "ui/dialogs/dialog_ship_travel.h"
#include "ui/dialogs/dialog_spellbook.h"
#include "ui/dialogs/dialog_text_edit.h"
#include "ui/dialogs/dialog_training.h"
#include "walkthrough/reach_acts.h"

namespace reach_test {

namespace {

using namespace route;

// The play screen's dialogs as the walk-through names its sub-modes.
const char* const kPlayDialogs[] = {
    "message", "travel question", "travel fade",   "choice list",  "spell book",
    "map",     "potions",         "door question", "lock picking", "rest question",
    "resting", "steal question",  "mark recall",   "enchanting",   "ship travel",
};

const ScreenId kScreens[] = {
    kPlayScreen,   kConversationScreen, kInteriorScreen, kInventoryScreen,   kShopScreen,
    kSplashScreen, kDeathScreen,        kLoadSaveScreen, kMainMenuScreen,    kCharacterCreationScreen,
    kSceneScreen,  kCardGameScreen,     kSettingsScreen, kAddOnWorldsScreen,
};

std::string dialogSight(const std::string& dialog) { return "play dialog " + dialog; }

// The dialogs any screen opens over itself, by their class.
struct SDialogKind {
    const char* name;
    bool (*is)(const SDialog&);
};
template <typename Dialog>
bool isA(const SDialog& dialog) {
    return dynamic_cast<const Dialog*>(&dialog) != nullptr;
}
const SDialogKind kDialogs[] = {
    {"alchemy", isA<SDialogAlchemy>},
    {"card bet", isA<SDialogCardBet>},
    {"enchant", isA<SDialogEnchant>},
    {"enchant entry for an item", isA<SDialogEnchantEntryOther>},
    {"enchant entry for a wand or scroll", isA<SDialogEnchantEntryWandScroll>},
    {"enchant item", isA<SDialogEnchantItem>},
    {"recharge wand", isA<SDialogEnchantRechargeWand>},
    {"face select", isA<SDialogFaceSelect>},
    {"game map", isA<SDialogGameMap>},
    {"item read", isA<SDialogItemRead>},
    {"list", isA<SDialogList>},
    {"loading", isA<SDialogLoading>},
    {"lockpick", isA<SDialogLockpick>},
    {"mark recall", isA<SDialogMarkRecall>},
    {"message", isA<SDialogMessage>},
    {"potion", isA<SDialogPotion>},
    {"race select", isA<SDialogRaceSelect>},
    {"repair", isA<SDialogRepair>},
    {"repair shop", isA<SDialogRepairShop>},
    {"rest", isA<SDialogRest>},
    {"select class", isA<SDialogSelectClass>},
    {"select skill", isA<SDialogSelectSkill>},
    {"ship travel", isA<SDialogShipTravel>},
    {"spellbook", isA<SDialogSpellbook>},
    {"text edit", isA<SDialogTextEdit>},
    {"training", isA<SDialogTraining>},
};
std::string dialogKindSight(const char* name) { return std::string("dialog ") + name; }

class ReachTest : public WalkthroughTest {
protected:
    // Plays the tour's steps until one cannot be done or shows something else than its sight; the
    // screen and the dialogs open after every step count as reached.
    void Tour(const std::string& name, const std::vector<RouteStep>& steps) {
        for (const RouteStep& step : steps) {
            const std::string why = step.act(*this);
            look();
            const std::string differs = why.empty() ? differsFrom(step.sight) : why;
            if (!differs.empty()) {
                m_stops.push_back(name + ": could not " + step.action + ": " + differs);
                return;
            }
        }
    }
    // Every screen and dialog there is, as the tours name them.
    std::vector<std::string> Everything() {
        std::vector<std::string> all;
        for (ScreenId id : kScreens) all.push_back(ScreenName(Game().Screen(id)));
        for (const char* dialog : kPlayDialogs) all.push_back(dialogSight(dialog));
        for (const SDialogKind& kind : kDialogs) all.push_back(dialogKindSight(kind.name));
        return all;
    }

    std::set<std::string> m_reached;
    std::vector<std::string> m_stops;

private:
    void look() {
        if (!m_app) return;
        m_reached.insert(ScreenName(Current()));
        if (Current() == &Play() && !PlayDialog().empty()) m_reached.insert(dialogSight(PlayDialog()));
        for (const SDialog* open = Current() ? Current()->m_child : nullptr; open != nullptr; open = open->m_child)
            for (const SDialogKind& kind : kDialogs)
                if (kind.is(*open)) m_reached.insert(dialogKindSight(kind.name));
    }
    std::string differsFrom(const RouteSight& sight) {
        if (sight.screen != ScreenId(0) && Current() != Game().Screen(sight.screen))
            return ScreenName(Current()) + " is shown, not " + ScreenName(Game().Screen(sight.screen));
        if (!sight.map.empty() && (Play().m_currentMap == nullptr || Play().m_currentMap->Name() != sight.map))
            return "the player is not on " + sight.map + " but at " + WhereThePlayerStands();
        if (!sight.dialog.empty() && PlayDialog() != sight.dialog)
            return "the play screen shows " + (PlayDialog().empty() ? "no dialog" : PlayDialog()) + ", not " +
                   sight.dialog;
        return "";
    }
};

template <typename Screen>
Screen& screen(WalkthroughTest& t, ScreenId id) {
    return static_cast<Screen&>(*t.Game().Screen(id));
}

// The button that cancels the play screen's open choice list, or the Play screen's hidden rest
// report button when no list is open (a hidden control is refused as not shown).
const SCtrl& choiceCancel(WalkthroughTest& t) {
    auto* list = dynamic_cast<SDialogList*>(t.Play().m_child);
    return list != nullptr ? static_cast<const SCtrl&>(list->m_cancel) : t.Play().m_rest.m_continue;
}

const SCtrl& actionButton(WalkthroughTest& t, int i) { return t.Play().m_actionButtons[i]; }

// The controls the tours tap.
const SCtrl& settingsClose(WalkthroughTest& t) { return screen<SStateSettings>(t, kSettingsScreen).m_close; }
const SCtrl& addOnWorldsBack(WalkthroughTest& t) { return screen<SStateAddWorlds>(t, kAddOnWorldsScreen).m_back; }
const SCtrl& loadSaveBack(WalkthroughTest& t) { return screen<SStateLoadSave>(t, kLoadSaveScreen).m_back; }
const SCtrl& inventoryClose(WalkthroughTest& t) { return screen<SStateInventory>(t, kInventoryScreen).m_close; }
const SCtrl& restButton(WalkthroughTest& t) { return actionButton(t, 3); }
const SCtrl& potionsButton(WalkthroughTest& t) { return actionButton(t, 2); }
const SCtrl& spellBookButton(WalkthroughTest& t) { return actionButton(t, 1); }
const SCtrl& restReportButton(WalkthroughTest& t) { return t.Play().m_rest.m_continue; }
const SCtrl& automap(WalkthroughTest& t) { return t.Play().m_automapCtrl; }
const SCtrl& mapClose(WalkthroughTest& t) { return t.Play().m_mapDialog.m_closeButton; }
const SCtrl& potionsClose(WalkthroughTest& t) { return t.Play().m_potions.m_close; }
const SCtrl& markRecallCancel(WalkthroughTest& t) { return t.Play().m_markRecall.m_cancel; }
const SCtrl& shipTravelOk(WalkthroughTest& t) { return t.Play().m_shipTravel.m_ok; }
const SCtrl& lockpickClose(WalkthroughTest& t) { return t.Play().m_lockpick.m_close; }
const SCtrl& shopBack(WalkthroughTest& t) { return screen<SStateShop>(t, kShopScreen).m_back; }
const SCtrl& interiorLeave(WalkthroughTest& t) { return screen<SStateDialogInterior>(t, kInteriorScreen).m_leave; }
const SCtrl& cardBetAccept(WalkthroughTest& t) {
    return screen<SStateDialog>(t, kConversationScreen).m_cardBet.m_accept;
}

SStateGenerate& creation(WalkthroughTest& t) { return screen<SStateGenerate>(t, kCharacterCreationScreen); }
SStateInventory& inventory(WalkthroughTest& t) { return screen<SStateInventory>(t, kInventoryScreen); }
const SCtrl& renameButton(WalkthroughTest& t) { return creation(t).m_rename; }
const SCtrl& nameEntryCancel(WalkthroughTest& t) { return creation(t).m_nameEntry.m_cancel; }
const SCtrl& raceButton(WalkthroughTest& t) { return creation(t).m_changeRace; }
const SCtrl& raceCancel(WalkthroughTest& t) { return creation(t).m_raceChoice.m_cancel; }
const SCtrl& classButton(WalkthroughTest& t) { return creation(t).m_selectClass; }
const SCtrl& classCancel(WalkthroughTest& t) { return creation(t).m_classChoice.m_cancel; }
const SCtrl& firstSkillSlot(WalkthroughTest& t) { return creation(t).m_slots[0]; }
const SCtrl& skillCancel(WalkthroughTest& t) { return creation(t).m_skillChoice.m_cancel; }
const SCtrl& creationOk(WalkthroughTest& t) { return creation(t).m_ok; }
const SCtrl& readerClose(WalkthroughTest& t) { return inventory(t).m_reader.m_close; }
const SCtrl& alchemyClose(WalkthroughTest& t) { return inventory(t).m_alchemy.m_close; }
const SCtrl& repairClose(WalkthroughTest& t) { return inventory(t).m_repair.m_close; }
const SCtrl& characterTab(WalkthroughTest& t) { return inventory(t).m_pageTabButtons[1]; }
const SCtrl& characterRename(WalkthroughTest& t) { return inventory(t).m_characterHeader.m_rename; }
const SCtrl& characterNameCancel(WalkthroughTest& t) { return inventory(t).m_nameEntry.m_cancel; }
const SCtrl& portraitChoice(WalkthroughTest& t) { return inventory(t).m_characterHeader.m_choosePortrait; }
const SCtrl& portraitCancel(WalkthroughTest& t) { return inventory(t).m_faceSelect.m_cancel; }
SStateDialogInterior& inn(WalkthroughTest& t) { return screen<SStateDialogInterior>(t, kInteriorScreen); }
SDialogEnchant& enchant(WalkthroughTest& t) { return t.Play().m_enchanting.m_enchant; }
const SCtrl& enchantAdd(WalkthroughTest& t) { return enchant(t).m_add; }
const SCtrl& enchantCancel(WalkthroughTest& t) { return enchant(t).m_cancel; }
const SCtrl& otherEntryCancel(WalkthroughTest& t) { return enchant(t).m_otherEditor.m_cancel; }
const SCtrl& wandScrollEntryCancel(WalkthroughTest& t) { return enchant(t).m_wandScrollEditor.m_cancel; }
SStateDialog& talk(WalkthroughTest& t) { return screen<SStateDialog>(t, kConversationScreen); }
const SCtrl& rechargeCancel(WalkthroughTest& t) { return talk(t).m_enchant.m_rechargeWand.m_cancel; }
const SCtrl& orlaEnchantClose(WalkthroughTest& t) { return talk(t).m_enchant.m_close; }
const SCtrl& trainingClose(WalkthroughTest& t) { return inn(t).m_training.m_close; }
const SCtrl& repairShopClose(WalkthroughTest& t) { return inn(t).m_repair.m_close; }
const SCtrl& innRestReport(WalkthroughTest& t) { return inn(t).m_rest.m_continue; }

// clang-format off
std::vector<RouteStep> TheMenus() {
    return {
        {"start the program",               StartTheProgram(),                {kSplashScreen}},
        {"tap the splash",                  TapTheSplash(),                   {kMainMenuScreen}},
        {"open the settings",               ChooseMenuRow("Settings"),        {kSettingsScreen}},
        {"close them",                      TapControl(settingsClose), {kMainMenuScreen}},
        {"open the additional worlds",      ChooseMenuRow("Additional worlds"), {kAddOnWorldsScreen}},
        {"go back",                         TapControl(addOnWorldsBack), {kMainMenuScreen}},
        {"watch the credits",               ChooseMenuRow("Credits"),         {kSceneScreen}},
        {"page through them",               PageThroughTheScene(kMainMenuScreen), {kMainMenuScreen}},
        {"start a new game",                ChooseMenuRow("Start new game"),  {kSceneScreen}},
        {"page through the intro",          ReadTheIntro(),                   {kCharacterCreationScreen}},
        {"choose a name",                   TapControl(renameButton),         {kCharacterCreationScreen}},
        {"keep the one given",              TapControl(nameEntryCancel),      {kCharacterCreationScreen}},
        {"look at the races",               TapControl(raceButton),           {kCharacterCreationScreen}},
        {"keep the race",                   TapControl(raceCancel),           {kCharacterCreationScreen}},
        {"look at the classes",             TapControl(classButton),          {kCharacterCreationScreen}},
        {"keep the class",                  TapControl(classCancel),          {kCharacterCreationScreen}},
        {"look at the first skill",         TapControl(firstSkillSlot),       {kCharacterCreationScreen}},
        {"keep it",                         TapControl(skillCancel),          {kCharacterCreationScreen}},
        {"accept the character",            TapControl(creationOk),           {}},
        {"wait for the game to begin",      WaitFor(kPlayScreen),             {kPlayScreen, "base_cellar"}},
        {"open the main menu over it",      OpenTheMainMenu(),                {kMainMenuScreen}},
        {"choose Save Game",                ChooseMenuRow("Save Game"),       {kLoadSaveScreen}},
        {"go back",                         TapControl(loadSaveBack), {kMainMenuScreen}},
        {"continue the game",               ChooseMenuRow("Continue game"),   {kPlayScreen, "base_cellar"}},
    };
}

std::vector<RouteStep> TheCellar() {
    return {
        {"start the program at its menu",   StartAtTheMenu(), {kMainMenuScreen}},
        {"begin a new game",                BeginANewGame(),                  {kPlayScreen, "base_cellar"}},
        {"ask to rest",                     TapControl(restButton), {kPlayScreen, "", "", "rest question"}},
        {"say yes",                         AnswerWith(SDialogMessage::kYes), {kPlayScreen, "", "", "resting"}},
        {"rest till the report",            WaitUntilShown(restReportButton), {kPlayScreen, "", "", "resting"}},
        {"get up",                          TapControl(restReportButton), {kPlayScreen, "", "", ""}},
        {"open the map",                    TapControl(automap), {kPlayScreen, "", "", "map"}},
        {"close it",                        TapControl(mapClose), {kPlayScreen, "", "", ""}},
        {"walk before the sign",            WalkTo("base_cellar", 20, 15),    {kPlayScreen, "base_cellar"}},
        {"read it",                         UseWhatIsAt(20, 14),              {kPlayScreen, "", "Mind the goblin", "message"}},
        {"put the message away",            AnswerOk(),                       {kPlayScreen, "", "", ""}},
        {"walk onto the chest",             WalkTo("base_cellar", 16, 19),    {kPlayScreen, "base_cellar"}},
        {"open it",                         OpenThePileUnderfoot(),           {kInventoryScreen}},
        {"take the healing potion",         TakeFromThePile("base_phealsmall"), {kInventoryScreen}},
        {"take the letter",                 TakeFromThePile("base_letter_welcome"), {kInventoryScreen}},
        {"take the mortar",                 TakeFromThePile("base_alc_mortarbeginner"), {kInventoryScreen}},
        {"take the hammer",                 TakeFromThePile("base_repair_hammerapprentice"), {kInventoryScreen}},
        {"take the book of Feather",        TakeFromThePile("base_spbookfeather"), {kInventoryScreen}},
        {"learn Feather from it",           UseFromThePack("base_spbookfeather"), {kInventoryScreen}},
        {"read what it taught",             AnswerOk(),                       {kInventoryScreen}},
        {"close the book",                  TapControl(readerClose),          {kInventoryScreen}},
        {"read the letter",                 UseFromThePack("base_letter_welcome"), {kInventoryScreen}},
        {"fold the letter",                 TapControl(readerClose),          {kInventoryScreen}},
        {"take up the mortar",              UseFromThePack("base_alc_mortarbeginner"), {kInventoryScreen}},
        {"put the mortar away",             TapControl(alchemyClose),         {kInventoryScreen}},
        {"take up the hammer",              UseFromThePack("base_repair_hammerapprentice"), {kInventoryScreen}},
        {"put the hammer away",             TapControl(repairClose),          {kInventoryScreen}},
        {"turn to the character",           TapControl(characterTab),         {kInventoryScreen}},
        {"think of another name",           TapControl(characterRename),      {kInventoryScreen}},
        {"keep the name",                   TapControl(characterNameCancel),  {kInventoryScreen}},
        {"look at the portraits",           TapControl(portraitChoice),       {kInventoryScreen}},
        {"keep the portrait",               TapControl(portraitCancel),       {kInventoryScreen}},
        {"close the inventory",             TapControl(inventoryClose), {kPlayScreen}},
        {"look at the potions",             TapControl(potionsButton), {kPlayScreen, "", "", "potions"}},
        {"close them",                      TapControl(potionsClose), {kPlayScreen, "", "", ""}},
        {"walk onto the casket",            WalkTo("base_cellar", 15, 18),    {kPlayScreen, "base_cellar"}},
        {"open it",                         OpenThePileUnderfoot(),           {kInventoryScreen}},
        {"take the scroll of marking",      TakeFromThePile("base_scrmark"),  {kInventoryScreen}},
        {"take the scroll of enchanting",   TakeFromThePile("base_screnchant"), {kInventoryScreen}},
        {"take the other one",              TakeFromThePile("base_screnchant"), {kInventoryScreen}},
        {"take the blank scroll",           TakeFromThePile("base_scrblank"), {kInventoryScreen}},
        {"take the plain ring",             TakeFromThePile("base_ring_plaingold"), {kInventoryScreen}},
        {"close the inventory",             TapControl(inventoryClose), {kPlayScreen}},
        {"open the spell book",             TapControl(spellBookButton), {kPlayScreen, "", "", "spell book"}},
        {"read the scroll of marking",      CastTheScroll("base_scrmark"),    {kPlayScreen, "", "", "mark recall"}},
        {"mark nothing",                    TapControl(markRecallCancel), {kPlayScreen}},
        {"open the spell book again",       TapControl(spellBookButton), {kPlayScreen, "", "", "spell book"}},
        {"read the scroll of enchanting",   CastTheScroll("base_screnchant"), {kPlayScreen, "", "", "enchanting"}},
        {"choose the plain ring",           ChooseToEnchant("base_ring_plaingold"), {kPlayScreen, "", "", "enchanting"}},
        {"add a spell to it",               TapControl(enchantAdd),           {kPlayScreen, "", "", "enchanting"}},
        {"add none",                        TapControl(otherEntryCancel),     {kPlayScreen, "", "", "enchanting"}},
        {"leave the ring as it is",         TapControl(enchantCancel),        {kPlayScreen}},
        {"open the spell book once more",   TapControl(spellBookButton),      {kPlayScreen, "", "", "spell book"}},
        {"read the other enchanting scroll", CastTheScroll("base_screnchant"), {kPlayScreen, "", "", "enchanting"}},
        {"choose the blank scroll",         ChooseToEnchant("base_scrblank"), {kPlayScreen, "", "", "enchanting"}},
        {"write a spell on it",             TapControl(enchantAdd),           {kPlayScreen, "", "", "enchanting"}},
        {"write none",                      TapControl(wandScrollEntryCancel), {kPlayScreen, "", "", "enchanting"}},
        {"leave the scroll blank",          TapControl(enchantCancel),        {kPlayScreen}},
    };
}

std::vector<RouteStep> TheRoadToEastbrook() {
    return {
        {"start the program at its menu",   StartAtTheMenu(), {kMainMenuScreen}},
        {"begin a new game",                BeginANewGame(),                  {kPlayScreen, "base_cellar"}},
        {"walk onto the chest",             WalkTo("base_cellar", 16, 19),    {kPlayScreen, "base_cellar"}},
        {"open it",                         OpenThePileUnderfoot(),           {kInventoryScreen}},
        {"take the lockpick",               TakeFromThePile("base_key_lockpickbeginner"), {kInventoryScreen}},
        {"close the inventory",             TapControl(inventoryClose),       {kPlayScreen}},
        {"walk onto the casket",            WalkTo("base_cellar", 15, 18),    {kPlayScreen, "base_cellar"}},
        {"open it",                         OpenThePileUnderfoot(),           {kInventoryScreen}},
        {"take the wand",                   TakeFromThePile("base_wand_embers"), {kInventoryScreen}},
        {"close the inventory",             TapControl(inventoryClose),       {kPlayScreen}},
        {"open the spell book",             TapControl(spellBookButton),      {kPlayScreen, "", "", "spell book"}},
        {"spend a charge of the wand",      CastTheScroll("base_wand_embers"), {kPlayScreen}},
        {"let the embers fly",              LetItPass(),                      {kPlayScreen}},
        {"walk to the foot of the stairs",  WalkTo("base_cellar", 21, 19),    {kPlayScreen, "base_cellar"}},
        {"climb them",                      StepInto(21, 18),                 {kPlayScreen, "", "", "travel fade"}},
        {"come up at the crossroads",       LetItPass(),                      {kPlayScreen, "base_s0202"}},
        // Right after the climb the signpost does not answer a use; a step away and back, it does.
        {"step aside",                      WalkTo("base_s0202", 11, 16),     {kPlayScreen}},
        {"step back before the signpost",   WalkTo("base_s0202", 12, 16),     {kPlayScreen}},
        {"ask the signpost the way",        UseWhatIsAt(12, 17),              {kPlayScreen, "", "", "choice list"}},
        {"ask nothing",                     TapControl(choiceCancel),         {kPlayScreen}},
        {"walk to the ferry post",          WalkTo("base_s0302", 14, 10),     {kPlayScreen, "base_s0302"}},
        {"use it",                          UseWhatIsAt(14, 9),               {kPlayScreen, "", "", "travel question"}},
        {"say no",                          AnswerWith(SDialogMessage::kNo),  {kPlayScreen, "", "", ""}},
        {"walk to the boat",                WalkTo("base_s0302", 16, 10),     {kPlayScreen, "base_s0302"}},
        {"board it",                        UseWhatIsAt(16, 9),               {kPlayScreen, "", "", "ship travel"}},
        {"sail",                            TapControl(shipTravelOk), {kPlayScreen}},
        {"land in Eastbrook",               LetItPass(),                      {kPlayScreen, "base_s0303"}},
        {"walk to the locked house",        WalkTo("base_s0303", 3, 14),      {kPlayScreen, "base_s0303"}},
        {"try its door",                    UseWhatIsAt(3, 15),               {kPlayScreen, "", "", "door question"}},
        {"pick the lock",                   AnswerWith(SDialogMessage::kPick), {kPlayScreen, "", "", "lock picking"}},
        {"give it up",                      TapControl(lockpickClose), {kPlayScreen}},
        {"settle",                          LetItPass(),                      {kPlayScreen}},
        {"sneak up on the pedlar",          SneakUpOn("base_pedlar"),         {kPlayScreen, "", "", "steal question"}},
        {"think better of it",              AnswerWith(SDialogMessage::kNo),  {kPlayScreen}},
        {"walk to Tobin's counter",         WalkTo("base_s0303", 12, 13),     {kPlayScreen, "base_s0303"}},
        {"talk to Tobin",                   UseWhatIsAt(13, 13),              {kConversationScreen}},
        {"ask to trade",                    UseTheService(SStateDialog::kBuySell), {kShopScreen}},
        {"leave the shop",                  TapControl(shopBack), {kConversationScreen}},
        {"say goodbye to Tobin",            SayGoodbye(),                     {kPlayScreen}},
        {"walk to Hale's inn",              WalkTo("base_s0303", 12, 15),     {kPlayScreen, "base_s0303"}},
        {"go in",                           UseWhatIsAt(13, 15),              {kInteriorScreen}},
        {"ask for training",                UseTheService(SStateDialogInterior::kTraining), {kInteriorScreen}},
        {"train nothing",                   TapControl(trainingClose),        {kInteriorScreen}},
        {"ask for repairs",                 UseTheService(SStateDialogInterior::kRepair), {kInteriorScreen}},
        {"repair nothing",                  TapControl(repairShopClose),      {kInteriorScreen}},
        {"ask for a bed",                   UseTheService(SStateDialogInterior::kSleep), {kInteriorScreen}},
        {"take the room",                   AnswerWith(SDialogMessage::kYes), {kInteriorScreen}},
        {"sleep till the report",           WaitUntilShown(innRestReport),    {kInteriorScreen}},
        {"get up",                          TapControl(innRestReport),        {kInteriorScreen}},
        {"leave",                           TapControl(interiorLeave), {kPlayScreen}},
        {"walk to Orla's stall",            WalkTo("base_s0303", 16, 3),      {kPlayScreen, "base_s0303"}},
        {"talk to Orla",                    UseWhatIsAt(17, 3),               {kConversationScreen}},
        {"ask for an enchantment",          UseTheService(SStateDialog::kEnchant), {kConversationScreen}},
        {"choose the wand",                 ChooseToEnchant("base_wand_embers"), {kConversationScreen}},
        {"leave it as it is",               TapControl(rechargeCancel),       {kConversationScreen}},
        {"choose nothing",                  TapControl(orlaEnchantClose),     {kConversationScreen}},
        {"say goodbye to Orla",             SayGoodbye(),                     {kPlayScreen}},
        {"walk to Wenna's table",           WalkTo("base_s0303", 12, 17),     {kPlayScreen, "base_s0303"}},
        {"talk to Wenna",                   UseWhatIsAt(13, 17),              {kConversationScreen}},
        {"ask for a game of cards",         UseTheService(SStateDialog::kCards), {kConversationScreen}},
        {"accept the stake",                TapControl(cardBetAccept), {kCardGameScreen}},
    };
}

std::vector<RouteStep> AFightLost() {
    return {
        {"start the program at its menu",   StartAtTheMenu(), {kMainMenuScreen}},
        {"begin a new game",                BeginANewGame(),                  {kPlayScreen, "base_cellar"}},
        {"walk up to the goblin",           WalkTo("base_cellar", 18, 17),    {kPlayScreen, "base_cellar"}},
        {"strike it and let it fight back", ProvokeAndStandStill(18, 16),     {kDeathScreen}},
    };
}
// clang-format on

// Which tour opens what: between them, everything but kLeftUnreached.
struct STour {
    const char* name;
    std::vector<RouteStep> (*steps)();
    std::vector<std::string> opens;
};

std::string screenSight(const char* name) { return std::string("screen ") + name; }

const std::vector<STour>& Tours() {
    static const std::vector<STour> tours = {
        {"the menus",
         TheMenus,
         {screenSight("splash"), screenSight("main menu"), screenSight("settings"), screenSight("additional worlds"),
          screenSight("scene"), screenSight("character creation"), screenSight("play"), screenSight("load and save"),
          dialogKindSight("text edit"), dialogKindSight("race select"), dialogKindSight("select class"),
          dialogKindSight("select skill")}},
        {"the cellar",
         TheCellar,
         {screenSight("inventory"),
          dialogSight("rest question"),
          dialogSight("resting"),
          dialogSight("map"),
          dialogSight("message"),
          dialogSight("potions"),
          dialogSight("spell book"),
          dialogSight("mark recall"),
          dialogSight("enchanting"),
          dialogKindSight("rest"),
          dialogKindSight("game map"),
          dialogKindSight("message"),
          dialogKindSight("potion"),
          dialogKindSight("spellbook"),
          dialogKindSight("mark recall"),
          dialogKindSight("enchant item"),
          dialogKindSight("enchant"),
          dialogKindSight("enchant entry for an item"),
          dialogKindSight("enchant entry for a wand or scroll"),
          dialogKindSight("item read"),
          dialogKindSight("alchemy"),
          dialogKindSight("repair"),
          dialogKindSight("face select")}},
        {"the road to Eastbrook",
         TheRoadToEastbrook,
         {dialogSight("travel fade"), dialogSight("choice list"), dialogSight("travel question"),
          dialogSight("ship travel"), dialogSight("door question"), dialogSight("lock picking"),
          dialogSight("steal question"), screenSight("conversation"), screenSight("shop"), screenSight("interior"),
          screenSight("card duel"), dialogKindSight("list"), dialogKindSight("ship travel"),
          dialogKindSight("lockpick"), dialogKindSight("recharge wand"), dialogKindSight("training"),
          dialogKindSight("repair shop"), dialogKindSight("card bet")}},
        {"a fight lost", AFightLost, {screenSight("death")}},
    };
    return tours;
}

// The loading dialog stands over the menu or the new character only while a new game or a load
// runs inside one call, drawing itself as the steps go; no frame ever shows it, so no tour can.
const char* const kLeftUnreached[] = {"dialog loading"};

TEST_F(ReachTest, theToursBetweenThemOpenEveryScreenAndDialogButTheLoadingOne) {
    LaunchToMenu();
    std::set<std::string> opened(std::begin(kLeftUnreached), std::end(kLeftUnreached));
    for (const STour& tour : Tours()) opened.insert(tour.opens.begin(), tour.opens.end());
    std::string unclaimed;
    for (const std::string& sight : Everything())
        if (opened.erase(sight) == 0) unclaimed += "  " + sight + "\n";
    EXPECT_EQ(unclaimed, "") << "no tour opens these";
    EXPECT_TRUE(opened.empty()) << "the tours name what the game does not have: " << *opened.begin();
}

class ReachTourTest : public ReachTest, public ::testing::WithParamInterface<STour> {};

TEST_P(ReachTourTest, opensWhatItClaims) {
    const STour& tour = GetParam();
    Tour(tour.name, tour.steps());
    std::string missed, reached;
    for (const std::string& sight : tour.opens)
        if (m_reached.count(sight) == 0) missed += "  " + sight + "\n";
    for (const std::string& sight : m_reached) reached += "  " + sight + "\n";
    std::cout << tour.name << " reached:\n" << reached;
    std::string stops;
    for (const std::string& stop : m_stops) stops += "  " + stop + "\n";
    EXPECT_EQ(missed, "") << "not reached by " << tour.name << "; the tour stopped:\n" << stops;
}

INSTANTIATE_TEST_SUITE_P(Tours, ReachTourTest, ::testing::ValuesIn(Tours()),
                         [](const ::testing::TestParamInfo<STour>& info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

}  // namespace

}  // namespace reach_test
