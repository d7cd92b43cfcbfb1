// The sample world's dungeon played through the driver as a player would: down the cellar's
// stairs, a fight with the brute for the iron key, the archer's chest, the locked door opened
// with the key, the trapped door disarmed, the lever that opens the gate, the shaman in the deepest
// room, and the plate back to Eastbrook. The route is a table of steps, each with what the screen
// shows after it; the player's hit points are topped up during fights, since the route tests the
// dungeon and not the balance of its fights.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "data/effects/disease.h"
#include "data/items/item.h"
#include "data/items/item_list.h"
#include "data/items/item_type.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "data/monsters/monster.h"
#include "data/spells/spell_table.h"
#include "game/feldmar2.h"
#include "render/view_descriptor.h"
#include "screens/play/sample_world_play.h"
#include "screens/screen_id.h"
#include "tools/sampledata/sample_dungeon.h"
#include "tools/sampledata/sample_spells.h"
#include "ui/dialogs/dialog_message.h"

namespace dungeon_route_test {

namespace {

enum class SDo {
    WalkTo,      // to the cell (x, y): first along the column, then along the row
    Step,        // one step to side x (0 north, 1 east, 2 south, 3 west), into the cell there
    Use,         // the thing on side x of the player's cell
    Answer,      // the open question, with the button x
    Fight,       // the monster named, until it dies
    Cast,        // the player's missile spell at the monster named, once it stands in line
    LootPile,    // everything in the pile where the last monster fought fell, taken into the pack
    LootObject,  // everything in the container the object on side x opens
};

struct SRouteStep {
    const char* what;  // as a walk-through says it
    SDo act;
    int x = 0;
    int y = 0;
    const char* name = "";
    // What shows after the step: "map NAME", "at X Y", "message TEXT" (the open message box holds
    // the text), "question TEXT" (the door question), "pack ITEM", "no pack ITEM", "open X Y" (the
    // door in that cell stands open), "dead NAME", "hurt NAME", "empty" (the container the step
    // opened holds nothing).
    const char* expect = "";
};

constexpr int kNorth = 0, kEast = 1, kSouth = 2, kWest = 3;

// clang-format off
const SRouteStep kRoute[] = {
    {"walk from the start to the stairs down", SDo::WalkTo, 17, 19, "", "at 17 19"},
    {"", SDo::WalkTo, 17, 15, "", "at 17 15"},
    {"", SDo::WalkTo, 21, 15, "", "at 21 15"},
    {"take the stairs in the east wall", SDo::Step, kEast, 0, "", "map base_dungeon"},
    {"the brute walks up: fight it", SDo::Fight, 0, 0, "base_dungeonbrute", "dead base_dungeonbrute"},
    {"take its loot", SDo::LootPile, 0, 0, "", "pack base_key_irondoor"},
    {"walk to the hall's east door", SDo::WalkTo, 23, 14, "", "at 23 14"},
    {"open it", SDo::Use, kEast, 0, "", "open 24 14"},
    {"its arrows fly: fight the archer", SDo::Fight, 0, 0, "base_dungeonarcher", "dead base_dungeonarcher"},
    {"walk through it into the archer's room", SDo::WalkTo, 25, 14, "", "at 25 14"},
    {"walk to the chest in the north wall", SDo::WalkTo, 27, 11, "", "at 27 11"},
    {"empty the chest", SDo::LootObject, kNorth, 0, "", "pack base_quiver_cheap"},
    {"walk to the iron door", SDo::WalkTo, 27, 15, "", "at 27 15"},
    {"open it with the key", SDo::Use, kSouth, 0, "", "message You have lost an item of Ironmongery."},
    {"", SDo::Answer, SDialogMessage::kOk, 0, "", "open 27 16"},
    {"the key stays in the lock", SDo::WalkTo, 27, 18, "", "no pack base_key_irondoor"},
    {"", SDo::WalkTo, 27, 18, "", "at 27 18"},
    {"try the next door", SDo::Use, kSouth, 0, "", "question The door seems to be trapped."},
    {"disarm its trap", SDo::Answer, SDialogMessage::kDisarm, 0, "", "message You have disarmed the door."},
    {"", SDo::Answer, SDialogMessage::kOk, 0, "", "at 27 18"},
    {"open it", SDo::Use, kSouth, 0, "", "open 27 19"},
    {"walk to the lever in the west wall", SDo::WalkTo, 27, 21, "", "at 27 21"},
    {"", SDo::WalkTo, 23, 21, "", "at 23 21"},
    {"pull it", SDo::Use, kWest, 0, "", "message Somewhere to the south a gate grinds open."},
    {"", SDo::Answer, SDialogMessage::kOk, 0, "", "open 25 23"},
    {"walk through the gate", SDo::WalkTo, 25, 22, "", "at 25 22"},
    {"", SDo::Step, kSouth, 0, "", "at 25 23"},
    {"burn the shaman with the missile spell", SDo::Cast, 0, 0, "base_dungeonshaman", "hurt base_dungeonshaman"},
    {"fight the shaman", SDo::Fight, 0, 0, "base_dungeonshaman", "dead base_dungeonshaman"},
    {"walk to the chest of the deepest room", SDo::WalkTo, 28, 26, "", "at 28 26"},
    {"take Ilse's locket from it", SDo::LootObject, kSouth, 0, "", "pack base_quest_silverlocket"},
    {"walk to the plate", SDo::WalkTo, 29, 25, "", "at 29 25"},
    {"step on it", SDo::Step, kNorth, 0, "", "map base_s0303"},
    {"arrive in Eastbrook's north-west quarter", SDo::Step, kSouth, 0, "", "at 11 11"},
};
// clang-format on

class DungeonRouteTest : public SampleWorldPlayTest {
protected:
    // A character who fights with a sword and a shield, casts attack magic and disarms traps.
    PlayDriver& StartAdventurer() {
        SCharacterChoice choice;
        choice.name = "Ayla";
        choice.majorSkills = {1, 2, 5, 10, 19, 8};
        return StartSampleWorld(7, choice);
    }

