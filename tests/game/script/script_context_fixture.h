#pragma once
// The script context's tests: the monster rules' cave map with a door, a wall, a pressure plate and
// a guard's object that a creature belongs to, a play screen and a conversation that answer from
// fields the tests set and write down what reaches them, the three text outputs, and an interpreter
// bound to the context.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/monsters/monster_fixture.h"
#include "data/named_script.h"
#include "data/persons/npc_table.h"
#include "data/player/player_world.h"
#include "data/script_table.h"
#include "data/sound_table.h"
#include "data/world/global_table.h"
#include "game/script/script_command_table.h"
#include "game/script/script_context.h"
#include "game/script/script_conversation.h"
#include "game/script/script_play_screen.h"
#include "game/script/script_text_output.h"
#include "script/script.h"
#include "support/sound_log.h"
#include "tools/sampledata/script_assembler.h"
#include "ui/widgets/dialog_list_ctrl.h"

class FakeScriptPlayScreen : public SScriptPlayScreen, public SPlayerWorld {
public:
    FakeScriptPlayScreen(TestGrid& grid, RecordingMonsterScreen& monsters) : m_grid(grid), m_monsters(monsters) {}

    SModule* CurrentWorld() const override { return world; }
    SMap* CurrentMap() const override { return map; }
    uint32_t GameMinutes() const override { return minutes; }
    void PassTime(uint32_t passing) override {
        minutes += passing;
        passed.push_back(passing);
    }
    void FormatDayTime(SString& out) const override { out.Assign(dayTime.c_str()); }
    bool LocateObject(const SMap&, const SPlacedObject& object, SGridPlace& place) const override {
        auto found = places.find(&object);
        if (found == places.end()) return false;
        place = found->second;
        return true;
    }
    void QueueMessage(const char* text, uint32_t set) override {
        boxes.emplace_back(text);
        buttons.push_back(set);
    }
    void ApplyCellChanges(std::vector<SCellEvent>& changes) override {
        applied.push_back(changes);
        changes.clear();
    }
    void QueueChoiceMenu(std::unique_ptr<SDialogListCtrl> list) override { menus.push_back(std::move(list)); }
    void QueueScene(const char* name) override { requests.push_back(std::string("scene ") + name); }
    void QueueTalkNpc(const char* name) override { requests.push_back(std::string("talk ") + name); }
    bool SetMonstersHostile(int32_t distance, bool hostile) override {
        requests.push_back((hostile ? "hostile " : "calm ") + std::to_string(distance));
        return monstersNearby;
    }
    int32_t WeatherCloud() const override { return cloud; }
    int32_t WeatherRain() const override { return rain; }
    void SetWeatherCloud(const char* newSky, int32_t newCloud) override {
        sky = newSky;
        cloud = newCloud;
        requests.push_back("sky " + sky);
    }
    void SetWeatherRain(int32_t newRain) override { rain = newRain; }
    void RefreshFog() override { requests.push_back("fog"); }
    SMapGrid* Grid() override { return gridShown ? &m_grid : nullptr; }
    SMonsterScreen* MonsterScreen() override { return &m_monsters; }
    SPlayerWorld* PlayerWorld() override { return this; }

    // Nothing moves the player in these tests.
    void QueueWorldEvent(const SWorldEvent&) override {}
    void QueueMoveQuestion(const char*, const char*, int32_t) override {}
    int32_t ParseMoveKind(const char*) const override { return 0; }
    int32_t PlayerGridX() const override { return playerX; }
    int32_t PlayerGridY() const override { return playerY; }
    uint8_t CurrentMapFlags() const override { return 0; }
    bool IsInJail() const override { return false; }
    void ClearJail() override {}

    SModule* world = nullptr;
    SMap* map = nullptr;
    uint32_t minutes = 2 * 1440 + 120;  // day 3, 2 am
    std::string dayTime = "Day 3, 2:00 am";
    std::map<const SPlacedObject*, SGridPlace> places;
    std::vector<std::string> boxes;
    std::vector<uint32_t> buttons;
    std::vector<uint32_t> passed;
    // Scenes, conversations, moods, sky and fog changes, in order: "scene base_dawn", "hostile 3",
    // "fog".
    std::vector<std::string> requests;
    std::vector<std::unique_ptr<SDialogListCtrl>> menus;
    int32_t playerX = 0;
    int32_t playerY = 0;
    bool gridShown = true;
    bool monstersNearby = false;
    std::string sky;
    int32_t cloud = 0;
    int32_t rain = 0;
    std::vector<std::vector<SCellEvent>> applied;

private:
    TestGrid& m_grid;
    RecordingMonsterScreen& m_monsters;
};

// Each call in order: "goodbye", "open", "line base_a Apples", "next", "first".
struct RecordingConversation : SScriptConversation {
    void Goodbye() override { calls.emplace_back("goodbye"); }
    void OpenChoiceList() override { calls.emplace_back("open"); }
    void AddListLine(const char* id, const char* title) override {
        calls.push_back(std::string("line ") + id + " " + title);
    }
    void GoNext() override { calls.emplace_back("next"); }
    void GoFirst() override { calls.emplace_back("first"); }
    std::vector<std::string> calls;
};

