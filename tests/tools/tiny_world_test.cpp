#include "tools/sampledata/tiny_world.h"

#include <gtest/gtest.h>

#include "render/render.h"
#include "render/wall_variants.h"
#include "support/png_writer.h"
#include "support/test_surface.h"

namespace tiny_world_test {

namespace {

// The settings, the legend and the grid build the descriptor: its size from the grid, each cell's
// records from its character's legend line, pictures in slots from 1.
TEST(TinyWorldTest, aTextBuildsTheDescriptor) {
    STinyWorld world;
    std::string error;
    ASSERT_TRUE(world.Load(R"(sky on
fog 2
far 7
fogcolour 8410
light 200
position 1.5 2.25
heading 90
view 160 100
cell # wall=brick
cell . floor=stone blend=moss mask=mask light=100
cell p floor=stone pit
cell u floor=grass upper=upper vault=vault
grid
###
#.p
#u
)",
                           error))
        << error;
    const SViewDescriptor& view = world.View();
    EXPECT_EQ(view.m_flags, SViewDescriptor::kSky);
    EXPECT_EQ(view.m_fogDistance, 2 * 336);
    EXPECT_EQ(view.m_farDistance, 7 * 336);
    EXPECT_EQ(view.m_fogColour, 0x8410);
    EXPECT_EQ(view.m_positionX, 0x18000);
    EXPECT_EQ(view.m_positionY, 0x24000);
    EXPECT_EQ(view.m_heading, 90 << 16);
    EXPECT_EQ(view.m_viewWidth, 160);
    EXPECT_EQ(view.m_gridWidth, 3);
    EXPECT_EQ(view.m_gridHeight, 3);
    EXPECT_TRUE(world.Blocks(0, 0));
    EXPECT_FALSE(world.Blocks(1, 1));
    EXPECT_TRUE(world.Blocks(3, 1)) << "beyond the grid";
    const SCellViewRecord& floor = *view.Cell(1, 1);
    EXPECT_EQ(floor.m_light, 100);
    const SFloorRecord* record = view.m_floors.Find(floor.m_floor);
    ASSERT_NE(record, nullptr);
    EXPECT_NE(record->m_masks[0], 0);
    EXPECT_TRUE(view.FindPicture(record->m_pictures[1], 0).has_value());
    EXPECT_EQ(view.m_floors.Find(view.Cell(2, 1)->m_floor)->m_flags, SFloorRecord::kSunken);
    EXPECT_EQ(view.Cell(0, 0)->m_light, 200);
    EXPECT_EQ(view.Cell(2, 2)->m_floor, 0) << "a short row leaves bare cells";
    const SObjectTypeRecord* upper = view.m_objectTypes.Find(view.CellExtra(1, 2)->m_objectType);
    ASSERT_NE(upper, nullptr);
    EXPECT_EQ(upper->m_kind, 2);
    EXPECT_NE(upper->m_pictures[2], 0);
}

// The object keys fill the records the sprite and object builders read: a door with its opening,
// side entries with a stack and a silhouette, item piles with a marker, floor items, the sprite
// slot, and roofs whose models follow the walls of the same character round them.
TEST(TinyWorldTest, objectKeysBuildTheRecordsTheBuildersRead) {
    STinyWorld world;
    std::string error;
    ASSERT_TRUE(world.Load(R"(markers marker-a marker-b
cell h wall=brick roof=roof
cell d floor=sand door=doorframe+door-left@40,24+door-right@160,24 opening=63 mode=2
cell s floor=sand shelf=shelf@16,1,4 stack=potion+coin silhouette free=barrel@8,22,1 second=lamp@3,3,1
cell p floor=sand pile=goblin@400,500 marker=40 markerb pile=barrel@800,300 mirrored items=coin++apple
cell f floor=sand sprite=fireball@512,256,50
grid
hhh
hdh
spf
)",
                           error))
        << error;
    const SViewDescriptor& view = world.View();
    EXPECT_NE(view.m_markerA, 0);
    const SObjectTypeRecord& door = *view.m_objectTypes.Find(view.Cell(1, 1)->m_objectType);
    EXPECT_EQ(door.m_kind, 3 | 2 << 8 | 63 << 10);
    EXPECT_NE(door.m_pictures[3], 0) << "the frame";
    EXPECT_NE(door.m_pictures[0], 0);
    EXPECT_NE(door.m_pictures[2], 0) << "the second leaf";
    EXPECT_EQ(door.m_x[2], 160);

