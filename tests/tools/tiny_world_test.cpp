#include "tools/sampledata/tiny_world.h"

#include <gtest/gtest.h>

#include "render/render.h"
#include "support/png_writer.h"
#include "support/test_surface.h"

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

TEST(TinyWorldTest, aTextThatDoesNotHoldTogetherIsRefusedWithItsLine) {
    struct Row {
        const char* text;
        const char* error;
    };
    const Row rows[] = {
        {"sky on\nwind 3\ngrid\n.\n", "line 2"},   {"cell . floor=marble\ngrid\n.\n", "marble"},
        {"cell . floor=stone\ngrid\n.x\n", "'x'"}, {"cell . floor=stone\n", "no grid"},
        {"cell . roof=stone\ngrid\n.\n", "roof"},
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