    void Perform(const SRouteStep& step) {
        switch (step.act) {
            case SDo::WalkTo: walkTo(step.x, step.y); break;
            case SDo::Step: stepTo(step.x); break;
            case SDo::Use:
                face(step.x);
                m_driver->Press(kActionUse);
                settle();
                break;
            case SDo::Answer:
                Screen().OnCommand(uint32_t(step.x));
                settle();
                break;
            case SDo::Fight: fight(step.name); break;
            case SDo::Cast: cast(step.name); break;
            case SDo::LootPile: {
                const SCellViewRecord* fell = Screen().GetRenderCell(m_fellX, m_fellY);
                ASSERT_NE(fell, nullptr);
                EXPECT_NE(fell->m_floorItemStack, 0) << "the loot lies drawn where the monster fell";
                shot("loot-pile");
                walkTo(m_fellX, m_fellY);
                const SMapCell* cell = Screen().GetCell(Screen().m_playerX, Screen().m_playerY);
                lootFrom(cell ? Screen().m_currentMap->FindContainer(uint8_t(cell->containerId)) : nullptr);
                break;
            }
            case SDo::LootObject: {
                face(step.x);
                m_driver->Press(kActionUse);
                m_driver->Frame();
                SState* inventory = Game().Screen(kInventoryScreen);
                ASSERT_EQ(Game().m_currentScreen, inventory) << "the container opens in the inventory";
                auto* list = reinterpret_cast<SItemList*>(inventory->m_param[1]);
                m_opened = list;
                lootFrom(list);
                Game().SwitchState(kGoBack);
                settle();
                break;
            }
        }
    }

