#include "walkthrough/walkthrough.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <utility>

#include "data/items/item_list.h"
#include "data/items/item_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/monsters/monster.h"
#include "game/feldmar2.h"
#include "render/render.h"
#include "screens/cards/state_card.h"
#include "screens/conversation/state_dialog.h"
#include "screens/creation/state_generate.h"
#include "screens/interior/state_dialog_interior.h"
#include "screens/inventory/state_inventory.h"
#include "screens/loadsave/state_load_save.h"
#include "screens/play/play_tables.h"
#include "screens/shop/state_shop.h"
#include "support/text_ctrl_lines.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/ctrl_message_button.h"
#include "ui/widgets/items_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

namespace {

constexpr int kBusyFrames = 600;  // a step, a turn, a fade or a fight's blow ends well within these
// Walking up to someone who walks about: the tries, and the steps and turns of one try.
constexpr int kMostApproaches = 20;
constexpr int kLongestChase = 30;
constexpr int kLongestFight = 400;  // blows and approaches
// A person one cell ahead fills hundreds of the view's pixels at the smallest screen.
constexpr int kFewestPersonPixels = 60;
// A door slides open in 64 steps, one a frame.
constexpr int kDoorSlideFrames = 80;

// The words a button shows, of whichever kind it is; empty for a picture alone.
std::string captionOf(const SCtrl& ctrl) {
    if (const auto* button = dynamic_cast<const SButtonCtrl*>(&ctrl)) return button->m_caption.Text();
    if (const auto* topic = dynamic_cast<const STopicButtonCtrl*>(&ctrl)) return topic->m_topic.Text();
    if (const auto* answer = dynamic_cast<const SCtrlMessageButton*>(&ctrl)) return answer->m_caption.Text();
    return "";
}

// The shown control of that caption on the dialog, or on the nearest of those beneath it.
const SCtrl* findCaption(const SDialog* dialog, const std::string& caption) {
    if (dialog == nullptr) return nullptr;
    if (const SCtrl* inner = findCaption(dialog->m_child, caption)) return inner;
    for (int i = 0; i < dialog->m_ctrls.Count(); ++i)
        if (const SCtrl* ctrl = dialog->m_ctrls[i]; ctrl->IsShown() && captionOf(*ctrl) == caption) return ctrl;
    return nullptr;
}

// Taps the cell of the grid's entry, away from its corner (which asks to equip); false when the
// entry is not on the page shown.
bool tapEntry(WalkthroughTest& t, const SItemsCtrl& grid, int index) {
    const int onPage = index - grid.m_first;
    if (onPage < 0 || onPage >= int(grid.m_columns * grid.m_rows)) return false;
    const int column = onPage % int(grid.m_columns), row = onPage / int(grid.m_columns);
    t.Tap(grid.m_originX + column * int(grid.m_cellW + grid.m_pieceW) + int(grid.m_cellW) * 3 / 4,
          grid.m_originY + row * int(grid.m_cellH + grid.m_pieceH) + int(grid.m_cellH) * 3 / 4);
    t.Frame();
    return true;
}

// The grid's first entry of that item type, or -1.
int entryOfType(const SItemsCtrl& grid, const std::string& itemType) {
    for (int i = 0; i < grid.EntryCount(); ++i)
        if (grid.Entry(i)->type != nullptr && grid.Entry(i)->type->m_name.Text() == itemType) return i;
    return -1;
}

SStateInventory& inventoryOf(WalkthroughTest& t) {
    return static_cast<SStateInventory&>(*t.Game().Screen(kInventoryScreen));
}

// Taps the inventory's entry of that type, paging on until its page shows; false when it has none.
bool tapInventoryEntry(WalkthroughTest& t, const std::string& itemType) {
    SStateInventory& inventory = inventoryOf(t);
    const int entry = entryOfType(inventory.m_grid, itemType);
    if (entry < 0) return false;
    for (int page = 0; page < 20 && !tapEntry(t, inventory.m_grid, entry); ++page) {
        if (!inventory.m_nextPage.IsShown()) return false;
        t.TapOn(inventory.m_nextPage);
    }
    return inventory.SelectedEntry() == inventory.m_grid.Entry(entry);
}

// The creature of that monster kind on the current map, or null.
const SCreature* creatureOf(WalkthroughTest& t, const std::string& monster) {
    const SMap* map = t.Play().m_currentMap;
    for (int i = 0; map != nullptr && i < map->Creatures().Count(); ++i)
        if (map->Creatures()[i]->monster && map->Creatures()[i]->monster->m_name.Text() == monster)
            return map->Creatures()[i];
    return nullptr;
}

// The grid cell the creature stands in; false when it is on none.
bool gridCellOf(WalkthroughTest& t, const SCreature& creature, int& x, int& y) {
    for (y = 0; y < SStateGame::kGridSize; ++y)
        for (x = 0; x < SStateGame::kGridSize; ++x)
            if (const SMapCell* cell = t.Play().GetCell(x, y);
                cell && (cell->creatures[0] == creature.id || cell->creatures[1] == creature.id))
                return true;
    return false;
}

// The map's own cell of a grid cell.
int mapCell(WalkthroughTest& t, int gridCell) {
    return t.Play().m_currentMap && t.Play().m_currentMap->IsSurface() ? gridCell - 7 : gridCell;
}

// A walker that gives up as soon as the creature leaves the cell where it stood when the walk
// began, or when the chase grows long: the way is then planned anew to where the creature stands.
RouteWalker chaseWalker(WalkthroughTest& t, const SCreature& creature) {
    const int x = creature.x, y = creature.y;
    auto moves = std::make_shared<int>(0);
    return RouteWalker(t.Play(), {[&t](uint32_t action) { t.Act(action); },
                                  [&t, &creature, x, y, moves] {
                                      if (std::string why = t.Settle(); !why.empty()) return why;
                                      if (creature.x != x || creature.y != y) return std::string("it moved on");
                                      return ++*moves > kLongestChase ? std::string("the chase is long")
                                                                      : std::string();
                                  }});
}

// Walks up to the creature and faces it, from the side of its cell nearest the player, or from the
// given side; false when the creature moved on first.
bool approach(WalkthroughTest& t, const SCreature& creature, int side = -1) {
    SStateGame& play = t.Play();
    const int x = creature.x, y = creature.y;
    if (side < 0) {
        const auto distance = [&](int s) {
            return std::abs(x + play_tables::kSideDx[s] - mapCell(t, play.m_playerX)) +
                   std::abs(y + play_tables::kSideDy[s] - mapCell(t, play.m_playerY));
        };
        side = 0;
        for (int s = 1; s < 4; ++s)
            if (distance(s) < distance(side)) side = s;
    }
    const std::string map = play.m_currentMap->Name();
    chaseWalker(t, creature).WalkTo(map, x + play_tables::kSideDx[side], y + play_tables::kSideDy[side]);
    return creature.x == x && creature.y == y && t.Walker().Face(x, y).empty();
}

}  // namespace

