#include "walkthrough/reach_acts.h"

#include <cstdlib>

#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/creature_pose.h"
#include "data/monsters/monster.h"
#include "data/player/player.h"
#include "render/view_descriptor.h"
#include "screens/conversation/state_dialog.h"
#include "screens/interior/state_dialog_interior.h"
#include "screens/inventory/state_inventory.h"
#include "screens/play/play_tables.h"

namespace route {

namespace {

// A use, a step or a spell has brought up what it brings within these frames.
constexpr int kReactionFrames = 120;
// A person is walked round this often, waiting a little longer each time, before the thief gives up.
constexpr int kSneakAttempts = 80;
constexpr int kSneakPause = 10;
// A new character left to a goblin's blows falls well within these.
constexpr int kFightFrames = 40000;

bool waitsOnSomething(WalkthroughTest& t) {
    return t.Current() != &t.Play() || t.Play().SubMode() != SPlaySubMode::kFree;
}

// What a use sets going reaches the screen's queue a few frames later.
constexpr int kQuietFrames = 4;

// A dialog ignores the stylus in the frame it opened in, as a player's hand would be too slow.
void oneMoreFrameForTheHand(WalkthroughTest& t) {
    if (waitsOnSomething(t)) t.Frame();
}

// Frames until the play screen waits on something, or has been idle for a few frames.
void framesUntilItReacts(WalkthroughTest& t) {
    for (int i = 0, quiet = 0; i < kReactionFrames && quiet < kQuietFrames && !waitsOnSomething(t); ++i) {
        t.Frame();
        quiet = t.Current() == &t.Play() && !t.Play().IsBusy() ? quiet + 1 : 0;
    }
    oneMoreFrameForTheHand(t);
}

// A tap high up in the right half of the view: no hand is there, and the right hand reaches both
// creatures of the cell ahead.
void tapTheViewAhead(WalkthroughTest& t) {
    const SViewDescriptor& view = t.Game().PlayView();
    t.Tap(view.m_viewX + view.m_viewWidth * 3 / 4, view.m_viewY + view.m_viewHeight / 3);
    t.Frame();
}

const SCreature* findCreature(const SMap& map, const std::string& monster) {
    for (int i = 0; i < map.Creatures().Count(); ++i)
        if (map.Creatures()[i]->monster && map.Creatures()[i]->monster->m_name.Text() == monster)
            return map.Creatures()[i];
    return nullptr;
}

const SCreature* creatureAt(const SMap& map, int x, int y) {
    for (int i = 0; i < map.Creatures().Count(); ++i)
        if (map.Creatures()[i]->x == x && map.Creatures()[i]->y == y) return map.Creatures()[i];
    return nullptr;
}

bool isOfType(const SItem* item, const std::string& type) {
    return item != nullptr && item->m_type != nullptr && item->m_type->m_name.Text() == type;
}

bool carries(const SPlayer& player, const std::string& type) {
    for (int i = 0; i < player.ItemCount(); ++i)
        if (isOfType(player.Item(i), type)) return true;
    return false;
}

SStateInventory& inventory(WalkthroughTest& t) {
    return static_cast<SStateInventory&>(*t.Game().Screen(kInventoryScreen));
}

}  // namespace

Act StartTheProgram() {
    return [](WalkthroughTest& t) {
        t.Launch();
        return std::string();
    };
}

Act TapTheSplash() {
    return [](WalkthroughTest& t) {
        t.Tap(120, 160);
        t.Frame();
        return std::string();
    };
}

Act StartAtTheMenu() {
    return [](WalkthroughTest& t) {
        t.LaunchToMenu();
        return std::string();
    };
}

Act PageThroughTheScene(ScreenId next) {
    return [next](WalkthroughTest& t) {
        for (int page = 0; page < 40 && t.Current() == t.Game().Screen(kSceneScreen); ++page) {
            t.Tap(120, 100);
            t.Frame();
            t.Frame();
        }
        return std::string(t.FramesUntil(next, 100) ? "" : "the scene led elsewhere");
    };
}

Act BeginANewGame() {
    return [](WalkthroughTest& t) {
        for (const Act& act : {ChooseMenuRow("Start new game"), ReadTheIntro(), AcceptTheCharacter()})
            if (std::string why = act(t); !why.empty()) return why;
        return std::string();
    };
}

Act UseWhatIsAt(int x, int y) {
    return [x, y](WalkthroughTest& t) {
        if (std::string why = t.Walker().Face(x, y); !why.empty()) return why;
        tapTheViewAhead(t);
        framesUntilItReacts(t);
        return std::string();
    };
}

Act StepInto(int x, int y) {
    return [x, y](WalkthroughTest& t) {
        if (std::string why = t.Walker().Face(x, y); !why.empty()) return why;
        t.Act(kActionForward);
        for (int i = 0; i < kReactionFrames && !waitsOnSomething(t); ++i) t.Frame();
        return std::string();
    };
}

Act LetItPass() {
    return [](WalkthroughTest& t) {
        for (int i = 0;
             i < kReactionFrames * 10 && t.Current() == &t.Play() && t.Play().IsBusy() && t.Play().m_child == nullptr;
             ++i)
            t.Frame();
        return t.Settle();
    };
}

Act OpenThePileUnderfoot() {
    return [](WalkthroughTest& t) {
        const SViewDescriptor& view = t.Game().PlayView();
        t.Tap(view.m_viewX + view.m_viewWidth / 2, view.m_viewY + view.m_viewHeight * 9 / 10);
        if (!t.FramesUntil(kInventoryScreen, 20)) return std::string("no pile opened");
        t.Frame();
        return std::string();
    };
}

Act TakeFromThePile(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        SStateInventory& screen = inventory(t);
        const SItemList* pile = screen.ShownList();
        if (!screen.ContainerView() || pile == nullptr) return std::string("no pile is shown");
        for (int i = 0; i < pile->Count(); ++i) {
            const SItem* item = pile->At(i);
            if (!isOfType(item, itemType)) continue;
            screen.m_grid.SelectItem(item);
            t.TapOn(screen.m_take);
            return std::string(carries(t.Game().m_player, itemType) ? "" : "the item stayed in the pile");
        }
        return "no " + itemType + " in the pile";
    };
}