    // Empty when the expectation holds, else what the screen shows instead.
    std::string Check(const std::string& expect) {
        const size_t space = expect.find(' ');
        const std::string kind = expect.substr(0, space),
                          rest = space == std::string::npos ? "" : expect.substr(space + 1);
        if (kind == "map") {
            const std::string map = Screen().m_currentMap ? Screen().m_currentMap->Name() : "none";
            return map == rest ? "" : "on map " + map;
        }
        if (kind == "at" || kind == "open") {
            const int x = std::atoi(rest.c_str()), y = std::atoi(rest.substr(rest.find(' ') + 1).c_str());
            if (kind == "at") return x == Screen().m_playerX && y == Screen().m_playerY ? "" : "at " + where();
            return doorOpen(x, y) ? "" : "the door is still closed; message \"" + m_driver->OpenMessageText() + "\"";
        }
        if (kind == "message" || kind == "question") {
            const std::string text = m_driver->OpenMessageText();
            const bool asked = Screen().SubMode() == SPlaySubMode::kDoorQuestion;
            if (kind == "question" && !asked) return "no door question at " + where() + "; message \"" + text + "\"";
            return text.find(rest) != std::string::npos ? "" : "message \"" + text + "\"";
        }
        if (kind == "pack" || kind == "no")
            return ((Game().m_player.CountOwnedItemsByName(expect.substr(expect.rfind(' ') + 1).c_str()) > 0) ==
                    (kind == "pack"))
                       ? ""
                       : "the pack holds " + std::to_string(Game().m_player.ItemCount()) + " items";
        if (kind == "dead") return find(rest) == nullptr ? "" : rest + " lives";
        if (kind == "hurt") {
            const SCreature* creature = find(rest);
            return creature == nullptr || creature->hp < creature->monster->m_stats[kStatMaxHitPoints]
                       ? ""
                       : rest + " is unhurt";
        }
        if (kind == "empty") return m_opened != nullptr && m_opened->Count() == 0 ? "" : "the container holds items";
        return "no such expectation";
    }

    SStateGame& Screen() { return m_driver->Play(); }

private:
    std::string where() { return std::to_string(Screen().m_playerX) + " " + std::to_string(Screen().m_playerY); }

    // Runs frames until the play screen rests, the monsters near taking their turns meanwhile; at
    // least one, since a screen ignores the keys of the frame a dialog closed in.
    void settle() {
        m_driver->Frame();
        m_driver->RunUntilIdle(400);
    }

    void face(int side) {
        for (int turn = 0; turn < 4 && int(Screen().FacingSide()) != side; ++turn) {
            m_driver->Press(kActionTurnRight);
            settle();
        }
    }

    bool stepTo(int side) {
        face(side);
        const int x = Screen().m_playerX, y = Screen().m_playerY;
        const SMap* map = Screen().m_currentMap;
        m_driver->Press(kActionForward);
        settle();
        m_driver->Frame();
        return x != Screen().m_playerX || y != Screen().m_playerY || map != Screen().m_currentMap;
    }

    // A step that does not go (a door still sliding open, a monster in the way) is tried again a
    // few frames later; a message a blow brought on the way is read and closed first.
    void walkTo(int x, int y) {
        for (int tries = 0; tries < 60 && (Screen().m_playerY != y || Screen().m_playerX != x); ++tries) {
            closeMessage();
            const int side = Screen().m_playerY != y ? (Screen().m_playerY > y ? kNorth : kSouth)
                                                     : (Screen().m_playerX > x ? kWest : kEast);
            if (!stepTo(side)) m_driver->Frames(10);
        }
    }

    SCreature* find(const std::string& name) {
        SMap* map = Screen().m_currentMap;
        for (int i = 0; map != nullptr && i < map->Creatures().Count(); ++i) {
            SCreature* creature = map->Creatures()[i];
            if (creature->monster != nullptr && name == creature->monster->m_name.Text()) return creature;
        }
        return nullptr;
    }

    // Where the creature stands on the grid; false when it is on none.
    bool locate(const SCreature& creature, int& x, int& y) {
        for (y = 0; y < SStateGame::kGridSize; ++y)
            for (x = 0; x < SStateGame::kGridSize; ++x)
                if (const SMapCell* cell = Screen().GetCell(x, y);
                    cell && (cell->creatures[0] == creature.id || cell->creatures[1] == creature.id))
                    return true;
        return false;
    }

    // The side from the player towards (x, y) when it lies in the player's row or column.
    int sideTowards(int x, int y) {
        const int dx = x - Screen().m_playerX, dy = y - Screen().m_playerY;
        if (dx != 0 && dy != 0) return -1;
        if (dx == 0) return dy < 0 ? kNorth : kSouth;
        return dx < 0 ? kWest : kEast;
    }

    // Lets the monsters act while the player stands, one frame.
    void waitAFrame() {
        if (!Screen().IsBusy()) Screen().m_monsterPassRequest = 1;
        fightFrame();
    }