    const SSideOverlayRecord& side = *view.m_sideOverlays.Find(view.Cell(0, 2)->m_sideOverlay);
    EXPECT_EQ(side.m_position[0], 16 | 1 << 5 | 4 << 10);
    EXPECT_EQ(side.m_obliquePicture[0], side.m_picture[0]) << "fixed to its side";
    EXPECT_EQ(side.m_obliquePicture[1], 0) << "standing free";
    EXPECT_NE(side.m_secondPicture[0], 0);
    EXPECT_EQ(side.m_itemStack[0] & SSideOverlayRecord::kSilhouette, SSideOverlayRecord::kSilhouette);
    const SItemStackRecord& stack = *view.m_itemStacks.Find(side.m_itemStack[0] & SSideOverlayRecord::kItemStackMask);
    EXPECT_NE(stack.m_pictures[1], 0);
    EXPECT_EQ(stack.m_pictures[2], 0);

    const SCellViewRecord& piles = *view.Cell(1, 2);
    const SItemPileRecord& goblin = *view.m_itemPiles.Find(piles.m_itemPiles[0]);
    EXPECT_EQ(goblin.m_x, 400 << 6);
    EXPECT_EQ(goblin.m_markerPercent, 40);
    EXPECT_EQ(goblin.m_flags, SItemPileRecord::kMarkerB);
    EXPECT_EQ(view.m_itemPiles.Find(piles.m_itemPiles[1])->m_flags, SItemPileRecord::kMirrored);
    const SItemStackRecord& items = *view.m_itemStacks.Find(piles.m_floorItemStack);
    EXPECT_NE(items.m_pictures[0], 0);
    EXPECT_EQ(items.m_pictures[1], 0) << "an empty place";
    EXPECT_NE(items.m_pictures[2], 0);
    EXPECT_EQ(view.Cell(2, 2)->m_spriteHeight, 0x8000);

    // The walls round the door: each model from the walls beside it, a corner only with both sides
    // beside it.
    struct Row {
        int x, y, variant;
    };
    for (const Row row : {Row{0, 0, WallVariantOfMask(4 | 16)}, Row{1, 0, WallVariantOfMask(4 | 64)},
                          Row{2, 0, WallVariantOfMask(16 | 64)}, Row{0, 1, WallVariantOfMask(1)}}) {
        const SObjectTypeRecord& wall = *view.m_objectTypes.Find(view.Cell(row.x, row.y)->m_objectType);
        EXPECT_EQ(wall.m_kind, 2 | row.variant << 8) << row.x << ", " << row.y;
        EXPECT_NE(wall.m_pictures[1], 0);
    }
}

TEST(TinyWorldTest, aTextThatDoesNotHoldTogetherIsRefusedWithItsLine) {
    struct Row {
        const char* text;
        const char* error;
    };
    const Row rows[] = {
        {"sky on\nwind 3\ngrid\n.\n", "line 2"},
        {"cell . floor=marble\ngrid\n.\n", "marble"},
        {"cell . floor=stone\ngrid\n.x\n", "'x'"},
        {"cell . floor=stone\n", "no grid"},
        {"cell . roof=stone\ngrid\n.\n", "roof"},
        {"cell . pile=goblin\ngrid\n.\n", "@x,y"},
        {"cell . marker=40\ngrid\n.\n", "before an item pile"},
        {"cell . side=banner@1,1\ngrid\n.\n", "heightstep"},
    };
    for (const Row& row : rows) {
        STinyWorld world;
        std::string error;
        EXPECT_FALSE(world.Load(row.text, error)) << row.text;
        EXPECT_NE(error.find(row.error), std::string::npos) << error;
    }
}

// Both sample worlds load and draw; with $BRIMVALE_SHOTS set their first frames are written.
TEST(TinyWorldTest, theSampleWorldsLoadAndDraw) {
    for (auto [name, text] : {std::pair{"sample-dungeon", kSampleDungeon}, std::pair{"sample-yard", kSampleYard}}) {
        STinyWorld world;
        std::string error;
        ASSERT_TRUE(world.Load(text, error)) << name << ": " << error;
        const SViewDescriptor& view = world.View();
        STestSurface surface(view.m_viewWidth, view.m_viewHeight, 0);
        auto render = std::make_unique<SRender>();
        render->SetView(&view);
        render->SetSurface(&surface.Target());
        render->RenderFrame();
        EXPECT_GT(render->m_frame.polygonCount, 20) << name;
        const std::vector<uint16_t> pixels = surface.Pixels();
        EXPECT_TRUE(WriteShot(name, pixels, view.m_viewWidth, view.m_viewHeight, view.m_viewWidth));
    }
}

}  // namespace

}  // namespace tiny_world_test
