// Whole frames of tiny worlds compared exactly with the frames kept in golden/ beside this file.
#include <gtest/gtest.h>

#include <vector>

#include "engine/base/random.h"
#include "support/golden_frame.h"
#include "tiny_world_view.h"
#include "tools/sampledata/first_person_art.h"

namespace golden_frames_test {

namespace {

constexpr int kWidth = 160, kHeight = 100;
constexpr int32_t kDegree = 1 << 16;

const char* const kCorridor = R"(sky off
fog 2
far 7
fogcolour 0841
view 160 100
ceiling ceiling
cell # wall=brick
cell H wall=brick upper=upper
cell . floor=stone
cell , floor=stone blend=moss mask=mask
cell p floor=pitside pit
grid
#######
#HH.HH#
###.###
###p###
###,###
##H.H##
###.###
#######
)";

const char* const kVaultedRoom = R"(sky off
fog 3
far 7
fogcolour 2104
view 160 100
ceiling ceiling
cell # wall=brick upper=upper
cell . floor=sand
cell r floor=grass upper=upper vault=vault
cell t floor=grass canopy=canopy
grid
#######
#.....#
#.rrr.#
#.rtr.#
#.rrr.#
#.....#
#######
)";

void ExpectGolden(const char* name, const std::vector<uint16_t>& pixels, int width = kWidth, int height = kHeight) {
    ::ExpectGolden(name, pixels, width, height);
}

TEST(GoldenFramesTest, scenesMatchTheFramesKept) {
    {
        STinyWorldView corridor(kCorridor);
        ExpectGolden("corridor-facing-0", corridor.Frame(3.5, 6.5, 0));
    }
    {
        STinyWorldView yard(kSampleYard, kWidth, kHeight);
        ExpectGolden("yard-heading-45", yard.Frame(7.5, 12.5, 45 * kDegree));
    }
    {
        STinyWorldView room(kVaultedRoom);
        ExpectGolden("vaulted-room-facing-1", room.Frame(5.5, 3.5, 90 * kDegree));
    }
    {
        STinyWorldView edge(kSampleDungeon, kWidth, kHeight);
        ExpectGolden("map-edge", edge.Frame(11.5, 5.5, 270 * kDegree));
    }
}

// The yard's street between roofed houses: a half-open door, a composite, a turning picture, a
// cross picture, a panel, a shelf with items, a creature with marker A, an item pile, floor items,
// the free sprite slot and the roofs, looking up the street and at a free heading.
TEST(GoldenFramesTest, theStreetShowsEveryKindOfObject) {
    STinyWorldView street(kSampleYard, 2 * kWidth, 2 * kHeight);
    ExpectGolden("street-facing-0", street.Frame(7.5, 22.5, 0), 2 * kWidth, 2 * kHeight);
    ExpectGolden("street-heading-345", street.Frame(7.2, 21.5, 345 * kDegree), 2 * kWidth, 2 * kHeight);
}

// The sample dungeon in day rain from a seeded generator, with a sword in the weapon hand and a
// shield on the off hand, at the size the first-person pictures are drawn for.
TEST(GoldenFramesTest, theDungeonInRainWithASwordAndAShield) {
    STinyWorldView dungeon(kSampleDungeon, 380, 320);
    STinyWorld& world = dungeon.world;
    SFpsBlock& fps = world.View().m_fps;
    fps.m_firstPicture = world.AddPicture(FirstPersonPicture(SFirstPersonArt::Sword));
    fps.m_firstWidthPercent = fps.m_firstHeightPercent = 100;
    fps.m_secondPicture = world.AddPicture(FirstPersonPicture(SFirstPersonArt::Shield));
    fps.m_secondMirrored = 1;
    fps.m_secondWidthPercent = fps.m_secondHeightPercent = 100;
    world.View().m_flags |= SViewDescriptor::kRain;
    dungeon.Frame(3.5, 12.5, 0);  // places the view for the rain
    SRandom random;
    random.Seed(20);
    dungeon.render->ResetRain(600, 0xA534, random);
    for (int frame = 0; frame < 5; ++frame) dungeon.render->UpdateRain(40 * 65536 / 1000, random);
    ExpectGolden("dungeon-rain-sword-shield", dungeon.Frame(3.5, 12.5, 0), 380, 320);
}

}  // namespace

}  // namespace golden_frames_test