void WalkthroughTest::Act(uint32_t action) {
    for (uint32_t key = 1; key < 256; ++key)
        if (m_app->MapKey(key) == action) {
            Press(key);
            return;
        }
    ADD_FAILURE() << "no key for action " << action;
}

void WalkthroughTest::TapOn(const SCtrl& ctrl) {
    Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2);
    Frame();
}

bool WalkthroughTest::FramesUntil(ScreenId screen, int limit) {
    for (int i = 0; i < limit && Current() != Game().Screen(screen); ++i) Frame();
    return Current() == Game().Screen(screen);
}

std::string WalkthroughTest::ScreenName(const SState* screen) {
    static const std::pair<ScreenId, const char*> kNames[] = {
        {kPlayScreen, "play"},          {kConversationScreen, "conversation"},
        {kInteriorScreen, "interior"},  {kInventoryScreen, "inventory"},
        {kShopScreen, "shop"},          {kSplashScreen, "splash"},
        {kDeathScreen, "death"},        {kLoadSaveScreen, "load and save"},
        {kMainMenuScreen, "main menu"}, {kCharacterCreationScreen, "character creation"},
        {kSceneScreen, "scene"},        {kCardGameScreen, "card duel"},
        {kSettingsScreen, "settings"},  {kAddOnWorldsScreen, "additional worlds"},
    };
    for (const auto& [id, name] : kNames)
        if (screen != nullptr && Game().Screen(id) == screen) return std::string("screen ") + name;
    return "no screen";
}