    // One frame of a fight; the first arrow seen in flight and the first hurt are kept, and a
    // message a blow brings (a poison, a disease caught) is read and closed.
    void fightFrame() {
        m_driver->Frame();
        closeMessage();
        if (showing(SCombatAnim::kMissile)) shot("arrow-in-flight");
        if (showing(SCombatAnim::kHurt) && Screen().m_portrait.m_overlay != nullptr) {
            m_sawHurtPicture = true;
            shot("hurt");
        }
    }

    void closeMessage() {
        if (Screen().SubMode() != SPlaySubMode::kMessage) return;
        m_blowMessages.push_back(m_driver->OpenMessageText());
        Screen().OnCommand(SDialogMessage::kOk);
    }

    bool showing(uint8_t kind) {
        for (const auto& anim : Screen().CombatAnims())
            if (anim->kind == kind) return true;
        return false;
    }

    // The screen as NAME.png in $BRIMVALE_SHOTS, the first time only.
    void shot(const std::string& name) {
        if (m_shots.insert(name).second) m_driver->Rig().Shot("dungeon-" + name);
    }

    void fight(const std::string& name) {
        for (int frame = 0; frame < 8000; ++frame) {
            SCreature* creature = find(name);
            int x = 0, y = 0;
            if (creature == nullptr || !locate(*creature, x, y)) break;
            m_fellX = x;
            m_fellY = y;
            Game().m_player.ChangeHp(100, false);
            const int side = sideTowards(x, y);
            const int distance = std::abs(x - Screen().m_playerX) + std::abs(y - Screen().m_playerY);
            if (side >= 0 && distance == 1) {
                if (int(Screen().FacingSide()) != side) {
                    m_driver->Release();
                    face(side);
                }
                m_driver->Hold(kActionAttack);
                fightFrame();
                if (showing(SCombatAnim::kStroke)) shot("mid-stroke");
                continue;
            }
            m_driver->Release();
            // Close in along the longer way when the cell there is free, else wait for the monster.
            const int dx = x - Screen().m_playerX, dy = y - Screen().m_playerY;
            const int towards = std::abs(dx) >= std::abs(dy) ? (dx < 0 ? kWest : kEast) : (dy < 0 ? kNorth : kSouth);
            if (Screen().IsBusy() || !stepTo(towards)) waitAFrame();
        }
        m_driver->Release();
        settle();
    }

    void cast(const std::string& name) {
        const SSpellType* spell = Game().m_spells.FindSpell(kSampleMissileSpell);
        ASSERT_NE(spell, nullptr);
        ASSERT_TRUE(Game().m_player.KnowsSpell(*spell)) << "the kit's attack-magic book taught it";
        for (int frame = 0; frame < 2000; ++frame) {
            SCreature* creature = find(name);
            int x = 0, y = 0;
            ASSERT_TRUE(creature != nullptr && locate(*creature, x, y));
            Game().m_player.ChangeHp(100, false);
            const int side = sideTowards(x, y);
            if (side >= 0 && !Screen().IsBusy()) {
                face(side);
                Game().m_player.ChangeMana(100, false);
                Screen().BeginCast(*spell, nullptr);
                for (int wait = 0; wait < 100 && !showing(SCombatAnim::kSpellMissile); ++wait) fightFrame();
                fightFrame();
                if (showing(SCombatAnim::kSpellMissile)) shot("spell-missile");
                settle();
                return;
            }
            // A monster that keeps to a corner cell is brought in line by a step beside it.
            const int dx = x - Screen().m_playerX, dy = y - Screen().m_playerY;
            if (side < 0 && !Screen().IsBusy()) {
                if (std::abs(dx) == 1 && stepTo(dx < 0 ? kWest : kEast)) continue;
                if (std::abs(dy) == 1 && stepTo(dy < 0 ? kNorth : kSouth)) continue;
            }
            waitAFrame();
        }
        FAIL() << name << " never stood in line";
    }

    void lootFrom(SItemList* list) {
        ASSERT_NE(list, nullptr) << "there is something to take";
        while (list->Count() > 0) Game().m_player.AddOwnedItem(list->Take(list->At(0)));
    }

