#include "walkthrough/walkthrough.h"

#include <sstream>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "game/feldmar2.h"
#include "screens/conversation/state_dialog.h"
#include "screens/creation/state_generate.h"
#include "screens/inventory/state_inventory.h"
#include "screens/loadsave/state_load_save.h"
#include "support/text_ctrl_lines.h"
#include "ui/dialogs/dialog_message.h"

namespace {

constexpr int kBusyFrames = 600;  // a step, a turn, a fade or a fight's blow ends well within these

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
    const SDialog* child = Current() ? Current()->m_child : nullptr;
    const auto* box = dynamic_cast<const SDialogMessage*>(child);
    return box == nullptr || box->m_textCtrl == nullptr ? "" : TextCtrlLines(*box->m_textCtrl);
}

std::string WalkthroughTest::Settle() {
    for (int i = 0; i < kBusyFrames && Current() == &Play() && Play().IsBusy(); ++i) Frame();
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
        const std::string why = step.act(*this);
        ASSERT_EQ(why, "") << "could not " << step.action;
        const RouteSight& sight = step.sight;
        if (sight.screen != ScreenId(0))
            ASSERT_EQ(ScreenName(Current()), ScreenName(Game().Screen(sight.screen))) << "after: " << step.action;
        if (!sight.map.empty()) {
            ASSERT_NE(Play().m_currentMap, nullptr);
            ASSERT_EQ(std::string(Play().m_currentMap->Name()), sight.map) << "after: " << step.action;
        }
        if (!sight.dialog.empty()) ASSERT_EQ(PlayDialog(), sight.dialog) << "after: " << step.action;
        if (!sight.message.empty())
            ASSERT_NE(MessageText().find(sight.message), std::string::npos)
                << "after: " << step.action << ", the message reads: " << MessageText();
    }
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
        // The intro's pages turn by a tap each, and its last one leads on to the new character.
        for (int page = 0; page < 40 && t.Current() == t.Game().Screen(kSceneScreen); ++page) {
            t.Tap(120, 100);
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
        t.Press(platform::kVkReturn);
        t.Frame();
        // What the answer set going (a fade, a journey) runs its course.
        if (t.Current() == &t.Play()) t.Settle();
        return std::string();
    };
}

Act OpenTheMainMenu() {
    return [](WalkthroughTest& t) {
        t.TapOn(t.Play().m_portrait);
        if (!t.FramesUntil(kInventoryScreen, 20)) return std::string("the portrait opened no inventory");
        auto& inventory = static_cast<SStateInventory&>(*t.Game().Screen(kInventoryScreen));
        t.TapOn(inventory.m_mainMenu);
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

Act TalkTo(std::string monster) {
    return [monster](WalkthroughTest& t) {
        constexpr int kAround[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
        for (int attempt = 0; attempt < 20; ++attempt) {
            const SMap& map = *t.Play().m_currentMap;
            const SCreature* person = nullptr;
            for (int i = 0; i < map.Creatures().Count(); ++i)
                if (map.Creatures()[i]->monster && map.Creatures()[i]->monster->m_name.Text() == monster)
                    person = map.Creatures()[i];
            if (person == nullptr) return "no " + monster + " here";
            // The person walks about: up to the nearest side of the cell where it stands now.
            const int x = person->x, y = person->y;
            const int(&side)[2] = kAround[attempt % 4];
            t.Walker().WalkTo(map.Name(), x + side[0], y + side[1]);
            if (person->x != x || person->y != y || !t.Walker().Face(x, y).empty()) continue;
            t.Act(kActionUse);
            t.Frame();
            if (t.FramesUntil(kConversationScreen, 5)) return std::string();
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

}  // namespace route