std::string WalkthroughTest::MessageText() {
    // The innermost open dialog: a dialog over the screen may open its own message.
    const SDialog* child = Current() ? Current()->m_child : nullptr;
    while (child != nullptr && child->m_child != nullptr) child = child->m_child;
    const auto* box = dynamic_cast<const SDialogMessage*>(child);
    return box == nullptr || box->m_textCtrl == nullptr ? "" : TextCtrlLines(*box->m_textCtrl);
}

std::string WalkthroughTest::Settle() {
    // A message or a question waits for the player, however long the frames run.
    for (int i = 0; i < kBusyFrames && Current() == &Play() && Play().IsBusy() && MessageText().empty(); ++i) Frame();
    if (Current() != &Play()) return "the game went on to " + ScreenName(Current());
    if (Play().SubMode() == SPlaySubMode::kFree) return "";
    const std::string message = MessageText();
    return message.empty() ? "the play screen waits in sub-mode " + std::to_string(uint32_t(Play().SubMode()))
                           : "a message: " + message;
}

std::string WalkthroughTest::WhereThePlayerStands() {
    std::ostringstream place;
    place << (Play().m_currentMap ? Play().m_currentMap->Name() : "nowhere") << " (" << Play().m_playerX << ", "
          << Play().m_playerY << ") heading " << Play().m_heading;
    return place.str();
}

std::string WalkthroughTest::PlayDialog() {
    static const std::pair<SPlaySubMode, const char*> kNames[] = {
        {SPlaySubMode::kMessage, "message"},          {SPlaySubMode::kTravelQuestion, "travel question"},
        {SPlaySubMode::kTravelFade, "travel fade"},   {SPlaySubMode::kChoiceList, "choice list"},
        {SPlaySubMode::kSpellBook, "spell book"},     {SPlaySubMode::kMap, "map"},
        {SPlaySubMode::kPotions, "potions"},          {SPlaySubMode::kDoorQuestion, "door question"},
        {SPlaySubMode::kLockPicking, "lock picking"}, {SPlaySubMode::kRestQuestion, "rest question"},
        {SPlaySubMode::kResting, "resting"},          {SPlaySubMode::kStealQuestion, "steal question"},
        {SPlaySubMode::kMarkRecall, "mark recall"},   {SPlaySubMode::kEnchanting, "enchanting"},
        {SPlaySubMode::kShipTravel, "ship travel"},
    };
    for (const auto& [mode, name] : kNames)
        if (Play().SubMode() == mode) return name;
    return "";
}

RouteWalker WalkthroughTest::Walker() {
    return RouteWalker(Play(), {[this](uint32_t action) { Act(action); }, [this] { return Settle(); }});
}

void WalkthroughTest::PlayRoute(const std::vector<RouteStep>& route) {
    for (const RouteStep& step : route) {
        SCOPED_TRACE("step: " + step.action);
        if (step.sight.seen) m_viewBefore = ShownView();
        const std::string why = step.act(*this);
        ASSERT_EQ(why, "") << "could not " << step.action;
        const RouteSight& sight = step.sight;
        if (sight.screen != ScreenId(0)) {
            ASSERT_EQ(ScreenName(Current()), ScreenName(Game().Screen(sight.screen)))
                << "after: " << step.action << ", the message reads: " << MessageText();
        }
        if (!sight.map.empty()) {
            ASSERT_NE(Play().m_currentMap, nullptr);
            ASSERT_EQ(std::string(Play().m_currentMap->Name()), sight.map) << "after: " << step.action;
        }
        if (!sight.dialog.empty()) {
            ASSERT_EQ(PlayDialog(), sight.dialog) << "after: " << step.action;
        }
        if (!sight.message.empty()) {
            ASSERT_NE(MessageText().find(sight.message), std::string::npos)
                << "after: " << step.action << ", the message reads: " << MessageText();
        }
        if (sight.seen) {
            ASSERT_EQ(sight.seen(*this), "") << "after: " << step.action;
        }
    }
}

ViewShot WalkthroughTest::ShownView() {
    return CutView(Game().PlayView(), platform::headless::Screen(), m_screenWidth);
}

ViewShot WalkthroughTest::RedrawnView() {
    Play().m_redrawRequest = 1;
    Frame();
    Settle();
    return ShownView();
}