    bool doorOpen(int x, int y) {
        for (int frame = 0; frame < 200; ++frame) {
            const SMapCell* cell = Screen().GetCell(x, y);
            if (cell == nullptr || cell->centreType == nullptr) return false;
            if (!cell->centreType->IsBlocking(Screen().m_currentMap->FindObject(cell->centreId))) return true;
            m_driver->Frame();
        }
        return false;
    }

protected:
    bool m_sawHurtPicture = false;
    std::vector<std::string> m_blowMessages;  // read and closed in fights and on the way

private:
    SItemList* m_opened = nullptr;
    std::set<std::string> m_shots;
    int m_fellX = 0;
    int m_fellY = 0;
};

TEST_F(DungeonRouteTest, fromTheCellarThroughEveryDoorAndFightBackToEastbrook) {
    StartAdventurer();
    for (const SRouteStep& step : kRoute) {
        Perform(step);
        const std::string failure = Check(step.expect);
        ASSERT_EQ(failure, "") << "step \"" << step.what << "\" expected " << step.expect;
    }
    m_driver->Rig().Shot("dungeon-back-in-eastbrook");
    EXPECT_TRUE(m_sawHurtPicture) << "a blow showed the hurt picture over the portrait";
    // The brute's blows pass on its fever and the archer's arrows their poison, by chance: with
    // this seed both land.
    auto told = [this](const char* text) {
        for (const std::string& message : m_blowMessages)
            if (message.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(told("You have been infected by Cave fever")) << "the brute's fever";
    EXPECT_TRUE(told("You're poisoned!")) << "the archer's poison";
}

// A failed disarm springs the trapped door's plague on the one who tried.
TEST_F(DungeonRouteTest, theTrappedDoorGivesTheCaveFeverWhenItsTrapIsSprung) {
    StartAdventurer();
    Screen().TravelToPosition("base_dungeonfoot", 0);
    m_driver->RunUntilIdle(50);
    // Enough to see the trap, too little to disarm it.
    Game().m_player.SetBaseSkill(19, 5);
    Screen().m_playerX = 27;
    Screen().m_playerY = 18;
    Screen().m_heading = 180;
    // The plague takes hold by chance, as every infection does; a trap sprung a few times does it.
    for (int spring = 0; spring < 8 && !Game().m_player.HasDisease(kSampleDisease); ++spring) {
        Screen().Interact(-1, 0);
        m_driver->Frames(2);
        ASSERT_EQ(Screen().SubMode(), SPlaySubMode::kDoorQuestion) << m_driver->OpenMessageText();
        Screen().OnCommand(SDialogMessage::kDisarm);
        m_driver->RunUntilIdle(200);
        while (Screen().SubMode() == SPlaySubMode::kMessage) {
            Screen().OnCommand(SDialogMessage::kOk);
            m_driver->RunUntilIdle(200);
        }
    }
    EXPECT_TRUE(Game().m_player.HasDisease(kSampleDisease));
}

}  // namespace

namespace {

// The second way in: the stairs in the ruin of the north-west woods lead down into the hall, and
// the stairs beside the hall's arrival lead back up in front of them.
TEST_F(DungeonRouteTest, theRuinInTheWoodsLeadsDownToTheHallAndBack) {
    StartAdventurer();
    Screen().TravelToPosition("base_woodsfoot", 0);
    m_driver->RunUntilIdle(50);
    ASSERT_EQ(Check("map base_s0101"), "");
    const SRouteStep route[] = {
        {"down the stairs behind the arrival", SDo::Step, kNorth, 0, "", "map base_dungeon"},
        {"", SDo::Step, kEast, 0, "", "at 11 15"},
        // The hall's brute hears the steps and comes for the player, here as on the other way in.
        {"the brute walks up: fight it", SDo::Fight, 0, 0, "base_dungeonbrute", "dead base_dungeonbrute"},
        {"back to the stairs up", SDo::WalkTo, 10, 15, "", "at 10 15"},
        {"up them", SDo::Step, kWest, 0, "", "map base_s0101"},
    };
    for (const SRouteStep& step : route) {
        Perform(step);
        ASSERT_EQ(Check(step.expect), "") << "step \"" << step.what << "\" expected " << step.expect;
    }
}

}  // namespace

}  // namespace dungeon_route_test
