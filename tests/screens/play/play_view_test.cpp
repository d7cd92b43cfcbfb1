// What the play screen's 3-D view shows of the sample world, looked at in its pixels: pictures on
// the walls lie on their walls, the walls reach the ceiling, items on the floor are drawn without
// their ground, and the view follows the world when it changes with no key pressed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "engine/draw/screen_type.h"
#include "game/feldmar2.h"
#include "render/render.h"
#include "screens/play/sample_world_play.h"
#include "support/view_probe.h"
#include "tools/sampledata/first_person_art.h"
#include "ui/widgets/face_ctrl.h"

namespace play_view_test {

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

// The pixels within the area that differ between the shots.
int ChangedWithin(const ViewShot& before, const ViewShot& after, const ViewArea& area) {
    int changed = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) changed += before.At(x, y) != after.At(x, y) ? 1 : 0;
    return changed;
}

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

// A fight with the cellar's goblin, seen and heard: the player's blows ring with the sword's sound
// and the goblin's hurt, its bar in the target panel shortens, its blows on the player ring and lay
// the hurt picture over the portrait, and its death cries out. Every sound is one the sample
// package holds, or it would not be heard at all.
TEST_F(PlayViewTest, aFightIsSeenAndHeard) {
    constexpr int kGoblinX = 18, kGoblinY = 16;
    SCreature* goblin = Play().m_currentMap->Creatures()[0];
    ASSERT_NE(goblin, nullptr);
    const uint8_t goblinId = goblin->id;
    const ViewShot unhurt = LookFrom(kGoblinX, kGoblinY + 1, kNorth);
    const SFaceCtrl& portrait = Play().m_portrait;
    const auto portraitShot = [&] {
        std::vector<uint16_t> pixels;
        for (int y = portrait.m_y; y < portrait.m_y + int(portrait.m_h); ++y)
            for (int x = portrait.m_x; x < portrait.m_x + int(portrait.m_w); ++x)
                pixels.push_back(m_driver->Rig().Pixel(x, y));
        return pixels;
    };
    const std::vector<uint16_t> calmPortrait = portraitShot();
    const STargetPanel& panel = Play().TargetPanels().left;
    const ViewArea panelArea{panel.left, panel.oneLine.top - Game().PlayView().m_viewY, panel.left + panel.width,
                             panel.oneLine.top - Game().PlayView().m_viewY + panel.oneLine.height};
    bool barShortened = false, portraitHurt = false;
    Sounds().Clear();
    m_driver->Hold(kActionAttack);
    for (int frame = 0; frame < 3000 && Play().m_currentMap->FindCreature(goblinId) != nullptr; ++frame) {
        Game().m_player.ChangeHp(100, false);
        m_driver->Frame();
        if (!barShortened && goblin->hp < 12 && goblin->hp > 0 && !Play().IsBusy()) {
            const ViewShot struck = ShootView(*m_driver);
            barShortened = ChangedWithin(unhurt, struck, panelArea) > 0;
            if (barShortened) struck.Keep("fight-goblin-struck");
        }
        portraitHurt = portraitHurt || portraitShot() != calmPortrait;
    }
    m_driver->Release();
    EXPECT_EQ(Play().m_currentMap->FindCreature(goblinId), nullptr) << "the goblin dies";
    EXPECT_TRUE(barShortened) << "the goblin's bar shortens";
    EXPECT_TRUE(portraitHurt) << "the hurt picture over the portrait";
    const auto heard = [&](const char* sound) { return !LinesOf(sound).empty(); };
    for (const char* sound : {"bsnd_hitclub", "bsnd_goblinhurt", "bsnd_goblindeath", "bsnd_goblinattack"})
        EXPECT_TRUE(heard(sound)) << sound;
}

// The cellar's goblin one cell ahead stands four fifths as tall as the player: its head near the
// eye's height, its feet on the floor, where the picture the tiny worlds share came up to the knee.
TEST_F(PlayViewTest, aGoblinAheadStandsNearlyAsTallAsThePlayer) {
    constexpr int kGoblinX = 18, kGoblinY = 16;
    const ViewShot withIt = LookFrom(kGoblinX, kGoblinY + 1, kNorth);
    withIt.Keep("goblin-ahead");
    SMapCell& cell = *Play().GetCell(kGoblinX, kGoblinY);
    const uint8_t standing = cell.creatures[0];
    ASSERT_NE(standing, 0);
    cell.creatures[0] = 0;
    Play().BuildCellView(kGoblinX, kGoblinY);
    const ViewShot withoutIt = RedrawView(*m_driver);
    cell.creatures[0] = standing;
    Play().BuildCellView(kGoblinX, kGoblinY);
    // Above the target panel that names it.
    const int panelTop = Play().TargetPanels().left.twoLines.top - Game().PlayView().m_viewY;
    const ViewArea goblin = Difference(withoutIt.Top(panelTop), withIt.Top(panelTop)).bounds;
    ASSERT_FALSE(goblin.Empty()) << "the goblin is drawn";
    const int horizon = FaceArea(*m_driver, kGoblinX, kGoblinY, kSouthSide, 0, 0).top;
    const int floor = FaceArea(*m_driver, kGoblinX, kGoblinY, kSouthSide, kFloor, kFloor).top;
    EXPECT_LT(goblin.top, horizon + (floor - horizon) / 3) << "its head near the eye";
    EXPECT_GT(goblin.bottom, horizon + (floor - horizon) / 2) << "its feet on the floor";
}