namespace route {

Act ChooseMenuRow(std::string row) {
    return [row](WalkthroughTest& t) {
        t.TapRow(row);
        t.Frame();
        return std::string();
    };
}

Act ReadTheIntro() {
    return [](WalkthroughTest& t) {
        // The intro's pages turn by a key each, and its last one leads on to the new character.
        for (int page = 0; page < 40 && t.Current() == t.Game().Screen(kSceneScreen); ++page) {
            t.Press(platform::kVkReturn);
            t.Frame();
            t.Frame();
        }
        return std::string(t.FramesUntil(kCharacterCreationScreen, 100) ? "" : "the intro did not end");
    };
}

Act AcceptTheCharacter() {
    return [](WalkthroughTest& t) {
        auto& creation = static_cast<SStateGenerate&>(*t.Game().Screen(kCharacterCreationScreen));
        t.TapOn(creation.m_ok);
        return t.FramesUntil(kPlayScreen, 100) ? t.Settle() : std::string("no game began");
    };
}

Act WalkTo(std::string map, int x, int y) {
    return [map, x, y](WalkthroughTest& t) {
        const std::string why = t.Walker().WalkTo(map, x, y);
        // A message on the way is what the place had to say: the step's sight tells whether it was
        // the one expected.
        return why.rfind("a message: ", 0) == 0 ? std::string() : why;
    };
}

Act AnswerOk() {
    return [](WalkthroughTest& t) {
        const std::string answered = t.MessageText();
        // A box takes no key in the frame it opened in.
        t.Frame();
        t.Act(kActionUse);
        t.Frame();
        // The box goes within a few frames, and what the answer set going (a fade, a journey, the
        // next message) runs its course.
        for (int i = 0; i < kBusyFrames && !answered.empty() && t.MessageText() == answered; ++i) t.Frame();
        if (t.Current() == &t.Play()) t.Settle();
        return std::string();
    };
}

Act OpenTheMainMenu() {
    return [](WalkthroughTest& t) {
        if (std::string why = OpenTheInventory()(t); !why.empty()) return why;
        t.TapOn(inventoryOf(t).m_mainMenu);
        return std::string(t.FramesUntil(kMainMenuScreen, 20) ? "" : "the inventory's menu button led nowhere");
    };
}

Act UseSlot(int slot) {
    return [slot](WalkthroughTest& t) {
        auto& screen = static_cast<SStateLoadSave&>(*t.Game().Screen(kLoadSaveScreen));
        if (t.Current() != &screen) return std::string("the load and save screen is not open");
        t.TapOn(screen.m_rows[slot - 1].text);
        t.TapOn(screen.m_action);
        for (int i = 0; i < 50 && t.MessageText().empty() && t.Current() == &screen; ++i) t.Frame();
        return std::string();
    };
}

Act AnswerWith(uint32_t button) {
    return [button](WalkthroughTest& t) {
        auto* box = dynamic_cast<SDialogMessage*>(t.Current() ? t.Current()->m_child : nullptr);
        if (box == nullptr) return std::string("no question is asked");
        int index = 0;
        while ((1u << index) != button && index < SDialogMessage::kButtonCount) ++index;
        if (index == SDialogMessage::kButtonCount || !box->m_buttons[index].IsShown())
            return std::string("the question offers no such answer");
        t.TapOn(box->m_buttons[index]);
        t.Frame();
        return std::string();
    };
}

// A question's first button, Yes, is the one the Return key gives.
Act AnswerYes() {
    return [](WalkthroughTest& t) {
        if (t.MessageText().empty()) return std::string("no question is asked");
        return AnswerOk()(t);
    };
}

Act NoteWhereThePlayerStands() {
    return [](WalkthroughTest& t) {
        t.m_remembered = t.WhereThePlayerStands();
        return std::string();
    };
}

Act CheckThePlayerStandsWhereNoted() {
    return [](WalkthroughTest& t) {
        const std::string here = t.WhereThePlayerStands();
        return here == t.m_remembered ? "" : "the player stands at " + here + ", not at " + t.m_remembered;
    };
}

Act CheckQuestSolved(std::string quest) {
    return [quest](WalkthroughTest& t) {
        return t.Game().m_player.IsQuestSolved(quest.c_str()) ? "" : "the quest " + quest + " is not solved";
    };
}

Act TapControl(Pick control) {
    return [control](WalkthroughTest& t) {
        const SCtrl& ctrl = control(t);
        if (!ctrl.IsShown()) return std::string("the control is not shown");
        t.TapOn(ctrl);
        t.Frame();
        return std::string();
    };
}

Act WaitUntilShown(Pick control) {
    return [control](WalkthroughTest& t) {
        for (int i = 0; i < 3000 && !control(t).IsShown(); ++i) t.Frame();
        return control(t).IsShown() ? std::string() : std::string("the control never showed");
    };
}

Act WalkUpTo(std::string monster) {
    return [monster](WalkthroughTest& t) {
        for (int attempt = 0; attempt < kMostApproaches; ++attempt) {
            const SCreature* person = creatureOf(t, monster);
            if (person == nullptr) return "no " + monster + " here";
            if (approach(t, *person)) return std::string();
        }
        return "could not get up to the " + monster;
    };
}

Act TalkTo(std::string monster) {
    return [monster](WalkthroughTest& t) {
        for (int attempt = 0; attempt < kMostApproaches; ++attempt) {
            const SCreature* person = creatureOf(t, monster);
            if (person == nullptr) return "no " + monster + " here";
            // The person walks about: up to the nearest free side of the cell where it stands now.
            if (!approach(t, *person)) continue;
            t.Act(kActionUse);
            t.Frame();
            if (t.FramesUntil(kConversationScreen, 5)) return std::string();
            // Come upon from behind, a person is a mark for a thief: the player says no, and the
            // person turns round to talk.
            if (t.Play().SubMode() == SPlaySubMode::kStealQuestion) AnswerWith(SDialogMessage::kNo)(t);
            t.Settle();
        }
        return "could not get to talk to the " + monster;
    };
}

Act AskAbout(std::string topic) {
    return [topic](WalkthroughTest& t) {
        auto* talk = dynamic_cast<SStateDialog*>(t.Current());
        if (talk == nullptr) return std::string("no conversation is open");
        for (const auto& button : talk->TopicButtons())
            if (button->IsShown() && button->m_topic.Text() == topic) {
                t.TapOn(*button);
                t.Frame();
                return std::string();
            }
        return "no topic " + topic;
    };
}

Act Reply(int answer) {
    return [answer](WalkthroughTest& t) {
        auto* talk = dynamic_cast<SStateDialog*>(t.Current());
        if (talk == nullptr) return std::string("no conversation is open");
        // The answers wait behind the pages of the question.
        for (int page = 0; page < 10 && talk->m_continue.IsShown(); ++page) t.TapOn(talk->m_continue);
        for (int i = 0; i < 20 && !talk->m_answers[size_t(answer)].IsShown(); ++i) t.Frame();
        if (!talk->m_answers[size_t(answer)].IsShown()) return std::string("no such answer is offered");
        t.TapOn(talk->m_answers[size_t(answer)]);
        t.Frame();
        return std::string();
    };
}

Act SayGoodbye() {
    return [](WalkthroughTest& t) {
        auto* talk = dynamic_cast<SStateDialog*>(t.Current());
        if (talk == nullptr) return std::string("no conversation is open");
        t.TapOn(talk->m_goodbye);
        t.Frame();
        if (t.Current() == &t.Play()) t.Settle();
        return std::string();
    };
}

Act CheckQuestActive(std::string quest) {
    return [quest](WalkthroughTest& t) {
        SPlayer& player = t.Game().m_player;
        return player.HasQuest(quest.c_str()) && !player.IsQuestSolved(quest.c_str())
                   ? std::string()
                   : "the quest " + quest + " is not active";
    };
}

Act FaceFrom(std::string map, int fromX, int fromY, int x, int y) {
    return [map, fromX, fromY, x, y](WalkthroughTest& t) {
        RouteWalker walker = t.Walker();
        if (std::string why = walker.WalkTo(map, fromX, fromY); !why.empty()) return why;
        return walker.Face(x, y);
    };
}

Act UseFrom(std::string map, int fromX, int fromY, int x, int y) {
    return [face = FaceFrom(map, fromX, fromY, x, y)](WalkthroughTest& t) {
        if (std::string why = face(t); !why.empty()) return why;
        t.Act(kActionUse);
        t.Frame();
        // Whatever the use set going (a door swinging, a screen handed over) runs its course.
        if (t.Current() == &t.Play()) t.Settle();
        return std::string();
    };
}

Act TapButton(std::string caption) {
    return [caption](WalkthroughTest& t) {
        const SCtrl* button = findCaption(t.Current(), caption);
        if (button == nullptr) return "no button " + caption + " is shown";
        t.TapOn(*button);
        t.Frame();
        if (t.Current() == &t.Play()) t.Settle();
        return std::string();
    };
}

Act Buy(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        auto& shop = static_cast<SStateShop&>(*t.Game().Screen(kShopScreen));
        if (t.Current() != &shop) return std::string("the shop is not open");
        const int entry = entryOfType(shop.m_grid, itemType);
        if (entry < 0 || !tapEntry(t, shop.m_grid, entry)) return "no " + itemType + " is on offer";
        const uint32_t gold = t.Game().m_player.Gold();
        const int owned = t.Game().m_player.CountOwnedItemsByName(itemType.c_str());
        t.TapOn(shop.m_buy);
        if (t.Game().m_player.CountOwnedItemsByName(itemType.c_str()) != owned + 1)
            return std::string("nothing was bought");
        return t.Game().m_player.Gold() < gold ? std::string() : std::string("the gold did not drop");
    };
}

