// What stands in the way of a step, on the tests' own grid: creatures, and a sprung trap underfoot.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "data/map_objects/map_object_type_table.h"
#include "screens/play/play_world_fixture.h"

namespace step_blocking_test {

namespace {

constexpr int kEast = 1;
constexpr int kSouth = 2;
constexpr uint8_t kTrapCode = 42;
constexpr uint8_t kTextureCode = 1;
constexpr uint8_t kFlowingGroundCode = 3;

// A goblin 1 and a townsman 2 (a person) in a cave; the player stands at (10, 10) facing east.
class StepBlockingTest : public PlayWorldTest {
protected:
    void SetUp() override {
        AddMonster("base_goblin", 20);
        AddMonster("base_townsman", 20, 4);
        ASSERT_NE(Enter("creature base_goblin 0 0\ncreature base_townsman 0 0\nobject 1 base_snare state=0xF000\n"),
                  nullptr);
        Stand(10, 10, 270);
    }
};

// A monster in the cell ahead blocks the step; a person there makes room and the player walks.
TEST_F(StepBlockingTest, aMonsterBlocksAndAPersonStepsAside) {
    PutCreature(11, 10, 0, 1);
    PutCreature(10, 11, 0, 2);
    const uint32_t minutes = play.m_minutes;
    play.MoveTo(kEast);
    EXPECT_EQ(play.m_moving, 1u);
    EXPECT_TRUE(play.Step().IsBump());
    EXPECT_EQ(play.m_minutes, minutes + 1) << "a bump lets a minute pass";

    play.m_moving = 0;
    play.MoveTo(kSouth);
    EXPECT_EQ(play.m_moving, 1u);
    EXPECT_FALSE(play.Step().IsBump());
    EXPECT_EQ(play.Step().StepY(), SStepMotion::kWalkStep);
}

// A trap whose top four state bits are set holds the player in its cell: no step, no bump, no
// minute.
TEST_F(StepBlockingTest, aSprungTrapUnderfootHoldsThePlayer) {
    SMapObjectTypeTable types;
    std::unique_ptr<SMapObjectType> trap = types.CreateType(kTrapCode);
    grid.Cell(10, 10).centreType = trap.get();
    grid.Cell(10, 10).centreId = 1;
    const uint32_t minutes = play.m_minutes;
    EXPECT_EQ(play.MoveTo(kEast), 0u);
    EXPECT_EQ(play.m_moving, 0u);
    EXPECT_EQ(play.m_minutes, minutes);

    play.m_currentMap->FindObject(1)->state = 0x0FFF;
    play.MoveTo(kEast);
    EXPECT_EQ(play.m_moving, 1u) << "the lower bits are the trap's own";
    grid.Cell(10, 10).centreType = nullptr;
}

// From flowing ground (animated ground) the player cannot walk on against a stream three cells
// wide, but may where it narrows, and may always go back to the cell just left.
TEST_F(StepBlockingTest, aWideStreamHoldsThePlayerBack) {
    SMapObjectTypeTable types;
    std::unique_ptr<SMapObjectType> water = types.CreateType(kFlowingGroundCode);
    std::unique_ptr<SMapObjectType> stone = types.CreateType(kTextureCode);
    for (auto [x, y] : {std::pair(10, 10), std::pair(11, 9), std::pair(11, 10), std::pair(11, 11)})
        grid.Cell(x, y).floorType = water.get();
    struct Row {
        const char* name;
        SMapObjectType* north;  // the floor of (11, 9)
        int32_t previousX;
        bool bump;
    };
    const Row rows[] = {{"three wide", water.get(), -1, true},
                        {"two wide", stone.get(), -1, false},
                        {"back where the step came from", water.get(), 11, false}};
    for (const Row& row : rows) {
        grid.Cell(11, 9).floorType = row.north;
        play.m_previousX = row.previousX;
        play.m_previousY = 10;
        play.m_moving = 0;
        play.m_playerX = 10;
        play.MoveTo(kEast);
        EXPECT_EQ(play.Step().IsBump(), row.bump) << row.name;
    }
    for (int x = 9; x <= 12; ++x)
        for (int y = 8; y <= 12; ++y) grid.Cell(x, y).floorType = nullptr;
}

}  // namespace

}  // namespace step_blocking_test
