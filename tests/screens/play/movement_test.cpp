#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "data/items/item_type.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "data/named_script.h"
#include "data/package/module.h"
#include "data/player/active_effect.h"
#include "data/world/global_table.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/sound_fixtures.h"
#include "support/text_ctrl_lines.h"
#include "tools/sampledata/game_script_commands.h"

namespace movement_test {

namespace {

constexpr uint32_t kHandheld = 7;  // 240x320, 40 ms frames
constexpr uint32_t kLarge = 15;    // 800x600, 30 ms frames, the fast flag
constexpr int32_t kCentre = SStateGame::kCellCentre;
constexpr uint32_t kEast = 270;

// A room whose plate (object 2, at (4, 1) by the north wall) counts the steps on and off it in two
// globals through its script.
const char* const kPlateRoom = R"(floor base_stone
cell # centre=base_brick
cell . floor=base_stone
cell S floor=base_stone centre=base_position centre-id=1 centre-extra=2
cell P floor=base_stone centre=base_position centre-id=2
cells 0 0
#########
#...P...#
#..S....#
#.......#
#########
end
object 1 base_start
object 2 base_plate text-b=base_count
)";

class MovementTest : public PlayDriverTest {
protected:
    SStateGame& play() { return m_driver->Play(); }
    uint32_t movementTicks() const { return m_driver->Play().Clocks().Count(SPlayClock::kMovement); }
    // Presses the action and runs the frames until the step is over; answers its movement ticks.
    uint32_t stepTicks(uint32_t action) {
        const uint32_t before = movementTicks();
        m_driver->Press(action);
        EXPECT_TRUE(m_driver->RunUntilIdle(40));
        return movementTicks() - before;
    }
    void StandAt(int x, int y, uint32_t heading) {
        play().m_playerX = x;
        play().m_playerY = y;
        play().m_heading = heading;
    }
    const SGlobalVar& AddGlobal(const char* name) {
        auto global = std::make_unique<SGlobalVar>();
        global->m_name.Set(name);
        global->m_value = SScriptValue(int32_t(0));
        const SGlobalVar& kept = *global;
        m_driver->Game().m_globals.Add(std::move(global));
        return kept;
    }
    void AddScript(const char* name, const char* listing) {
        auto script = std::make_unique<SNamedScript>();
        script->name.Set(name);
        script->program = SScriptAssembler::Assemble(listing, GameScriptCommands());
        m_driver->Game().m_scriptTable.Add(std::move(script));
    }
    void OpenSurface() {
        std::string error;
        ASSERT_TRUE(m_driver->OpenStoneSurface(error)) << error;
    }
    SMap* Section(const char* name) { return play().m_package->FindMap(name); }
};

// The side a movement goes to by the heading: strafe left at 0 is west, back at 90 east.
TEST_F(MovementTest, eachMovementGoesToTheSideItsHeadingGives) {
    struct Row {
        uint32_t heading;
        uint32_t action;
        uint32_t side;
        int dx, dy;
    };
    const Row rows[] = {
        {0, kActionForward, 0, 0, -1},     {0, kActionStrafeLeft, 3, -1, 0},   {0, kActionStrafeRight, 1, 1, 0},
        {0, kActionBack, 2, 0, 1},         {90, kActionBack, 1, 1, 0},         {90, kActionForward, 3, -1, 0},
        {180, kActionStrafeLeft, 1, 1, 0}, {270, kActionStrafeRight, 2, 0, 1},
    };
    PlayDriver& driver = Start();
    for (const Row& row : rows) {
        play().TravelToPosition(PlayDriver::kStartPosition, 0);
        // Input waits for the first frame after a travel.
        driver.Frame();
        play().m_heading = row.heading;
        driver.Press(row.action);
        EXPECT_EQ(play().m_stepSide, row.side) << row.heading << " " << row.action;
        ASSERT_TRUE(driver.RunUntilIdle(20));
        EXPECT_EQ(play().m_playerX, PlayDriver::kStartX + row.dx) << row.heading << " " << row.action;
        EXPECT_EQ(play().m_playerY, PlayDriver::kStartY + row.dy) << row.heading << " " << row.action;
        EXPECT_EQ(play().m_heading, row.heading) << "a step never turns";
    }
}

// A walk crosses the cell in 8 movement ticks (4 fast); a bump goes 3 ticks towards the wall,
// stands 3 and comes back in 3 (2, 1 and 2 fast), and like a walk lets one game minute pass.
TEST_F(MovementTest, walksAndBumpsTakeTheirTicksAndAMinute) {
    struct Row {
        const char* name;
        uint32_t mode;
        int fromX;
        int toX;
        uint32_t ticks;
        std::vector<int32_t> fractions;  // by movement tick
    };
    const Row rows[] = {
        {"walk", kHandheld, 3, 4, 8, {0xA000, 0xC000, 0xE000, 0, 0x2000, 0x4000, 0x6000, 0x8000}},
        {"fast walk", kLarge, 3, 4, 4, {0xC000, 0, 0x4000, 0x8000}},
        {"bump", kHandheld, 5, 5, 9, {0x9000, 0xA000, 0xB000, 0xB000, 0xB000, 0xB000, 0xA000, 0x9000, 0x8000}},
        {"fast bump", kLarge, 5, 5, 5, {0x9000, 0xA000, 0xA000, 0x9000, 0x8000}},
    };
    for (const Row& row : rows) {
        PlayDriver& driver = Start(row.mode);
        StandAt(row.fromX, PlayDriver::kStartY, kEast);
        const uint32_t minutes = play().m_minutes;
        const uint32_t before = movementTicks();
        driver.Press(kActionForward);
        std::vector<int32_t> fractions;
        for (int frame = 0; frame < 40 && play().m_moving != 0; ++frame) {
            const uint32_t ticks = movementTicks();
            driver.Frame();
            if (movementTicks() != ticks) fractions.push_back(play().m_fractionX);
        }
        EXPECT_EQ(movementTicks() - before, row.ticks) << row.name;
        EXPECT_EQ(fractions, row.fractions) << row.name;
        EXPECT_EQ(play().m_playerX, row.toX) << row.name;
        EXPECT_EQ(play().m_fractionX, kCentre) << row.name;
        EXPECT_EQ(play().m_minutes, minutes + 1) << row.name;
        EXPECT_TRUE(driver.RunUntilIdle(5)) << row.name;
    }
}

// A step is one minute of the day as it runs: the day's weather roll and the rain it brought stay,
// where a new roll at each step would turn the rain on and off under a sky that changes each step.
TEST_F(MovementTest, stepsLetTheRainRunOnWithoutRollingTheWeatherAnew) {
    PlayDriver& driver = Start();
    constexpr int32_t kStormRoll = 85;
    play().RollWeather(kStormRoll);
    const int32_t intensity = play().GetRainIntensity();
    ASSERT_GT(intensity, 0);
    const uint32_t minutes = play().m_minutes;
    StandAt(3, PlayDriver::kStartY, kEast);
    const uint32_t actions[] = {kActionForward, kActionBack, kActionForward, kActionBack};
    for (uint32_t action : actions) {
        driver.Press(action);
        ASSERT_TRUE(driver.RunUntilIdle(40));
        EXPECT_EQ(play().GetWeatherRoll(), kStormRoll);
        // The rain waits out its countdown of at least 300 minutes before it drifts.
        EXPECT_EQ(play().GetRainIntensity(), intensity);
    }
    EXPECT_EQ(play().m_minutes, minutes + std::size(actions));
}

// Stepping off and on reach the plate's script once per finished step; a bump against the wall
// beside it reaches neither.
TEST_F(MovementTest, stepOffAndOnReachTheScriptOncePerStep) {
    PlayDriver& driver = Start();
    std::string error;
    ASSERT_TRUE(driver.OpenWorld("BrimvalePlate", {{PlayDriver::kRoomMap, "The plate", kPlateRoom}}, error)) << error;
    driver.Frame();
    const SGlobalVar& on = AddGlobal("base_on");
    const SGlobalVar& off = AddGlobal("base_off");
    AddScript("base_count",
              "if ( evtstepon ( ) ) setglobal ( \"base_on\" , getglobal ( \"base_on\" ) + 1 ) ; "
              "if ( evtstepoff ( ) ) setglobal ( \"base_off\" , getglobal ( \"base_off\" ) + 1 ) ;");
    ASSERT_EQ(std::pair(play().m_playerX, play().m_playerY), std::pair(3, 2));
    struct Step {
        uint32_t action;
        int x, y;
        int32_t on, off;
    };
    // Facing east: north to (3, 1), east onto the plate, a bump north, and east off it.
    const Step steps[] = {{kActionStrafeLeft, 3, 1, 0, 0},
                          {kActionForward, 4, 1, 1, 0},
                          {kActionStrafeLeft, 4, 1, 1, 0},
                          {kActionForward, 5, 1, 1, 1}};
    for (const Step& step : steps) {
        stepTicks(step.action);
        EXPECT_EQ(std::pair(play().m_playerX, play().m_playerY), std::pair(step.x, step.y));
        EXPECT_EQ(on.m_value.Number(), step.on) << step.x << "," << step.y;
        EXPECT_EQ(off.m_value.Number(), step.off) << step.x << "," << step.y;
    }
}

// The pack may weigh half as much again as the player can carry; one hundredth more and every
// step is a bump with the message.
TEST_F(MovementTest, aPackOfThreeHalvesTheMostCarriedStillWalks) {
    for (const int32_t extra : {0, 1}) {
        PlayDriver& driver = Start();
        SPlayer& player = driver.Game().m_player;
        SItemType load;
        load.m_weight = uint32_t(int64_t(player.GetMaxCarryWeight()) * 3 / 2 + extra);
        ASSERT_NE(player.AddItems(load, 1), nullptr);
        driver.Press(kActionForward);
        driver.Frames(12);
        if (extra == 0) {
            EXPECT_EQ(play().m_playerX, PlayDriver::kStartX + 1);
            EXPECT_EQ(driver.OpenDialogKind(), "");
        } else {
            EXPECT_EQ(play().m_playerX, PlayDriver::kStartX);
            EXPECT_EQ(driver.OpenMessageText(), "You carry way too much - you can't move.");
        }
        player.RemoveOwnedItemsOfType(&load, 1);
    }
}

// On the surface a step east from the middle section's last column moves the grid on by a section
// once and ends on its first column; with no section beyond, the cell ahead is the edge of the
// world: a bump, and a minute passes.
TEST_F(MovementTest, aStepOverTheSectionEdgeMovesTheGridOnOnce) {
    PlayDriver& driver = Start();
    OpenSurface();
    ASSERT_EQ(play().m_currentMap, Section("base_s0101"));
    StandAt(27, 10, kEast);
    SMap* before = play().m_currentMap;
    int changes = 0;
    driver.Press(kActionForward);
    for (int frame = 0; frame < 20 && play().m_moving != 0; ++frame) {
        driver.Frame();
        if (play().m_currentMap != before) ++changes;
        before = play().m_currentMap;
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(play().m_currentMap, Section("base_s0201"));
    EXPECT_EQ(std::pair(play().m_playerX, play().m_playerY), std::pair(7, 10));
    EXPECT_EQ(play().m_fractionX, kCentre);
    EXPECT_EQ(play().m_package->WorldX(), 7 + 21 * 2 - 28) << "the world position follows";

    // base_s0201 is the eastern edge of the block.
    StandAt(27, 10, kEast);
    const uint32_t minutes = play().m_minutes;
    EXPECT_EQ(stepTicks(kActionForward), 9u) << "a bump";
    EXPECT_EQ(play().m_currentMap, Section("base_s0201"));
    EXPECT_EQ(play().m_playerX, 27);
    EXPECT_EQ(play().m_minutes, minutes + 1);
}

// The steps the other three ways over the section edges bring the player back into the middle
// section, each on the near column or row.
TEST_F(MovementTest, everyEdgeOfTheMiddleSectionLeadsToItsNeighbour) {
    struct Row {
        int x, y;
        uint32_t heading;
        const char* section;
        int toX, toY;
    };
    const Row rows[] = {{7, 12, 90, "base_s0001", 27, 12},
                        {12, 7, 0, "base_s0100", 12, 27},
                        {12, 27, 180, "base_s0102", 12, 7}};
    PlayDriver& driver = Start();
    OpenSurface();
    for (const Row& row : rows) {
        play().TravelToPosition(PlayDriver::kMiddlePosition, 0);
        driver.Frame();
        StandAt(row.x, row.y, row.heading);
        stepTicks(kActionForward);
        EXPECT_EQ(play().m_currentMap, Section(row.section)) << row.section;
        EXPECT_EQ(std::pair(play().m_playerX, play().m_playerY), std::pair(row.toX, row.toY)) << row.section;
    }
}

// Holding the forward key, a step takes 8 frames of 40 ms, or 4 of 30 ms on the fast screens, and a
// held step carries the player over a section edge (what that frame costs is measured in
// bench/play_step_bench.cpp).
TEST_F(MovementTest, aHeldKeyStepsAtTheFramePace) {
    for (const auto& [mode, frames] : {std::pair(kHandheld, 8), std::pair(kLarge, 4)}) {
        PlayDriver& driver = Start(mode);
        StandAt(1, 3, kEast);
        driver.Hold(kActionForward);
        int moving = 0;
        for (; moving < 40 && play().m_moving != 0; ++moving) driver.Frame();
        driver.Release();
        EXPECT_EQ(play().m_playerX, 2);
        EXPECT_EQ(moving, frames) << "mode " << mode << ": " << moving * int(driver.Rig().FrameInterval()) << " ms";
    }

    PlayDriver& driver = Start(kLarge);
    OpenSurface();
    StandAt(25, 10, kEast);
    driver.Hold(kActionForward);
    for (int frame = 0; frame < 40 && play().m_currentMap == Section("base_s0101"); ++frame) driver.Frame();
    driver.Release();
    ASSERT_EQ(play().m_currentMap, Section("base_s0201"));
}

// Bare feet sound right and left by the parity of the cell, the first footstep at volume 10 and
// the second, below ground, two movement ticks later at 6; the floor sounds fainter from afar.
TEST_F(MovementTest, footstepsSoundByTheCellAndTheDistance) {
    PlayDriver& driver = Start();
    AddToneSounds(driver.Game().m_soundTable, {"bsnd_stepbarefoot-right", "bsnd_stepbarefoot-left", "bsnd_ground"});
    driver.Rig().Sounds().Clear();
    stepTicks(kActionForward);  // to (4, 3)
    stepTicks(kActionForward);  // to (5, 3)
    EXPECT_EQ(driver.Rig().Sounds().Lines(),
              (std::vector<std::string>{"bsnd_stepbarefoot-left 10", "bsnd_stepbarefoot-left 6",
                                        "bsnd_stepbarefoot-right 10", "bsnd_stepbarefoot-right 6"}));

    driver.Rig().Sounds().Clear();
    driver.Game().m_mapObjectTypes.Find("base_stone")->m_param4 = "bsnd_ground";
    play().PlayFloorSoundFrom(5 + 2, 3 + 1);
    play().PlayFloorSoundFrom(5 - 20, 3);
    EXPECT_EQ(driver.Rig().Sounds().Lines(), (std::vector<std::string>{"bsnd_ground 7", "bsnd_ground 1"}));
    driver.Game().m_mapObjectTypes.Find("base_stone")->m_param4 = nullptr;
}

// A travel that arrives facing another way shows the new heading on the compass at once.
TEST_F(MovementTest, theCompassFollowsTheHeadingOfAnArrival) {
    PlayDriver& driver = Start();
    play().m_heading = 0;
    play().m_compass.SetDirty();
    driver.Frame();
    play().QueueTravelTo(PlayDriver::kStartPosition, STravelFade::kTeleport);
    ASSERT_TRUE(driver.RunUntilIdle(30));
    ASSERT_EQ(play().m_heading, kEast);
    driver.Frame();
    EXPECT_TRUE(driver.Rig().MatchesFullRepaint());
}

// Nothing starts for a side outside 0..3, nor on a sprung trap's cell; a paralysed player bumps
// without a word.
TEST_F(MovementTest, refusedStepsStartNothingOrBumpSilently) {
    PlayDriver& driver = Start();
    const uint32_t minutes = play().m_minutes;
    for (int side : {-2, -1, 4, 7}) {
        EXPECT_EQ(play().MoveTo(side), 0u);
        EXPECT_EQ(play().m_moving, 0u) << side;
    }
    EXPECT_EQ(play().m_minutes, minutes);

    SPlayer& player = driver.Game().m_player;
    player.AddTimedEffect(kFromSpell, nullptr, 1, 30, 28, 0, nullptr);
    ASSERT_TRUE(player.IsParalyzed());
    play().ClearEvents();
    EXPECT_EQ(stepTicks(kActionForward), 9u);
    EXPECT_EQ(play().m_playerX, PlayDriver::kStartX);
    EXPECT_EQ(driver.OpenDialogKind(), "");
}

}  // namespace

}  // namespace movement_test