Act SleepFor(int hours) {
    return [hours](WalkthroughTest& t) {
        auto& inn = static_cast<SStateDialogInterior&>(*t.Game().Screen(kInteriorScreen));
        const uint32_t minutes = t.Play().GameMinutes();
        if (std::string why = AnswerWith(SDialogMessage::kYes)(t); !why.empty()) return why;
        // An hour of the rest's count passes in a second of the clock.
        for (int i = 0; i < 100 * hours && !inn.m_rest.m_continue.IsShown(); ++i) t.Frame();
        if (!inn.m_rest.m_continue.IsShown()) return std::string("the rest never ended");
        const uint32_t passed = t.Play().GameMinutes() - minutes;
        return passed == uint32_t(hours) * 60 ? "" : std::to_string(passed) + " minutes passed";
    };
}

const SCtrl& ShopBackButton(WalkthroughTest& t) {
    return static_cast<SStateShop&>(*t.Game().Screen(kShopScreen)).m_back;
}

const SCtrl& RestContinueButton(WalkthroughTest& t) {
    return static_cast<SStateDialogInterior&>(*t.Game().Screen(kInteriorScreen)).m_rest.m_continue;
}

const SCtrl& InnLeaveButton(WalkthroughTest& t) {
    return static_cast<SStateDialogInterior&>(*t.Game().Screen(kInteriorScreen)).m_leave;
}

