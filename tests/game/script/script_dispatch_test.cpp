#include <gtest/gtest.h>

#include "game/script/script_context_fixture.h"

namespace script_dispatch_test {

namespace {

using ScriptDispatchTest = ScriptContextTest;

TEST_F(ScriptDispatchTest, aCommandReachesTheHandlerOfItsTargetsKind) {
    guard->hp = 40;
    const uint32_t gold = player.Gold();
    EXPECT_EQ(Run("@base_door . setstate ( 9 ) ; @base_guard . sethp ( 5 ) ; @PLAYER . receivegold ( 50 ) ; "
                  "@Player . receivegold ( 7 ) ;"),
              kScriptOk);
    EXPECT_EQ(doorObject->stateByte, 9);
    EXPECT_EQ(guard->hp, 5);
    EXPECT_EQ(player.Gold(), gold + 57);
}

TEST_F(ScriptDispatchTest, thisWithACreatureSourceReachesItsMonster) {
    context.SetupForCreature(kEventHit, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    EXPECT_EQ(Run("sethp ( 3 ) ; @(this) . setaggressive ( ) ;"), kScriptOk);
    EXPECT_EQ(guard->hp, 3);
    EXPECT_TRUE(guard->state & SCreature::kAggressive);
}

TEST_F(ScriptDispatchTest, thisWithAnObjectSourceReachesItsType) {
    SetupForObject(doorObject, door, kEventUse, {4, 5, 1, 1});
    EXPECT_EQ(Run("setstate ( 9 ) ;"), kScriptOk);
    EXPECT_EQ(doorObject->stateByte, 9);
}

TEST_F(ScriptDispatchTest, aTargetThatFindsNothingEndsTheScriptWithScriptError) {
    EXPECT_EQ(Run("@base_nobody . close ( ) ; @base_door . close ( ) ;"), kScriptNotAnObject);
    EXPECT_FALSE(doorObject->flags & SPlacedObject::kClosed);
    // A scene has no source, so "(this)" finds nothing either.
    context.SetupForScene();
    image = Assemble("close ( ) ;");
    ASSERT_EQ(interpreter.Load(image.data(), uint32_t(image.size())), kScriptOk);
    EXPECT_FALSE(interpreter.Execute());
    EXPECT_EQ(play.boxes, std::vector<std::string>({"Script error!"}));
}

TEST_F(ScriptDispatchTest, theWorldsCommandsIgnoreTheirTarget) {
    const struct {
        uint32_t event;
        int state;
    } cases[] = {{kEventUse, 1}, {kEventHit, 0}};
    for (const auto& row : cases) {
        doorObject->stateByte = 0;
        context.SetupForCreature(row.event, guardObject, map, guard, SScriptOutputMode::PlayScreen);
        EXPECT_EQ(Run("if ( @base_nobody . evtuse ( ) == evtuse ( ) ) if ( evtuse ( ) ) @base_door . setstate ( 1 ) ;"),
                  kScriptOk);
        EXPECT_EQ(doorObject->stateByte, row.state) << row.event;
    }
}

TEST_F(ScriptDispatchTest, eachEventTestAnswersForItsOwnEvent) {
    const struct {
        const char* test;
        uint32_t event;
    } tests[] = {{"evtstepon", kEventStepOn}, {"evtstepoff", kEventStepOff}, {"evtitemchange", kEventItemChange},
                 {"evthit", kEventHit},       {"evtspell", kEventSpell},     {"evtuse", kEventUse},
                 {"evtdie", kEventDeath},     {"evtequip", kEventEquip},     {"evtremove", kEventRemove},
                 {"evtarrive", kEventArrive}};
    for (const auto& row : tests) {
        for (const auto& other : tests) {
            doorObject->stateByte = 0;
            context.SetupForCreature(other.event, guardObject, map, guard, SScriptOutputMode::PlayScreen);
            EXPECT_EQ(Run(std::string("if ( ") + row.test + " ( ) ) @base_door . setstate ( 1 ) ;"), kScriptOk);
            EXPECT_EQ(doorObject->stateByte, row.event == other.event ? 1 : 0)
                << row.test << " during event " << other.event;
        }
    }
}

TEST_F(ScriptDispatchTest, aCreatureWithoutAMonsterIsAnsweredByTheStandInOfTheCyclops) {
    guard->monster = nullptr;
    EXPECT_EQ(Run("@base_guard . sethp ( 4 ) ; if ( @base_guard . isundead ( ) ) @base_door . setstate ( 1 ) ;"),
              kScriptOk);
    EXPECT_EQ(guard->hp, 4);
    // The cyclops's base type is undead.
    EXPECT_EQ(doorObject->stateByte, 1);
}

TEST_F(ScriptDispatchTest, anObjectWhoseTypeTheWorldLacksRunsTheBaseCommands) {
    doorObject->name.Set("base_unknown");
    EXPECT_EQ(Run("@base_unknown . close ( ) ;"), kScriptOk);
    EXPECT_TRUE(doorObject->flags & SPlacedObject::kClosed);
}

TEST_F(ScriptDispatchTest, aChangedCellIsQueuedOnce) {
    play.places[doorObject] = {4, 5, 1, 2};
    EXPECT_EQ(Run("@base_door . setoff ( ) ; @base_door . seton ( ) ;"), kScriptOk);
    EXPECT_EQ(context.CellEvents(), std::vector<SCellEvent>({{map, {4, 5, 1, 2}}}));
}

TEST_F(ScriptDispatchTest, showingOrHidingAWallQueuesItsSideAndEveryOtherSide) {
    const struct {
        int side;
        size_t events;
    } cases[] = {{-1, 5}, {2, 4}};
    for (const auto& row : cases) {
        context.SetupForScene();
        play.places[wallObject] = {6, 8, row.side, 1};
        EXPECT_EQ(Run("@base_wall . sethidden ( ) ; @base_wall . setvisible ( ) ;"), kScriptOk);
        context.RunObjectScript();
        ASSERT_FALSE(play.applied.empty());
        const std::vector<SCellEvent>& queued = play.applied.back();
        EXPECT_EQ(queued.size(), row.events) << row.side;
        EXPECT_EQ(queued.front(), SCellEvent({map, {6, 8, row.side, 1}}));
        for (int side = 0; side < 4; ++side)
            EXPECT_NE(std::find(queued.begin(), queued.end(), SCellEvent({map, {6, 8, side, 1}})), queued.end());
    }
}

TEST_F(ScriptDispatchTest, aCreaturesTargetStandsWhereTheGridPutsItsCell) {
    const std::optional<SScriptTarget> target = context.ResolveTarget("base_guard");
    ASSERT_TRUE(target);
    EXPECT_EQ(target->kind, SScriptTarget::Kind::CreatureObject);
    EXPECT_EQ(target->creature, guard);
    EXPECT_EQ(target->place, SGridPlace({3 + 7, 4 + 7, -1, 1}));
    const std::optional<SScriptTarget> off = context.ResolveTarget("base_door");
    ASSERT_TRUE(off);
    EXPECT_EQ(off->kind, SScriptTarget::Kind::MapObject);
    EXPECT_EQ(off->place, SGridPlace{});
}

TEST_F(ScriptDispatchTest, defaultRunsTheSourcesOwnReaction) {
    // A plate stepped on changes its cell.
    SetupForObject(plateObject, plate, kEventStepOn, {2, 3, -1, 1});
    EXPECT_EQ(Run("default ( ) ;"), kScriptOk);
    EXPECT_EQ(context.CellEvents(), std::vector<SCellEvent>({{map, {2, 3, -1, 1}}}));
    // The guard hit takes the blow's damage.
    guard->hp = 40;
    guard->state = SCreature::kAggressive;
    context.SetupForCreature(kEventHit, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    context.SetDamage(7);
    EXPECT_EQ(Run("default ( ) ;"), kScriptOk);
    EXPECT_EQ(guard->hp, 33);
}

TEST_F(ScriptDispatchTest, anObjectsScriptRunsByItsNameAndTheCellsAreBuiltAgainAfterIt) {
    auto script = std::make_unique<SNamedScript>();
    script->name.Set("base_guardscript");
    script->program = Assemble("@base_door . setoff ( ) ;");
    scripts.Add(std::move(script));
    play.places[doorObject] = {1, 1, 0, 1};
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    context.RunObjectScript();
    EXPECT_TRUE(doorObject->flags & SPlacedObject::kClosed);
    ASSERT_EQ(play.applied.size(), 1u);
    EXPECT_EQ(play.applied[0], std::vector<SCellEvent>({{map, {1, 1, 0, 1}}}));
    EXPECT_TRUE(context.CellEvents().empty());
    // Without a script the cells queued by the play screen are still built.
    context.SetupForObjectNpc(kEventUse, doorObject, map, nullptr, door, {1, 1, 0, 1}, SScriptOutputMode::PlayScreen);
    context.QueueCellEvent(map, {9, 9, -1, 1});
    context.RunObjectScript();
    ASSERT_EQ(play.applied.size(), 2u);
    EXPECT_EQ(play.applied[1], std::vector<SCellEvent>({{map, {9, 9, -1, 1}}}));
}

}  // namespace

}  // namespace script_dispatch_test