Act UseFromThePack(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        SStateInventory& screen = inventory(t);
        // In the container view the Drop button turns to the pack.
        if (screen.ContainerView()) t.TapOn(screen.m_drop);
        const SPlayer& player = t.Game().m_player;
        for (int i = 0; i < player.ItemCount(); ++i) {
            if (!isOfType(player.Item(i), itemType)) continue;
            screen.m_grid.SelectItem(player.Item(i));
            screen.UpdateUseButton();
            t.TapOn(screen.m_use);
            return std::string();
        }
        return "no " + itemType + " in the pack";
    };
}

Act WaitFor(ScreenId screen) {
    return [screen](WalkthroughTest& t) {
        return std::string(t.FramesUntil(screen, 200) ? "" : "the screen did not come");
    };
}

Act CastTheScroll(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        SDialogSpellbook& book = t.Play().m_spellbook;
        t.TapOn(book.m_tabButtons[SDialogSpellbook::kItemsTab - 1]);
        const SPlayer& player = t.Game().m_player;
        for (int row = 0; row < book.m_list.RowCount(); ++row) {
            if (!isOfType(player.Item(std::atoi(book.m_list.Row(row).key.Text())), itemType)) continue;
            book.m_list.Select(row);
            t.TapOn(book.m_cast);
            // The book closes, the scroll's gesture plays, and the spell brings up what it brings.
            for (int i = 0; i < kReactionFrames && (t.Play().SubMode() == SPlaySubMode::kFree ||
                                                    t.Play().SubMode() == SPlaySubMode::kSpellBook);
                 ++i)
                t.Frame();
            oneMoreFrameForTheHand(t);
            return std::string();
        }
        return "the spell book lists no " + itemType;
    };
}

