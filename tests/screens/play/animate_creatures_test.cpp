// The creatures' poses and walking frames within 7 cells of the player.
#include <gtest/gtest.h>

#include "data/monsters/creature_pose.h"
#include "screens/play/play_world_fixture.h"
#include "support/play_driver.h"

namespace animate_creatures_test {

namespace {

constexpr uint8_t kAttackMissile = 2;
constexpr int kFrameShift = 8;

int frameOf(const SItemPileRecord& sprite) { return (sprite.m_flags >> kFrameShift) & 7; }

// An archer 1 to 3 and a townsman 4 in a cave; the player stands at (10, 10).
class AnimateCreaturesTest : public PlayWorldTest {
protected:
    void SetUp() override {
        SMonster* archer = AddMonster("base_archer", 20);
        archer->m_attackKind = kAttackMissile;  // a strike without a missile only leaves the acting list
        AddMonster("base_townsman", 20, 4);
        ASSERT_NE(Enter("creature base_archer 0 0\ncreature base_archer 0 0\ncreature base_archer 0 0\n"
                        "creature base_townsman 0 0\n"),
                  nullptr);
        Stand(10, 10, 270);
    }
    SItemPileRecord& spriteOf(const SCreature& creature) { return grid.sprites[creature.displaySlot]; }
};

// On the creature clock a running pose counts down; a wound-up blow, once its time is out, shows
// its strike for five ticks and the monster strikes; any other pose ends and the creature stands.
TEST_F(AnimateCreaturesTest, posesRunOutAndAWoundUpBlowStrikes) {
    SCreature& windingUp = PutCreature(11, 10, 0, 1);
    windingUp.state = SCreature::kAggressive | kWindingUp;
    windingUp.displayTimer = 1;
    spriteOf(windingUp).m_markerPercent = 40;
    SCreature& hit = PutCreature(10, 12, 0, 2);
    hit.state = SCreature::kAggressive | SCreature::kHit | 0x08;
    hit.displayTimer = 2;
    spriteOf(hit).m_markerPercent = 30;

    play.AnimateCreatures(true, false);
    EXPECT_EQ(windingUp.state, SCreature::kAggressive | kStriking);
    EXPECT_EQ(windingUp.displayTimer, 5);
    EXPECT_EQ(spriteOf(windingUp).m_markerPercent, 0);
    EXPECT_EQ(play.monsterScreen.log, std::vector<std::string>{"stop"}) << "the archer struck";
    EXPECT_EQ(hit.displayTimer, 1);
    EXPECT_EQ(hit.state & SCreature::kHit, SCreature::kHit) << "still hurt";
    EXPECT_EQ(spriteOf(hit).m_markerPercent, 30);

    play.AnimateCreatures(true, false);
    EXPECT_EQ(hit.displayTimer, 0);
    EXPECT_EQ(hit.state, SCreature::kAggressive | 0x08) << "the hit bit goes, the facing stays";
    EXPECT_EQ(spriteOf(hit).m_markerPercent, 0);
    for (int tick = 0; tick < 4; ++tick) play.AnimateCreatures(true, false);
    EXPECT_EQ(windingUp.state, SCreature::kAggressive) << "the strike is over";
    EXPECT_EQ(play.monsterScreen.log.size(), 1u) << "one blow, not two";
}

// On the one-second clock walking frames move on, 0 to 3 and round; not for a creature whose pose
// is still running, nor for people, whose frames go by their own steps.
TEST_F(AnimateCreaturesTest, walkingFramesMoveOnOncePerSecondTick) {
    SCreature& standing = PutCreature(9, 9, 0, 1);
    SCreature& posing = PutCreature(9, 9, 1, 2);
    posing.state = SCreature::kAggressive | SCreature::kHit;
    posing.displayTimer = 3;
    SCreature& person = PutCreature(11, 11, 0, 4);
    spriteOf(standing).m_flags = 3 << kFrameShift;

    play.AnimateCreatures(false, true);
    EXPECT_EQ(frameOf(spriteOf(standing)), 0) << "after frame 3 comes frame 0";
    EXPECT_EQ(frameOf(spriteOf(posing)), 1);
    EXPECT_EQ(posing.displayTimer, 3) << "the pose counts down on the other clock";
    EXPECT_EQ(frameOf(spriteOf(person)), 0);

    play.AnimateCreatures(true, true);
    EXPECT_EQ(frameOf(spriteOf(standing)), 1);
    EXPECT_EQ(frameOf(spriteOf(posing)), 1) << "a running pose is not advanced in its tick";
    EXPECT_EQ(posing.displayTimer, 2);
}

// Only the cells within 7 of the player animate.
TEST_F(AnimateCreaturesTest, creaturesFartherThanSevenCellsStayAsTheyAre) {
    SCreature& near = PutCreature(17, 3, 0, 1);
    SCreature& far = PutCreature(18, 10, 0, 2);
    near.displayTimer = far.displayTimer = 2;
    play.AnimateCreatures(true, true);
    EXPECT_EQ(near.displayTimer, 1);
    EXPECT_EQ(far.displayTimer, 2);
}

}  // namespace

namespace {

using CreatureClocksTest = PlayDriverTest;

// In the running game the pose timers count down on the 30 ms creature clock and the walking
// frames move on once a second.
TEST_F(CreatureClocksTest, posesCountDownEveryFrameAndFramesMoveOnEverySecond) {
    PlayDriver& driver = Start();
    SStateGame& play = driver.Play();
    std::unique_ptr<SMonster> rat = MakeMapMonster("base_rat", 5);
    SCreature* hurt = play.m_currentMap->AddCreature(rat.get(), 4, 3);
    SCreature* standing = play.m_currentMap->AddCreature(rat.get(), 4, 4);
    ASSERT_TRUE(hurt && standing);
    hurt->state = SCreature::kHit;
    hurt->displayTimer = 10;
    TestGrid grid;
    for (SCreature* creature : {hurt, standing}) {
        grid.Cell(creature->x, creature->y).creatures[0] = creature->id;
        creature->displaySlot = creature->id;
        grid.sprites[creature->id] = SItemPileRecord{};
    }
    play.m_grid = &grid;

    driver.Frames(3);
    EXPECT_EQ(hurt->displayTimer, 7);
    EXPECT_EQ(frameOf(grid.sprites[standing->id]), 0);
    const int framesInASecond = int(1000 / driver.Rig().FrameInterval()) + 1;
    driver.Frames(framesInASecond);
    EXPECT_EQ(frameOf(grid.sprites[standing->id]), 1);
    EXPECT_EQ(hurt->state, 0) << "the pose is over";
    play.m_grid = nullptr;
}

}  // namespace

}  // namespace animate_creatures_test
