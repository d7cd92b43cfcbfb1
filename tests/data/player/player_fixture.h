#pragma once
// A player over the built-in rule tables, with a seeded generator and outputs that write down
// what the player reports.
#include <string>
#include <vector>

#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/items/item_database.h"
#include "data/player/player.h"
#include "data/quest_table.h"
#include "data/rules/attribute_table.h"
#include "data/rules/race_table.h"
#include "data/rules/skill_table.h"
#include "data/spells/spell_table.h"
#include "engine/base/random.h"
#include "support/item_records.h"
#include "support/module_fixture.h"

struct RecordingMessages : SMessageOutput {
    void ShowMessage(const char* text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

struct RecordingPlayerScreen : SPlayerScreen {
    struct Queued {
        std::string text;
        std::string sound;
    };
    void QueueMessage(const char* text, uint32_t, const char* sound) override {
        queued.push_back({text, sound ? sound : ""});
    }
    void SetHpBar(int32_t percent) override { hpBar = percent; }
    void SetManaBar(int32_t percent) override { manaBar = percent; }
    void UpdateHands() override { ++handUpdates; }
    void QueuePoisonHurt(int32_t amount) override { poisonHurts.push_back(amount); }
    void QueueHitFromSide(int32_t side, int32_t damage) override { hits.push_back({side, damage}); }
    void QueueDamage(int32_t damage) override { plainDamage.push_back(damage); }
    void CalmMonsters(int32_t cells) override { calmed.push_back(cells); }
    void QueueSimpleEvent(SPlayerEvent event, int32_t value) override { events.push_back({int32_t(event), value}); }
    void QueueSpellMissile(const SSpellType& spell, int32_t value) override { missiles.push_back({&spell, value}); }

    std::vector<Queued> queued;
    int32_t hpBar = -1;
    int32_t manaBar = -1;
    int handUpdates = 0;
    std::vector<int32_t> poisonHurts;
    std::vector<std::pair<int32_t, int32_t>> hits;
    std::vector<int32_t> plainDamage;
    std::vector<int32_t> calmed;
    std::vector<std::pair<int32_t, int32_t>> events;
    std::vector<std::pair<const SSpellType*, int32_t>> missiles;
};

class PlayerTest : public ModuleTest {
protected:
    PlayerTest() {
        attributes.InitDefaults();
        skills.InitDefaults();
        races.InitDefaults();
        random.Seed(1234);
        player.Attach(
            {&attributes, &skills, &races, &modules, &random, &items, &spells, &quests, &abilities, &diseases},
            &messages, &screen);
    }

    // Opens a world package of that identifier, which becomes the current one.
    void OpenWorld(const char* identifier) {
        TestWorldPackage package;
        package.identifier = identifier;
        ASSERT_NE(OpenPackage(package, identifier), nullptr) << modules.Error().Message();
    }

    // A player of the base world's new game: every attribute 15, every skill 10, race 2.
    void StartBaseGame() {
        OpenWorld("base");
        player.ResetForNewGame();
    }

    // An item type the database owns.
    SItemType& AddItemType(const char* name, uint8_t itemClass, uint8_t subtype = 1, const char* displayName = "") {
        items.AddItemType(MakeItemType(name, itemClass, subtype, displayName));
        return *items.FindItemType(name);
    }

    SAttributeTable attributes;
    SSkillTable skills;
    SRaceTable races;
    SRandom random;
    SItemDatabase items;
    SSpellTable spells;
    SQuestTable quests;
    SAbilityTable abilities;
    SDiseaseTable diseases;
    RecordingMessages messages;
    RecordingPlayerScreen screen;
    SPlayer player;
};

// A player of the base world's new game in every test.
class BaseGamePlayerTest : public PlayerTest {
protected:
    void SetUp() override { StartBaseGame(); }
};