Act ChooseToEnchant(std::string itemType) {
    return [itemType](WalkthroughTest& t) {
        auto* talk = dynamic_cast<SStateDialog*>(t.Current());
        SDialogEnchantItem& chooser = talk != nullptr ? talk->m_enchant : t.Play().m_enchanting;
        for (int row = 0; row < chooser.m_list.RowCount(); ++row) {
            chooser.m_list.Select(row);
            if (!isOfType(chooser.SelectedItem(), itemType)) continue;
            t.TapOn(chooser.m_choose);
            return std::string();
        }
        return "no " + itemType + " to enchant";
    };
}

Act UseTheService(uint32_t command) {
    return [command](WalkthroughTest& t) {
        if (auto* talk = dynamic_cast<SStateDialog*>(t.Current()))
            for (const STopicButtonCtrl& service : talk->m_services)
                if (service.IsShown() && service.m_command == command) {
                    t.TapOn(service);
                    return std::string();
                }
        if (auto* inn = dynamic_cast<SStateDialogInterior*>(t.Current()))
            for (size_t slot = 0; slot < inn->m_menu.size(); ++slot)
                if (inn->m_menu[slot].IsShown() && inn->MenuCommands()[slot] == command) {
                    t.TapOn(inn->m_menu[slot]);
                    return std::string();
                }
        return std::string("no such service is offered");
    };
}

Act SneakUpOn(std::string monster) {
    return [monster](WalkthroughTest& t) {
        for (int attempt = 0; attempt < kSneakAttempts; ++attempt) {
            // Persons turn and walk on their own clock: a while later it may show its back.
            for (int i = 0; i < attempt % 4 * kSneakPause; ++i) t.Frame();
            const SMap& map = *t.Play().m_currentMap;
            const SCreature* person = findCreature(map, monster);
            if (person == nullptr) return "no " + monster + " here";
            // Behind the person: one cell against the side it faces.
            const int x = person->x, y = person->y;
            // Its facing counts quarters anticlockwise from north, the sides clockwise.
            const int side = (4 - FacingOf(*person)) % 4;
            t.Walker().WalkTo(map.Name(), x - play_tables::kSideDx[side], y - play_tables::kSideDy[side]);
            if (person->x != x || person->y != y || !t.Walker().Face(x, y).empty()) continue;
            if (FacingOf(*person) != HeadingQuarter(t.Play().PlayerHeading())) continue;
            tapTheViewAhead(t);
            framesUntilItReacts(t);
            if (t.Play().SubMode() == SPlaySubMode::kStealQuestion) return std::string();
            // It turned round and talks: away, and round it again.
            if (t.Current() != &t.Play()) SayGoodbye()(t);
            t.Settle();
        }
        return "could not get behind the " + monster;
    };
}

Act ProvokeAndStandStill(int x, int y) {
    return [x, y](WalkthroughTest& t) {
        if (std::string why = t.Walker().Face(x, y); !why.empty()) return why;
        const SCreature* foe = creatureAt(*t.Play().m_currentMap, x, y);
        if (foe == nullptr) return std::string("no one stands ahead");
        bool turnedAway = false;
        for (int i = 0; i < kFightFrames && t.Current() == &t.Play(); ++i) {
            // Blows until it fights back; after that the player turns away and swings at the air,
            // and each swing gives the foe its turn.
            if (!t.Play().IsBusy()) {
                if (!foe->IsHostile())
                    t.Act(kActionAttack);
                else if (!turnedAway)
                    t.Act(kActionTurnRight), turnedAway = true;
                else
                    t.Act(kActionAttack);
            }
            t.Frame();
            // What the fight says is read and put away.
            if (!t.MessageText().empty()) t.Press(platform::kVkReturn);
        }
        return std::string(t.Current() == &t.Play() ? "the player still stands" : "");
    };
}

}  // namespace route