struct RecordingTextOutput : SScriptTextOutput {
    void ShowText(const char* text, uint32_t colour) override { shown.push_back({text, colour}); }
    std::vector<std::pair<std::string, uint32_t>> shown;
};

class ScriptContextTest : public MonsterTest {
protected:
    // Objects 1 the door, 2 the wall, 3 the guard's (with creature 1), 4 the plate.
    static constexpr const char* kLevel =
        "object 1 base_door\n"
        "object 2 base_wall\n"
        "object 3 base_guard text-a=base_innkeeper text-b=base_guardscript\n"
        "creature base_orcish 3 4 owner=3\n"
        "object 4 base_plate\n";

    ScriptContextTest() {
        door = AddType(20, "base_door");
        wall = AddType(5, "base_wall");
        plate = AddType(31, "base_plate");
        house = AddType(12, "base_house");
        cyclops = AddBaseType(SScriptContext::kDefaultMonsterType, SMonsterBaseType::kKindUndead);
        auto innkeeper = std::make_unique<SNpcType>();
        innkeeper->name.Set("base_innkeeper");
        npcs.Add(std::move(innkeeper));
        context.Init({&player, &npcs, &monsters, &types, &globals, &scripts, &spells, &items, &diseases, &random,
                      &sounds, &modules},
                     interpreter);
        sounds.Attach(&sound);
        sound.Attach(&sounds);
        sound.SetListener(&soundLog);
        interpreter.Init(&context);
        scripts.Attach(&interpreter);
        context.AttachPlayScreen(&play);
        context.AttachConversation(&conversation);
        context.SetTextOutput(SScriptOutputMode::PlayScreen, &log);
        context.SetTextOutput(SScriptOutputMode::Conversation, &textBox);
        context.SetTextOutput(SScriptOutputMode::Scene, &sceneText);
    }

    void SetUp() override {
        ASSERT_TRUE(Open(kLevel)) << error;
        play.world = modules.Current();
        play.map = map;
        grid.origins[map] = {7, 7};
        doorObject = map->FindObject(1);
        wallObject = map->FindObject(2);
        guardObject = map->FindObject(3);
        plateObject = map->FindObject(4);
        guard = map->Creatures()[0];
    }

    // Every command of the table by its name, so that listings read as the world's scripts do.
    static const SScriptAssembler::Commands& Commands() {
        static const SScriptAssembler::Commands commands = [] {
            SScriptAssembler::Commands all;
            for (uint32_t id = kFirstScriptCommand; id <= kLastScriptCommand; ++id)
                all[FindScriptCommand(id)->name] = uint8_t(id);
            return all;
        }();
        return commands;
    }
    static std::vector<uint8_t> Assemble(std::string_view listing) {
        return SScriptAssembler::Assemble(listing, Commands());
    }

    // Binds and runs the listing; its code (0 at the end, 20 after a return).
    int Run(std::string_view listing) {
        image = Assemble(listing);
        EXPECT_EQ(interpreter.Load(image.data(), uint32_t(image.size())), kScriptOk) << listing;
        return interpreter.RunToEnd();
    }

    SGlobalVar& AddGlobal(const char* name, const SScriptValue& value) {
        auto global = std::make_unique<SGlobalVar>();
        global->m_name.Set(name);
        global->m_value = value;
        SGlobalVar& added = *global;
        globals.Add(std::move(global));
        return added;
    }

    // The map object's script as the world's object scripts begin: the object with its place.
    void SetupForObject(SPlacedObject* object, SMapObjectType* type, uint32_t event, const SGridPlace& place) {
        play.places[object] = place;
        context.SetupForObjectNpc(event, object, map, &grid.Cell(place.x, place.y), type, place,
                                  SScriptOutputMode::PlayScreen);
    }

    SNpcTable npcs;
    // The log outlives the sound output, which tells it of the sounds stopped when it goes.
    SoundLog soundLog;
    SSound sound;
    SSoundTable sounds;
    SGlobalTable globals;
    SScriptTable scripts;
    SScript interpreter;
    SScriptContext context;
    FakeScriptPlayScreen play{grid, screen};
    RecordingTextOutput log;
    RecordingTextOutput textBox;
    RecordingTextOutput sceneText;
    RecordingConversation conversation;
    std::vector<uint8_t> image;

    SMapObjectType* door = nullptr;
    SMapObjectType* wall = nullptr;
    SMapObjectType* plate = nullptr;
    SMapObjectType* house = nullptr;
    SMonsterBaseType* cyclops = nullptr;
    SPlacedObject* doorObject = nullptr;
    SPlacedObject* wallObject = nullptr;
    SPlacedObject* guardObject = nullptr;
    SPlacedObject* plateObject = nullptr;
    SCreature* guard = nullptr;
};