// A blow with the sword shows the blade swung: during the stroke the weapon hand shows a picture
// of its own, whose streaks are drawn in the view's lower right, not only the resting sword
// sinking and rising.
TEST_F(PlayViewTest, aSwordStrokeShowsTheBladeSwung) {
    constexpr int kGoblinX = 18, kGoblinY = 16;
    const ViewShot resting = LookFrom(kGoblinX, kGoblinY + 1, kNorth);
    SFpsBlock& fps = Game().PlayView().m_fps;
    const uint16_t restingPicture = fps.m_firstPicture;
    ASSERT_NE(restingPicture, 0) << "the sword is in hand";
    m_driver->Press(kActionAttack);
    ViewShot swung;
    for (int frame = 0; frame < 40 && swung.pixels.empty(); ++frame) {
        m_driver->Frame();
        if (fps.m_firstPicture != restingPicture && fps.m_firstHeightPercent > 0) swung = ShootView(*m_driver);
    }
    ASSERT_FALSE(swung.pixels.empty()) << "the stroke shows a picture other than the resting sword";
    swung.Keep("sword-swung");
    const ViewArea lowerRight{swung.width / 2, swung.height / 2, swung.width, swung.height};
    EXPECT_EQ(resting.Count(resting.Whole(), {SwingStreakColour()}), 0);
    EXPECT_GT(swung.Count(lowerRight, {SwingStreakColour()}), 0) << "the swing's streaks are drawn";
}

// The compass's frame holds the compass and no empty ground: no black shows in the frame beside or
// under the strip, on a portrait screen and on the large landscape one.
TEST_F(PlayViewTest, theCompassFrameHoldsOnlyTheCompass) {
    for (const uint32_t mode : {7u, 15u}) {
        SCOPED_TRACE(mode);
        StartSampleWorld(mode);
        m_driver->Frame();
        m_driver->Rig().Shot("compass-mode-" + std::to_string(mode));
        const SCtrl& frame = Play().m_compassBorder;
        const SCtrl& compass = Play().m_compass;
        ASSERT_GT(compass.m_w, 0);
        // The rows the strip is drawn in: the small screens leave out its top and bottom rows.
        const int strip = Play().m_compass.m_stripH - (IsSmallScreenType(mode) ? 2 : 0);
        int black = 0;
        for (int y = frame.m_y; y < frame.m_y + int(frame.m_h); ++y)
            for (int x = frame.m_x; x < frame.m_x + int(frame.m_w); ++x) {
                const bool inCompass = x >= compass.m_x && x < compass.m_x + int(compass.m_w) && y >= compass.m_y &&
                                       y < compass.m_y + strip;
                black += !inCompass && m_driver->Rig().Pixel(x, y) == 0 ? 1 : 0;
            }
        EXPECT_EQ(black, 0) << "of the frame's " << frame.m_w * frame.m_h << " pixels";
    }
}

// The plate in the dungeon's deepest room carries the player to Eastbrook: the fade's last frame
// shows the view white, every frame before it the dungeon under its ceiling, and the first frame
// after it the town under its own sky, as the town is drawn when looked at afresh.
TEST_F(PlayViewTest, aTeleportShowsItsWhiteFrameAndThenThePlaceArrivedAtUnderItsSky) {
    constexpr int kPlateX = 29, kPlateY = 24;
    Play().TravelToPosition("base_dungeonfoot", 0);
    ASSERT_TRUE(m_driver->RunUntilIdle(50));
    LookFrom(kPlateX, kPlateY + 1, kNorth);
    m_driver->Press(kActionForward);
    std::vector<ViewShot> below;
    ViewShot arrival;
    for (int frame = 0; frame < 100 && arrival.pixels.empty(); ++frame) {
        m_driver->Frame();
        ViewShot shown = ShootView(*m_driver);
        if (std::string(Play().m_currentMap->Name()) == "base_dungeon")
            below.push_back(std::move(shown));
        else
            arrival = std::move(shown);
    }
    ASSERT_FALSE(arrival.pixels.empty()) << "the plate carries the player away";
    ASSERT_FALSE(below.empty());
    arrival.Keep("teleport-arrival");
    below.back().Keep("teleport-last-fade-frame");
    const auto white = [](const ViewShot& shot) { return shot.Count(shot.Whole(), {0xFFFF}); };
    EXPECT_EQ(white(below.back()), below.back().width * below.back().height) << "the last frame is white";
    // The sky fills the top of the view; the dungeon's ceiling has none of its pixels.
    const ViewArea top{0, 0, arrival.width, arrival.height / 8};
    for (size_t i = 0; i + 1 < below.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(white(below[i]), below[i].width * below[i].height / 2) << "only the last frame is white";
        int sky = 0;
        for (int y = top.top; y < top.bottom; ++y)
            for (int x = top.left; x < top.right; ++x) sky += below[i].At(x, y) == arrival.At(x, y) ? 1 : 0;
        EXPECT_LT(sky, top.Width() * top.Height() / 20) << "the surface's sky over the dungeon";
    }
    const ViewDifference afresh = Difference(arrival, RedrawView(*m_driver));
    EXPECT_LT(afresh.count, arrival.width * arrival.height / 50) << "the town as it is drawn afresh";
}

}  // namespace

}  // namespace play_view_test