const SCtrl& PlayRestButton(WalkthroughTest& t) { return t.Play().m_actionButtons[3]; }

const SCtrl& PlayRestContinueButton(WalkthroughTest& t) { return t.Play().m_rest.m_continue; }

const SCtrl& CardBetAcceptButton(WalkthroughTest& t) {
    return static_cast<SStateDialog&>(*t.Game().Screen(kConversationScreen)).m_cardBet.m_accept;
}

const SCtrl& CardGiveUpButton(WalkthroughTest& t) {
    return static_cast<SStateCard&>(*t.Game().Screen(kCardGameScreen)).m_giveUp;
}

const SCtrl& InventoryUseButton(WalkthroughTest& t) { return inventoryOf(t).m_use; }

const SCtrl& InventoryCloseButton(WalkthroughTest& t) { return inventoryOf(t).m_close; }

const SCtrl& AlchemyCloseButton(WalkthroughTest& t) { return inventoryOf(t).m_alchemy.m_close; }

Act WaitForTheDeal() {
    return [](WalkthroughTest& t) {
        auto& table = static_cast<SStateCard&>(*t.Game().Screen(kCardGameScreen));
        for (int i = 0; i < kBusyFrames && t.Current() == &table && !table.CanPlay(); ++i) t.Frame();
        return table.CanPlay() ? std::string() : std::string("the player's turn never came");
    };
}

Act SneakUpBehind(std::string monster) {
    return [monster](WalkthroughTest& t) {
        for (int attempt = 0; attempt < kMostApproaches; ++attempt) {
            const SCreature* person = creatureOf(t, monster);
            if (person == nullptr) return "no " + monster + " here";
            // Behind the person is the side it looks away from; the player looks the same way.
            const uint32_t quarter = (person->state & SCreature::kFacing) >> 3;
            const int ahead = int(play_tables::kSideByQuarter[(4 - quarter) % 4]);
            if (!approach(t, *person, (ahead + 2) % 4) || ((person->state & SCreature::kFacing) >> 3) != quarter)
                continue;
            t.Act(kActionUse);
            t.Frame();
            t.Frame();
            if (t.PlayDialog() == "steal question") return std::string();
            t.Settle();
        }
        return "could not get behind the " + monster;
    };
}

