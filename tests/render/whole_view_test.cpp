// The whole 3-D view drawn from tiny worlds: symmetry, the surface orientations, the projection of
// a wall, the free-angle path against the axis one, fog, damaged records and allocations.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "support/allocation_counter.h"
#include "support/png_writer.h"
#include "tiny_world_view.h"

namespace whole_view_test {

namespace {

constexpr int32_t kDegree = 1 << 16;

// A room whose every face is one colour, the same seen from its middle along each axis.
const char* const kSymmetricRoom = R"(sky off
fog 3
far 7
fogcolour 0841
view 160 100
ceiling solid-39C7
cell # wall=solid-B2A6
cell . floor=solid-4C49
grid
#######
#.....#
#.....#
#.....#
#.....#
#.....#
#######
)";

TEST(WholeViewTest, aRoomWithFourFoldSymmetryLooksTheSameAlongEveryAxis) {
    STinyWorldView room(kSymmetricRoom);
    const std::vector<uint16_t> north = room.Frame(3.5, 3.5, 0);
    EXPECT_EQ(std::set<uint16_t>(north.begin(), north.end()).size(), 3u) << "walls, floor and ceiling";
    for (int facing = 1; facing < 4; ++facing)
        EXPECT_EQ(room.Frame(3.5, 3.5, facing * 90 * kDegree), north) << "facing " << facing;
}

// Orientations 1 and 2 store the frame turned; read back in drawing order it is the same frame.
TEST(WholeViewTest, theTurnedSurfacesHoldTheSameFrame) {
    for (const char* text : {kSampleDungeon, kSampleYard}) {
        STinyWorldView upright(text, 160, 100, 0);
        const std::vector<uint16_t> expected = upright.Frame(3.5, 12.5, 20 * kDegree);
        for (int orientation : {1, 2}) {
            STinyWorldView turned(text, 160, 100, orientation);
            EXPECT_EQ(turned.Frame(3.5, 12.5, 20 * kDegree), expected) << "orientation " << orientation;
            EXPECT_TRUE(turned.surface->GuardsIntact());
        }
    }
}

// A wall across the view one cell ahead covers exactly the columns between its projected corners.
TEST(WholeViewTest, aWallOneCellAheadCoversTheColumnsItsCornersProjectTo) {
    const char* const text = R"(sky off
fog 5
far 7
fogcolour 0000
view 160 100
cell W wall=solid-F800
cell . floor=solid-001F
grid
.......
...W...
.......
.......
)";
    STinyWorldView world(text);
    // The eye stands behind the player: the wall is the cell ahead of the player's.
    const std::vector<uint16_t> frame = world.Frame(3.5, 2.5, 0);
    const SRender& render = *world.render;
    const int32_t cx = 3 - render.Camera().eyeCellX, cy = 2 - render.Camera().eyeCellY;
    auto screenX = [&](int32_t cornerX) {
        const SViewPoint p = render.ToView(cornerX, cy);
        return render.Project({p.lateral, 0, p.depth}).x;
    };
    const int32_t left = screenX(cx), right = screenX(cx + 1);
    // A pixel is covered when its centre lies on the polygon's span.
    const int row = 30;
    for (int x = 0; x < 160; ++x) {
        const int32_t centre = x * 16 + 8;
        const bool inside = centre >= left && centre < right;
        EXPECT_EQ(frame[size_t(row * 160 + x)] != 0x001F && frame[size_t(row * 160 + x)] != 0, inside)
            << "column " << x << " between " << left / 16.0 << " and " << right / 16.0;
    }
}

// The free-angle path a 65,536th of a degree off the axis draws what the axis path draws, within
// a texel of the coordinate pictures and a pixel at the edges of faces.
TEST(WholeViewTest, aHeadingJustOffTheAxisAgreesWithTheAxisWithinATexel) {
    const char* const text = R"(sky off
fog 6
far 7
fogcolour 0000
view 160 100
cell # wall=coords
cell . floor=solid-0000
grid
#######
#.....#
#.....#
#.....#
#.....#
#######
)";
    STinyWorldView world(text);
    const std::vector<uint16_t> axis = world.Frame(3.5, 4.5, 0);
    const std::vector<uint16_t> free = world.Frame(3.5, 4.5, 1);
    EXPECT_EQ(world.render->Camera().facing, 4);
    int differentKind = 0;
    for (size_t i = 0; i < axis.size(); ++i) {
        const bool wallA = axis[i] != 0, wallB = free[i] != 0;
        if (wallA != wallB) {
            ++differentKind;
            continue;
        }
        if (!wallA) continue;
        const int texelXa = axis[i] >> 11, texelXb = free[i] >> 11;
        const int texelYa = (axis[i] >> 5) & 63, texelYb = (free[i] >> 5) & 63;
        // Red holds the texel column in steps of 2 of 31, green the row in steps of 4 of 63.
        EXPECT_LE(std::abs(texelXa - texelXb), 2) << "pixel " << i;
        EXPECT_LE(std::abs(texelYa - texelYb), 4) << "pixel " << i;
    }
    EXPECT_LT(differentKind, int(axis.size() / 100));
    EXPECT_GT(std::count_if(axis.begin(), axis.end(), [](uint16_t pixel) { return pixel != 0; }), 2000);
}

