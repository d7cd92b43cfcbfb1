#include <gtest/gtest.h>

#include <optional>

#include "data/player/player_fixture.h"
#include "data/player/player_world.h"

namespace player_commands_test {

namespace {

struct RecordingWorld : SPlayerWorld {
    void QueueWorldEvent(const SWorldEvent& event) override { events.push_back(event); }
    void QueueMoveQuestion(const char* object, const char* question, int32_t moveKind) override {
        questions.push_back(std::string(object) + "|" + question + "|" + std::to_string(moveKind));
    }
    int32_t ParseMoveKind(const char* text) const override { return std::string(text) == "fade" ? 2 : 1; }
    int32_t PlayerGridX() const override { return 17; }
    int32_t PlayerGridY() const override { return 12; }
    uint8_t CurrentMapFlags() const override { return mapFlags; }
    bool IsInJail() const override { return jailed; }
    void ClearJail() override { jailed = false; }

    std::vector<SWorldEvent> events;
    std::vector<std::string> questions;
    uint8_t mapFlags = 0;
    bool jailed = true;
};

class PlayerCommandsTest : public BaseGamePlayerTest {
protected:
    void SetUp() override {
        BaseGamePlayerTest::SetUp();
        auto quest = std::make_unique<SQuest>();
        quest->name.Set("base_questwolf");
        quest->title.Assign("Wolf Hunt");
        quests.Add(std::move(quest));
        auto disease = std::make_unique<SDisease>();
        disease->m_name.Set("base_dis_cough");
        disease->m_text.Assign("Cough");
        diseases.Add(std::move(disease));
        AddItemType("base_potionheal", kItemPotion, 1, "Healing");
    }

    // The command's result, or nullopt when it gives none.
    std::optional<SScriptValue> Run(uint32_t id, SScriptValue arg1 = SScriptValue(), SScriptValue arg2 = SScriptValue(),
                                    SScriptValue arg3 = SScriptValue()) {
        std::optional<SScriptValue> result;
        EXPECT_EQ(player.ExecuteScriptCommand(world, id, arg1, arg2, arg3, result), 0u);
        return result;
    }
    static SScriptValue T(const char* text) { return SScriptValue(text); }
    static SScriptValue N(int32_t number) { return SScriptValue(number); }