Act OpenTheInventory() {
    return [](WalkthroughTest& t) {
        t.TapOn(t.Play().m_portrait);
        return std::string(t.FramesUntil(kInventoryScreen, 20) ? "" : "the portrait opened no inventory");
    };
}

Act SeeOnTheCharacterSheet(int sheet, std::string row) {
    return [sheet, row](WalkthroughTest& t) {
        SStateInventory& inventory = inventoryOf(t);
        t.TapOn(inventory.m_pageTabButtons[1]);
        t.TapOn(inventory.m_characterHeader.m_tabs[sheet]);
        SCharacterLists& lists = inventory.m_characterLists;
        const SDialogListCtrl& list = (sheet == SCharacterLists::kDiseases ? lists.m_diseases : lists.m_effects).m_list;
        std::string rows;
        for (int i = 0; i < list.RowCount(); ++i) {
            const std::string text = list.Row(i).text.Text();
            if (text.rfind(row, 0) != 0) continue;
            t.Shot("walkthrough-sheet-" + std::to_string(sheet));
            return std::string();
            rows += " \"" + text + "\"";
        }
        return "no row " + row + " among" + rows;
    };
}

Act ChooseInThePack(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        SStateInventory& inventory = inventoryOf(t);
        // The Drop button turns a container's view back to the pack.
        if (inventory.ContainerView()) t.TapOn(inventory.m_drop);
        return tapInventoryEntry(t, itemType) ? std::string() : "the pack holds no " + itemType;
    };
}

Act Take(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        SStateInventory& inventory = inventoryOf(t);
        // The Take button turns the pack's view to the container's.
        if (!inventory.ContainerView()) t.TapOn(inventory.m_take);
        if (!tapInventoryEntry(t, itemType)) return "there is no " + itemType + " to take";
        const int owned = t.Game().m_player.CountOwnedItemsByName(itemType.c_str());
        t.TapOn(inventory.m_take);
        return t.Game().m_player.CountOwnedItemsByName(itemType.c_str()) > owned ? std::string()
                                                                                 : "the " + itemType + " was not taken";
    };
}

Act Brew(std::string potion) {
    return [potion](WalkthroughTest& t) {
        SDialogAlchemy& alchemy = inventoryOf(t).m_alchemy;
        if (inventoryOf(t).m_child != &alchemy) return std::string("the alchemy dialog is not open");
        t.TapOn(alchemy.m_slots[0].next);
        if (alchemy.m_potions.RowCount() == 0) return std::string("the ingredient makes no potion");
        const int potions = t.Game().m_player.CountOwnedItemsByName(potion.c_str());
        t.TapOn(alchemy.m_create);
        return t.Game().m_player.CountOwnedItemsByName(potion.c_str()) > potions ? std::string()
                                                                                 : "no " + potion + " was brewed";
    };
}

Act GoDownAt(std::string map, int x, int y) {
    return [map, x, y](WalkthroughTest& t) {
        const std::string why = t.Walker().WalkTo(map, x, y);
        const bool elsewhere = t.Play().m_currentMap && map != t.Play().m_currentMap->Name();
        return elsewhere ? std::string() : why.empty() ? std::string("the way led nowhere") : why;
    };
}

Act Defeat(std::string monster) {
    return [monster](WalkthroughTest& t) {
        for (int blow = 0; blow < kLongestFight; ++blow) {
            if (t.Current() != &t.Play()) return "the game went on to " + t.ScreenName(t.Current());
            // What the fight has to say (a poisoned wound, a level gained) is read and put away.
            if (t.Play().SubMode() == SPlaySubMode::kMessage) AnswerOk()(t);
            const SCreature* foe = creatureOf(t, monster);
            if (foe == nullptr) return std::string();
            int x = 0, y = 0;
            if (!gridCellOf(t, *foe, x, y)) return "the " + monster + " is nowhere near";
            if (std::abs(x - t.Play().m_playerX) + std::abs(y - t.Play().m_playerY) == 1) {
                t.Walker().Face(mapCell(t, x), mapCell(t, y));
                t.Act(kActionAttack);
                t.Frame();
                t.Settle();
                continue;
            }
            approach(t, *foe);
        }
        return "the " + monster + " still stands";
    };
}

