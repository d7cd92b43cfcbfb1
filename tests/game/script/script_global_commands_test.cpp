#include <gtest/gtest.h>

#include "data/items/item_type.h"
#include "game/script/script_context_fixture.h"

namespace script_global_commands_test {

namespace {

class ScriptGlobalCommandsTest : public ScriptContextTest {
protected:
    void SetUp() override {
        ScriptContextTest::SetUp();
        out = &AddGlobal("base_out", SScriptValue(int32_t(-1)));
        AddGlobal("base_name", SScriptValue("Mirel"));
    }

    // The number the expression gives, written to the global base_out by the script.
    int32_t Result(const std::string& expression) {
        EXPECT_EQ(Run("setglobal ( \"base_out\" , " + expression + " ) ;"), kScriptOk) << expression;
        return out->m_value.Number();
    }

    SItemType* AddItemType(const char* name) {
        auto type = std::make_unique<SItemType>();
        type->m_name.Set(name);
        SItemType* added = type.get();
        items.AddItemType(std::move(type));
        return added;
    }

    SGlobalVar* out = nullptr;
};

TEST_F(ScriptGlobalCommandsTest, globalsAreReadAndWrittenByName) {
    EXPECT_EQ(Run("setglobal ( \"base_out\" , 41 ) ; setglobal ( \"base_none\" , 5 ) ;"), kScriptOk);
    EXPECT_EQ(out->m_value.Number(), 41);
    EXPECT_FALSE(out->m_value.IsText());
    EXPECT_EQ(Result("getglobal ( \"base_out\" ) + 1"), 42);
    EXPECT_EQ(Result("getglobal ( \"base_none\" )"), 0);
    EXPECT_EQ(Run("setglobalstr ( \"base_out\" , getglobalstr ( \"base_name\" ) + \"12\" ) ;"), kScriptOk);
    EXPECT_STREQ(out->m_value.Text(), "Mirel12");
    EXPECT_TRUE(out->m_value.IsText());
    // A text global's number is the decimal reading of its text; a missing global reads "".
    EXPECT_EQ(Run("setglobalstr ( \"base_out\" , \"7\" + getglobalstr ( \"base_none\" ) ) ;"), kScriptOk);
    EXPECT_STREQ(out->m_value.Text(), "7");
    EXPECT_EQ(out->m_value.Number(), 7);
}

TEST_F(ScriptGlobalCommandsTest, theClockIsReadAsTimeDayHourAndMinute) {
    const struct {
        uint32_t minutes;
        const char* expression;
        int32_t result;
    } cases[] = {
        {2 * 1440 + 125, "gettime ( )", 2 * 1440 + 125},
        {2 * 1440 + 125, "getday ( )", 3},
        {1439, "getday ( )", 1},
        {2 * 1440 + 125, "gethour ( )", 2},
        {2 * 1440 + 125, "getminute ( )", 5},
        {5 * 60 + 59, "isdaylight ( )", 0},
        {6 * 60, "isdaylight ( )", 1},
        {21 * 60 + 59, "isdaylight ( )", 1},
        {22 * 60, "isdaylight ( )", 0},
        {5 * 60 + 59, "isnight ( )", 1},
        {6 * 60, "isnight ( )", 0},
        {21 * 60 + 59, "isnight ( )", 0},
        {1440 + 22 * 60, "isnight ( )", 1},
        {3000, "getdaydiff ( 100 )", 2},
        {3000, "gethourdiff ( 100 )", 48},
        {3000, "getminutediff ( 100 )", 2900},
        {3000, "getminutediff ( 3000 )", 0},
        {3000, "getdaydiff ( 3001 )", 0},
        {3000, "gethourdiff ( 3001 )", 0},
        {3000, "getminutediff ( 3001 )", 0},
    };
    for (const auto& row : cases) {
        play.minutes = row.minutes;
        EXPECT_EQ(Result(row.expression), row.result) << row.expression << " at minute " << row.minutes;
    }
}

TEST_F(ScriptGlobalCommandsTest, passTimeMovesTheClockOnButNeverBack) {
    play.minutes = 100;
    EXPECT_EQ(Run("passtime ( 1 , 2 , 3 ) ; passtime ( 0 , 0 , -5 ) ; passtime ( -1 , 0 , 0 ) ;"), kScriptOk);
    EXPECT_EQ(play.passed, std::vector<uint32_t>({1440 + 123}));
    // The clock stops at its end instead of wrapping round.
    play.minutes = 0xFFFFFFF0u;
    EXPECT_EQ(Run("passtime ( 2000000000 , 0 , 0 ) ; passtime ( 0 , 0 , 1 ) ;"), kScriptOk);
    EXPECT_EQ(play.minutes, 0xFFFFFFFFu);
}

TEST_F(ScriptGlobalCommandsTest, passTimeToWaitsUntilTheTimeOfDayTheTextGives) {
    const uint32_t tenPastTwo = 1440 + 14 * 60 + 10;
    const struct {
        const char* text;
        uint32_t waited;
    } cases[] = {
        {"5pm", 2 * 60 + 50},
        {"3pm", 50},
        {"930am", 19 * 60 + 20},
        {"2am", 11 * 60 + 50},
        {"12am", 9 * 60 + 50},   // midnight
        {"12pm", 21 * 60 + 50},  // noon
        {"1130pm", 9 * 60 + 20},
        {"0930", 7 * 60 + 20},  // without "am" a time is after noon: 21:30
        {"210PM", 0},           // the very minute waits not at all
        {"1300", 0},
        {"9", 0},
        {"-5pm", 0},
        {"", 0},
    };
    for (const auto& row : cases) {
        play.minutes = tenPastTwo;
        play.passed.clear();
        EXPECT_EQ(Run(std::string("passtimeto ( \"") + row.text + "\" ) ;"), kScriptOk);
        EXPECT_EQ(play.minutes - tenPastTwo, row.waited) << row.text;
        EXPECT_EQ(play.passed.empty(), row.waited == 0) << row.text;
    }
}

TEST_F(ScriptGlobalCommandsTest, theContextsDamageSpellAndWeaponsAreTested) {
    context.SetupForCreature(kEventHit, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    context.SetDamage(9);
    EXPECT_EQ(Result("getdamage ( )"), 9);
    EXPECT_EQ(Run("setdamage ( 4 ) ;"), kScriptOk);
    EXPECT_EQ(context.Damage(), 4);

    SItemType* sword = AddItemType("base_sword");
    SItemType* axe = AddItemType("base_axe");
    SItem first(*sword), second(*axe);
    context.SetHitWeapons(&first, &second);
    context.SetSpell("base_fire", 3);
    const struct {
        uint32_t event;
        const char* expression;
        int32_t result;
    } cases[] = {
        {kEventHit, "isweapon ( \"base_sword\" )", 1}, {kEventHit, "isweapon ( \"base_axe\" )", 1},
        {kEventHit, "isweapon ( \"base_Axe\" )", 0},   {kEventSpell, "isweapon ( \"base_sword\" )", 0},
        {kEventSpell, "isspell ( \"base_fire\" )", 1}, {kEventSpell, "isspell ( \"base_Fire\" )", 0},
        {kEventHit, "isspell ( \"base_fire\" )", 0},
    };
    for (const auto& row : cases) {
        context.SetupForCreature(row.event, guardObject, map, guard, SScriptOutputMode::PlayScreen);
        EXPECT_EQ(Result(row.expression), row.result) << row.expression << " during event " << row.event;
    }
}

TEST_F(ScriptGlobalCommandsTest, theMapWorldItemsAndRandomNumbersAreLookedUp) {
    SItemType* ring = AddItemType("base_ring");
    ring->m_baseValue = 120;
    const std::string world = modules.Current()->Identifier().Text();
    const struct {
        std::string expression;
        int32_t result;
    } cases[] = {
        {"iscurrentmap ( \"base_cave\" )", 1},
        {"iscurrentmap ( \"base_Cave\" )", 0},
        {"iscurrentworld ( \"" + world + "\" )", 1},
        {"iscurrentworld ( \"elsewhere\" )", 0},
        // The world's identifier counts, not its name.
        {"iscurrentworld ( \"" + std::string(modules.Current()->Header().name.Text()) + "\" )", 0},
        {"itemvalue ( \"base_ring\" )", 120},
        {"itemvalue ( \"base_none\" )", 0},
        {"random ( 1 )", 0},
        {"random ( 0 )", 0},
        {"random ( -4 )", 0},
    };
    for (const auto& row : cases) EXPECT_EQ(Result(row.expression), row.result) << row.expression;
    for (int i = 0; i < 50; ++i) {
        const int32_t roll = Result("random ( 6 )");
        EXPECT_GE(roll, 0);
        EXPECT_LT(roll, 6);
    }
}

TEST_F(ScriptGlobalCommandsTest, aMessageShowsPlainAndAQuestionIsAskedOnlyOnThePlayScreen) {
    player.SetName("Aldric");
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(Run("message ( \"Hail, %PCName%.\" ) ; questionyesno ( \"Enter?\" ) ; "
                  "questionokcancel ( \"Pay?\" ) ;"),
              kScriptOk);
    EXPECT_EQ(log.shown,
              (std::vector<std::pair<std::string, uint32_t>>{{"Hail, Aldric.", SScriptTextOutput::kPlainColour}}));
    EXPECT_EQ(play.boxes, std::vector<std::string>({"Enter?", "Pay?"}));
    EXPECT_EQ(play.buttons, std::vector<uint32_t>({12, 3}));

    context.SetupForConversation(npcs.Find("base_innkeeper"));
    EXPECT_EQ(Run("questionyesno ( \"Enter?\" ) ; questionokcancel ( \"Pay?\" ) ;"), kScriptOk);
    context.SetupForScene();
    EXPECT_EQ(Run("questionyesno ( \"Enter?\" ) ;"), kScriptOk);
    EXPECT_EQ(play.boxes.size(), 2u);
}

TEST_F(ScriptGlobalCommandsTest, theAnswerIsTheLastQuestionsUntilTheNextSetUp) {
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(Result("answer ( )"), 0);
    context.SetAnswer(2);
    EXPECT_EQ(Result("answer ( )"), 2);
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(Result("answer ( )"), 0);
}

TEST_F(ScriptGlobalCommandsTest, aSoundPlaysByNameAtAVolumeOfAtMostTen) {
    for (const char* name : {"bsnd_bell", "bsnd_door"}) {
        auto effect = std::make_unique<SSoundType>();
        effect->name = name;
        sounds.AddSound(std::move(effect));
    }
    EXPECT_EQ(
        Run("playsound ( \"bsnd_bell\" , 7 ) ; playsound ( \"bsnd_door\" , 40 ) ; playsound ( \"bsnd_door\" , -2 ) ; "
            "playsound ( \"bsnd_none\" , 5 ) ; playmusic ( \"bmus_none\" ) ;"),
        kScriptOk);
    EXPECT_EQ(soundLog.Lines(), std::vector<std::string>({"bsnd_bell 7", "bsnd_door 10", "bsnd_door 0"}));
}

}  // namespace

}  // namespace script_global_commands_test
