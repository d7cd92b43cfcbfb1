// What the play screen's 3-D view shows of the sample world, looked at in its pixels: pictures on
// the walls lie on their walls, the walls reach the ceiling, items on the floor are drawn without
// their ground, and the view follows the world when it changes with no key pressed.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "game/feldmar2.h"
#include "render/render.h"
#include "screens/play/sample_world_play.h"
#include "support/view_probe.h"

namespace {

constexpr int32_t kFloor = SRender::kLevels[2];
constexpr int32_t kStoreyTop = SRender::kLevels[3];
constexpr int32_t kCeiling = SRender::kLevels[4];
// An item picture's ground in the inventory is darker than this in every channel, and so is what
// light and fog make of it in the view.
constexpr int kDarkest = 40;
constexpr uint32_t kNorth = 0;
constexpr int kSouthSide = 2;

// The banner of the sample cellar and its wall's grid cell; the banner hangs on the wall's south
// face.
constexpr int kBannerId = 2;
constexpr int kBannerWallX = 16, kBannerWallY = 14;

class PlayViewTest : public SampleWorldPlayTest {
protected:
    void SetUp() override {
        SampleWorldPlayTest::SetUp();
        StartSampleWorld();
    }
    // The player on grid cell (x, y) facing `heading`, the view drawn afresh.
    ViewShot LookFrom(int x, int y, uint32_t heading) {
        Play().m_playerX = x;
        Play().m_playerY = y;
        Play().m_fractionX = Play().m_fractionY = SStateGame::kCellCentre;
        Play().m_heading = heading;
        return RedrawView(*m_driver);
    }
};

// The banner on the cellar's north wall, seen from the cell in front of it and from a cell
// further back: it is drawn, and all of it lies on the first storey of its wall's face.
TEST_F(PlayViewTest, aWallPictureLiesOnItsWall) {
    struct Look {
        const char* name;
        int back;
        ViewShot shown;
        ViewArea wall;
    };
    Look looks[] = {{"banner-in-front", 1, {}, {}}, {"banner-a-cell-back", 2, {}, {}}};
    for (Look& look : looks) {
        look.shown = LookFrom(kBannerWallX, kBannerWallY + look.back, kNorth);
        look.shown.Keep(look.name);
        look.wall = FaceArea(*m_driver, kBannerWallX, kBannerWallY, kSouthSide, kFloor, kStoreyTop);
    }
    SPlacedObject* banner = Play().m_currentMap->FindObject(kBannerId);
    ASSERT_NE(banner, nullptr);
    banner->flags &= uint8_t(~SPlacedObject::kVisible);
    Play().RebuildAllCellViews();
    for (const Look& look : looks) {
        SCOPED_TRACE(look.name);
        const ViewDifference drawn = Difference(LookFrom(kBannerWallX, kBannerWallY + look.back, kNorth), look.shown);
        EXPECT_GT(drawn.count, look.shown.width * look.shown.height / 400) << "the banner is drawn";
        const ViewArea& wall = look.wall;
        const ViewArea onWall{wall.left - 1, wall.top - 1, wall.right + 1, wall.bottom + 1};
        EXPECT_TRUE(onWall.Contains(drawn.bounds))
            << "the banner covers " << drawn.bounds.left << "," << drawn.bounds.top << " to " << drawn.bounds.right
            << "," << drawn.bounds.bottom << "; its wall " << wall.left << "," << wall.top << " to " << wall.right
            << "," << wall.bottom;
    }
}

// Below ground the walls reach the ceiling: above the first storey of a wall across the room the
// second storey's wall is drawn, not the background's fog colour.
TEST_F(PlayViewTest, wallsMeetTheCeiling) {
    const ViewShot shown = LookFrom(kBannerWallX, kBannerWallY + 3, kNorth);
    shown.Keep("cellar-wall-and-ceiling");
    const ViewArea upper = FaceArea(*m_driver, kBannerWallX, kBannerWallY, kSouthSide, kStoreyTop, kCeiling);
    ASSERT_FALSE(upper.Empty());
    const ViewArea inside{upper.left + 1, std::max(0, upper.top + 1), upper.right - 1, upper.bottom - 1};
    const int fog = shown.Count(inside, {Game().PlayView().m_fogColour});
    EXPECT_EQ(fog, 0) << "of " << inside.Width() * inside.Height() << " pixels above the wall";
}

// The view a frame shows is the one the world's state draws, with no key pressed after the world
// changed: a door opened swings open on the screen.
TEST_F(PlayViewTest, aDoorOpenedSwingsOpenWithNoKeyPressed) {
    constexpr int kDoorX = 18, kDoorY = 14;
    const ViewShot shut = LookFrom(kDoorX, kDoorY + 1, kNorth);
    m_driver->Press(kActionUse);
    m_driver->Frames(60);
    const ViewShot shown = ShootView(*m_driver);
    shown.Keep("cellar-door-opened");
    EXPECT_GT(Difference(shut, shown).count, 0) << "the door is drawn open";
    EXPECT_EQ(Difference(RedrawView(*m_driver), shown).count, 0) << "the frame shows the world as it is";
}

// A step out of an open doorway: the door's cell, built as the player saw it from inside, is drawn
// as seen from beside it once the player has left it.
TEST_F(PlayViewTest, aDoorwayLeftBehindIsDrawnAsSeenFromBeside) {
    constexpr int kDoorX = 18, kDoorY = 14;
    LookFrom(kDoorX, kDoorY + 1, kNorth);
    m_driver->Press(kActionUse);
    m_driver->Frames(60);
    m_driver->Press(kActionForward);
    ASSERT_TRUE(m_driver->RunUntilIdle(100));
    ASSERT_EQ(Play().m_playerY, kDoorY) << "in the doorway";
    m_driver->Press(kActionBack);
    ASSERT_TRUE(m_driver->RunUntilIdle(100));
    ASSERT_EQ(Play().m_playerY, kDoorY + 1) << "out of it, still facing it";
    const ViewShot shown = ShootView(*m_driver);
    shown.Keep("cellar-doorway-left");
    Play().RebuildAllCellViews();
    EXPECT_EQ(Difference(RedrawView(*m_driver), shown).count, 0) << "the frame shows the doorway as it is built";
}

// A tap on a hand's picture makes that hand the one that acts; a tap beside it, where the view
// shows through, uses what lies ahead. The pictures are found where the view differs with and
// without them.
TEST_F(PlayViewTest, aTapOnAHandsPictureMakesItTheActiveHand) {
    const ViewShot withHands = LookFrom(kBannerWallX, kBannerWallY + 3, kNorth);
    SViewDescriptor& view = Game().PlayView();
    const SFpsBlock hands = view.m_fps;
    view.m_fps = {};
    const ViewShot withoutHands = RedrawView(*m_driver);
    view.m_fps = hands;
    RedrawView(*m_driver);
    // A pixel of each hand's picture, on the even places a tap reaches: the right hand's nearest
    // the view's right edge, the left hand's nearest its left.
    const int none = -1;
    int right[2] = {none, none}, left[2] = {none, none};
    for (int y = 0; y < withHands.height; y += 2)
        for (int x = 0; x < withHands.width; x += 2) {
            if (withHands.At(x, y) == withoutHands.At(x, y)) continue;
            if (right[0] == none || x > right[0]) right[0] = x, right[1] = y;
            if (left[0] == none || x < left[0]) left[0] = x, left[1] = y;
        }
    ASSERT_NE(right[0], none) << "the hands are drawn";
    for (const auto& [hand, at] : {std::pair{1u, right}, std::pair{0u, left}}) {
        m_driver->Tap(view.m_viewX + at[0], view.m_viewY + at[1]);
        EXPECT_EQ(Play().m_activeHand, hand) << "a tap at " << at[0] << "," << at[1] << " of the view";
    }
}

// The pile on the cellar floor: its items are drawn on the floor without the dark ground their
// pictures have in the inventory.
TEST_F(PlayViewTest, itemsOnTheFloorAreDrawnWithoutTheirGround) {
    constexpr int kPileX = 17, kPileY = 18;
    for (const int back : {1, 2}) {
        SCOPED_TRACE(back);
        const ViewShot shown = LookFrom(kPileX, kPileY + back, kNorth);
        shown.Keep("cellar-pile-" + std::to_string(back));
        SMapCell& cell = *Play().GetCell(kPileX, kPileY);
        const uint16_t pile = cell.containerId;
        ASSERT_NE(pile, 0);
        cell.containerId = 0;
        Play().BuildCellView(kPileX, kPileY);
        const ViewShot bare = RedrawView(*m_driver);
        cell.containerId = pile;
        Play().BuildCellView(kPileX, kPileY);
        const ViewDifference items = Difference(bare, shown);
        EXPECT_GT(items.count, 0) << "the items are drawn";
        EXPECT_LT(CountTurnedDark(bare, shown, kDarkest), items.count / 10) << "of " << items.count;
    }
}

}  // namespace