Act WalkToThePileWith(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        SStateGame& play = t.Play();
        int bestX = -1, bestY = -1;
        for (int y = 0; y < SStateGame::kGridSize; ++y)
            for (int x = 0; x < SStateGame::kGridSize; ++x) {
                const SMapCell* cell = play.GetCell(x, y);
                const SItemList* pile = cell ? play.FindItemListAt(x, y, uint8_t(cell->containerId)) : nullptr;
                bool holds = false;
                for (int i = 0; pile != nullptr && i < pile->Count(); ++i)
                    holds = holds || pile->At(i)->m_type->m_name.Text() == itemType;
                const auto distance = [&](int cx, int cy) {
                    return std::abs(cx - play.m_playerX) + std::abs(cy - play.m_playerY);
                };
                if (holds && (bestX < 0 || distance(x, y) < distance(bestX, bestY))) bestX = x, bestY = y;
            }
        if (bestX < 0) return "no pile holds " + itemType;
        return t.Walker().WalkTo(play.m_currentMap->Name(), mapCell(t, bestX), mapCell(t, bestY));
    };
}

namespace {

// The grid cell straight ahead of the player.
void cellAhead(WalkthroughTest& t, int& x, int& y) {
    const int side = int(t.Play().FacingSide());
    x = t.Play().m_playerX + play_tables::kSideDx[side];
    y = t.Play().m_playerY + play_tables::kSideDy[side];
}

}  // namespace

Look PersonDrawnAhead(std::string monster) {
    return [monster](WalkthroughTest& t) -> std::string {
        const SCreature* person = creatureOf(t, monster);
        int x = 0, y = 0, personX = 0, personY = 0;
        cellAhead(t, x, y);
        if (person == nullptr || !gridCellOf(t, *person, personX, personY) || personX != x || personY != y)
            return "the " + monster + " does not stand ahead";
        SMapCell& cell = *t.Play().GetCell(x, y);
        // The person's pixels are where the view differs without the person, above the target
        // panel that names the person.
        const size_t slot = cell.creatures[0] == person->id ? 0 : 1;
        const ViewShot with = t.RedrawnView();
        const uint8_t standing = std::exchange(cell.creatures[slot], 0);
        t.Play().BuildCellView(x, y);
        const ViewShot without = t.RedrawnView();
        cell.creatures[slot] = standing;
        t.Play().BuildCellView(x, y);
        t.RedrawnView();
        const int panelTop = t.Play().TargetPanels().left.twoLines.top - t.Game().PlayView().m_viewY;
        const int drawn = Difference(without.Top(panelTop), with.Top(panelTop)).count;
        return drawn >= kFewestPersonPixels ? ""
                                            : "the " + monster + " ahead is not drawn (" + std::to_string(drawn) +
                                                  " pixels of the view are the person's)";
    };
}

Look DoorDrawnOpenAhead() {
    return [](WalkthroughTest& t) -> std::string {
        int x = 0, y = 0;
        cellAhead(t, x, y);
        const int nearSide = int(t.Play().FacingSide() + 2) % 4;
        const ViewArea face = FaceArea(*t.Game().m_render, x, y, nearSide, SRender::kLevels[2], SRender::kLevels[3]);
        // The door slides open over frames in which no key is pressed.
        for (int frame = 0; frame < kDoorSlideFrames; ++frame) t.Frame();
        const ViewShot shown = t.ShownView();
        shown.Keep("walkthrough-door-opened");
        if (face.Empty() || shown.width != t.m_viewBefore.width) return "no door face lies ahead in the view";
        int changed = 0;
        for (int row = std::max(face.top, 0); row < std::min(face.bottom, shown.height); ++row)
            for (int column = std::max(face.left, 0); column < std::min(face.right, shown.width); ++column)
                changed += shown.At(column, row) != t.m_viewBefore.At(column, row) ? 1 : 0;
        // The leaf, set back in its frame, covers about a fifth of the face of its cell.
        if (changed < face.Width() * face.Height() / 10)
            return "the door ahead is drawn as before (" + std::to_string(changed) + " of its " +
                   std::to_string(face.Width() * face.Height()) + " pixels changed)";
        const int stale = Difference(t.RedrawnView(), shown).count;
        return stale == 0 ? "" : std::to_string(stale) + " pixels of the view are not what the world draws afresh";
    };
}

}  // namespace route