// Without a sky or a ceiling picture, over an open field, fog fills everything above the horizon.
TEST(WholeViewTest, withoutASkyFogFillsTheViewAboveTheGround) {
    const char* const text = R"(sky off
fog 0
far 4
fogcolour 8410
view 160 100
cell . floor=grass
grid
...........
...........
...........
...........
...........
...........
)";
    STinyWorldView world(text);
    const std::vector<uint16_t> frame = world.Frame(5.5, 5.5, 0);
    // The horizon of a 160 x 100 view lies 160 x 70 / 380 pixels above its middle row.
    const int horizon = 50 - 160 * 70 / 380;
    for (int y = 0; y < horizon; ++y)
        for (int x = 0; x < 160; ++x) ASSERT_EQ(frame[size_t(y * 160 + x)], 0x8410) << x << "," << y;
}

// A dense grid whose records name floors, object types, overlays, pictures and palettes past their
// tables, or pictures not loaded, draws without reading or writing outside anything, and the
// damaged parts add no polygon that names them.
TEST(WholeViewTest, damagedRecordsInADenseWorldDrawNothingForThoseParts) {
    std::string text = R"(sky off
fog 2
far 7
fogcolour 0841
view 160 100
ceiling ceiling
cell # wall=brick upper=upper
cell - wall=brick
cell . floor=stone
cell , floor=stone blend=moss mask=mask
cell ; floor=stone blend=moss third=dirt mask=mask mask2=mask
cell p floor=pitside pit
cell r floor=sand upper=upper vault=vault
cell t floor=grass canopy=canopy
grid
)";
    std::mt19937 random(35);
    const char kinds[] = "#-..,;prt";
    for (int y = 0; y < 35; ++y) {
        for (int x = 0; x < 35; ++x) text += kinds[random() % (sizeof kinds - 1)];
        text += '\n';
    }
    STinyWorldView world(text);
    STinyWorld& w = world.world;
    const uint16_t badPicture = uint16_t(w.m_pictures.size() + 5);
    // A picture entry that is not loaded.
    w.m_pictures.push_back(std::make_unique<SPictureEntry>());
    const uint16_t unloaded = uint16_t(w.m_pictures.size() - 1);
    w.Bind();
    for (size_t i = 0; i < w.m_cells.size(); i += 7) w.m_cells[i].m_floor = 999;
    for (size_t i = 3; i < w.m_cells.size(); i += 11) w.m_cells[i].m_objectType = 999;
    for (size_t i = 5; i < w.m_cells.size(); i += 13) w.m_cells[i].m_sideOverlay = 999;
    for (size_t i = 2; i < w.m_extras.size(); i += 9) w.m_extras[i].m_objectType = 999;
    w.m_floors[2].m_pictures[0] = badPicture;
    w.m_floors[3].m_palettes[1] = 77;
    w.m_floors[4].m_masks[1] = unloaded;
    w.m_objectTypes[2].m_pictures[0] = unloaded;
    w.View().m_skyPicture = badPicture;
    for (int32_t heading : {0, 90 * kDegree, 200 * kDegree, 333 * kDegree + 12345}) {
        for (double x : {1.5, 17.5, 33.5}) {
            world.Frame(x, 17.5, heading);
            EXPECT_TRUE(world.surface->GuardsIntact());
            const SRender& render = *world.render;
            for (int i = 0; i < render.m_frame.polygonCount; ++i) {
                const SRenderPolygon& polygon = render.m_frame.polygons[i];
                EXPECT_NE(polygon.m_pictures[0], badPicture);
                EXPECT_NE(polygon.m_pictures[0], unloaded);
            }
        }
    }
}

// Frames after the first allocate nothing.
TEST(WholeViewTest, aFrameAllocatesNoMemory) {
    if (!SAllocationCounter::Counts()) GTEST_SKIP() << "the sanitizer keeps its own operator new";
    STinyWorldView dungeon(kSampleDungeon, 160, 100);
    dungeon.world.View().m_positionX = 3 << 16;
    dungeon.world.View().m_positionY = 12 << 16;
    dungeon.render->RenderFrame();
    SAllocationCounter counter;
    EXPECT_EQ(std::make_unique<int>(1) != nullptr && counter.Count() == 1, true) << "the counter counts";
    const size_t before = counter.Count();
    for (int32_t heading = 0; heading < 360 * kDegree; heading += 45 * kDegree + 99) {
        dungeon.world.View().m_heading = heading;
        dungeon.render->RenderFrame();
    }
    EXPECT_EQ(counter.Count(), before);
}

}  // namespace

}  // namespace whole_view_test