    RecordingWorld world;
};

TEST_F(PlayerCommandsTest, requestsToMoveOrAskGoToTheWorldQueue) {
    SWorldEvent toDoor;
    toDoor.text = "door1";
    SWorldEvent fadeToDoor = toDoor;
    fadeToDoor.moveKind = 2;
    SWorldEvent west;
    west.type = SWorldEventType::Turn;
    west.direction = 1;
    SWorldEvent north = west;
    north.direction = 0;
    SWorldEvent position;
    position.type = SWorldEventType::MoveToPosition;
    position.x = 4;
    position.y = 9;
    SWorldEvent jail;
    jail.type = SWorldEventType::Jail;
    jail.text = "base_jail";
    SWorldEvent back;
    back.type = SWorldEventType::BackFromJail;
    SWorldEvent ship;
    ship.type = SWorldEventType::TravelByShip;
    ship.text = "base_port";
    ship.detail = "To the port";
    const struct {
        const char* name;
        uint32_t id;
        SScriptValue args[3];
        std::vector<SWorldEvent> events;
        std::vector<std::string> questions;
    } cases[] = {
        {"move", 162, {T("door1")}, {toDoor}, {}},
        {"movemode", 151, {T("door1"), T("fade")}, {fadeToDoor}, {}},
        {"turn West", 164, {T("West")}, {west}, {}},
        {"turn w", 164, {T("w")}, {west}, {}},
        {"turn x", 164, {T("xyz")}, {north}, {}},
        {"turn empty", 164, {T("")}, {north}, {}},
        {"movepos", 165, {N(4), N(9)}, {position}, {}},
        {"movetojail", 234, {T("base_jail")}, {jail}, {}},
        {"moveback", 235, {}, {back}, {}},
        {"movebyship", 254, {T("base_port"), T("To the port")}, {ship}, {}},
        {"movequestion", 163, {T("door1"), T("Enter?")}, {}, {"door1|Enter?|0"}},
        {"movequestionmode", 228, {T("door1"), T("Enter?"), T("fade")}, {}, {"door1|Enter?|2"}},
        {"movequestionmode without a mode", 228, {T("door1"), T("Enter?"), T("")}, {}, {"door1|Enter?|0"}},
    };
    for (const auto& c : cases) {
        world.events.clear();
        world.questions.clear();
        EXPECT_FALSE(Run(c.id, c.args[0], c.args[1], c.args[2]).has_value()) << c.name;
        EXPECT_EQ(world.events, c.events) << c.name;
        EXPECT_EQ(world.questions, c.questions) << c.name;
    }
}

TEST_F(PlayerCommandsTest, commandsActOnThePlayerAndQueriesAnswer) {
    const std::vector<std::string> kSilent;
    // Each step runs in order on the same player: a command, then what its query answers and says.
    const struct {
        const char* name;
        uint32_t id;
        SScriptValue args[2];
        std::optional<int32_t> result;
        // What it says; not looked at where nullopt.
        std::optional<std::vector<std::string>> messages;
    } steps[] = {
        {"hasquest before", 134, {T("base_questwolf")}, 0, kSilent},
        {"addquest", 131, {T("base_questwolf")}, std::nullopt, {{"You have a new quest: Wolf Hunt."}}},
        {"hasquest", 134, {T("base_questwolf")}, 1, kSilent},
        {"solvequest", 132, {T("base_questwolf")}, std::nullopt, {{"The Wolf Hunt quest has been solved."}}},
        {"isquestsolved", 135, {T("base_questwolf")}, 1, kSilent},
        {"isquestfailed", 136, {T("base_questwolf")}, 0, kSilent},
        {"receiveitem", 139, {T("base_potionheal"), N(2)}, std::nullopt, {{"You have received 2 potions of Healing."}}},
        {"hasitem 3 of 2", 141, {T("base_potionheal"), N(3)}, 0, kSilent},
        {"hasitem 2 of 2", 141, {T("base_potionheal"), N(2)}, 1, kSilent},
        {"isdiseased, none", 175, {T("")}, 0, kSilent},
        {"infectdisease", 173, {T("base_dis_cough")}, std::nullopt, {{"You have been infected by Cough."}}},
        {"isdiseased, any", 175, {T("")}, 1, kSilent},
        {"addxp", 143, {N(500)}, std::nullopt, std::nullopt},
        {"removexp restorable", 144, {N(120), N(1)}, std::nullopt, std::nullopt},
        {"hassavedxp", 242, {}, 120, kSilent},
        {"sethp", 178, {N(25)}, std::nullopt, {{"Your hp is 25."}}},
        {"gethp", 177, {}, 25, kSilent},
        {"addfame", 197, {N(-5)}, std::nullopt, std::nullopt},
        {"isevil", 193, {}, 1, kSilent},
        {"isgood", 192, {}, 0, kSilent},
        {"isparalyzed gives none", 239, {}, std::nullopt, kSilent},
        {"ispoisoned gives none", 240, {}, std::nullopt, kSilent},
        {"iscursed gives none", 241, {}, std::nullopt, kSilent},
        {"an id outside the player's", 100, {}, std::nullopt, kSilent},
        {"getposx underground", 166, {}, 17, kSilent},
        {"getposy underground", 167, {}, 12, kSilent},
        {"isinjail", 237, {}, 1, kSilent},
        {"clearjail", 236, {}, std::nullopt, kSilent},
        {"isinjail after", 237, {}, 0, kSilent},
    };
    for (const auto& step : steps) {
        messages.shown.clear();
        const std::optional<SScriptValue> result = Run(step.id, step.args[0], step.args[1]);
        EXPECT_EQ(result.has_value(), step.result.has_value()) << step.name;
        if (result && step.result) {
            EXPECT_EQ(result->Number(), *step.result) << step.name;
        }
        if (step.messages) {
            EXPECT_EQ(messages.shown, *step.messages) << step.name;
        }
    }
}

TEST_F(PlayerCommandsTest, positionsOnASurfaceMapStandSevenCellsOff) {
    world.mapFlags = SPlayerWorld::kSurfaceMapFlag;
    EXPECT_EQ(Run(166)->Number(), 10);
    EXPECT_EQ(Run(167)->Number(), 5);
}

TEST_F(PlayerCommandsTest, textQueriesAnswerTexts) {
    const std::optional<SScriptValue> race = Run(176);
    ASSERT_TRUE(race.has_value());
    EXPECT_TRUE(race->IsText());
    EXPECT_STREQ(race->Text(), player.RaceId());
}

}  // namespace

}  // namespace player_commands_test
