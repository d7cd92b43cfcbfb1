#include <gtest/gtest.h>

#include "game/script/script_context_fixture.h"

namespace script_world_commands_test {

namespace {

using Strings = std::vector<std::string>;
using ScriptWorldCommandsTest = ScriptContextTest;

TEST_F(ScriptWorldCommandsTest, scenesAndConversationsAreQueuedOnThePlayScreen) {
    EXPECT_EQ(Run("playscene ( \"base_dawn\" ) ; talknpc ( \"base_innkeeper\" ) ;"), kScriptOk);
    EXPECT_EQ(play.requests, Strings({"scene base_dawn", "talk base_innkeeper"}));
}

TEST_F(ScriptWorldCommandsTest, theWeatherIsReadAndSetWithinItsRange) {
    SGlobalVar& out = AddGlobal("base_out", SScriptValue(int32_t(0)));
    const struct {
        const char* listing;
        int32_t cloud;
        int32_t rain;
        const char* sky;
    } cases[] = {
        {"setweathercloud ( \"base_sky2\" , 40 ) ; setweatherrain ( 70 ) ;", 40, 70, "base_sky2"},
        {"setweathercloud ( \"base_sky3\" , 250 ) ; setweatherrain ( 101 ) ;", 100, 100, "base_sky3"},
        {"setweathercloud ( \"\" , -3 ) ; setweatherrain ( -1 ) ;", 0, 0, ""},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(Run(row.listing), kScriptOk);
        EXPECT_EQ(play.cloud, row.cloud) << row.listing;
        EXPECT_EQ(play.rain, row.rain) << row.listing;
        EXPECT_EQ(play.sky, row.sky) << row.listing;
        EXPECT_EQ(Run("setglobal ( \"base_out\" , ( getweathercloud ( ) * 1000 ) + getweatherrain ( ) ) ;"), kScriptOk);
        EXPECT_EQ(out.m_value.Number(), row.cloud * 1000 + row.rain) << row.listing;
    }
}

TEST_F(ScriptWorldCommandsTest, attractingAndCalmingMonstersSaysWhetherAnyChanged) {
    const struct {
        const char* listing;
        bool nearby;
        const char* request;
        const char* said;
    } cases[] = {
        {"attractmonsters ( 3 ) ;", true, "hostile 3", "You have attracted some monsters."},
        {"attractmonsters ( 3 ) ;", false, "hostile 3", "You have failed to attract any monsters."},
        {"calmmonsters ( 5 ) ;", true, "calm 5", "You have calmed some monsters down."},
        {"calmmonsters ( 5 ) ;", false, "calm 5", "You have failed to calm any monsters down."},
    };
    for (const auto& row : cases) {
        play.requests.clear();
        log.shown.clear();
        play.monstersNearby = row.nearby;
        context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
        EXPECT_EQ(Run(row.listing), kScriptOk);
        EXPECT_EQ(play.requests, Strings({row.request}));
        ASSERT_EQ(log.shown.size(), 1u) << row.listing;
        EXPECT_EQ(log.shown[0].first, row.said);
        EXPECT_EQ(log.shown[0].second, SScriptTextOutput::kHighlightColour);
    }
}

TEST_F(ScriptWorldCommandsTest, withoutAPlayScreenTheWorldHoldsStill) {
    play.cloud = 30;
    context.AttachPlayScreen(nullptr);
    SGlobalVar& out = AddGlobal("base_out", SScriptValue(int32_t(-1)));
    EXPECT_EQ(
        Run("playscene ( \"base_dawn\" ) ; calmmonsters ( 2 ) ; setglobal ( \"base_out\" , getweathercloud ( ) ) ;"),
        kScriptOk);
    EXPECT_TRUE(play.requests.empty());
    EXPECT_EQ(out.m_value.Number(), 0);
}

}  // namespace

}  // namespace script_world_commands_test
