#include "ui/widgets/game_world_map_ctrl.h"

#include <gtest/gtest.h>

#include <string>

#include "support/ui_rig.h"
#include "ui/widgets/map_scene.h"

namespace game_world_map_ctrl_test {

namespace {

using namespace map_scene;

// A dialog that holds one world map and notes the commands it is told, with where the control
// was pressed at the time.
class WorldHost : public SDialog {
public:
    void Open(SGameData& game, int x, int y, int w, int h) {
        Init(&game);
        NoBackground();
        world.Attach(this);
        world.m_id = 46;
        world.SetRect(int16_t(x), int16_t(y), uint16_t(w), uint16_t(h));
        AddCtrl(&world);
        world.Setup();
        ResetPenGate();
    }
    uint32_t OnCommand(uint32_t id) override {
        told.push_back({id, world.m_lastX, world.m_lastY});
        return 0;
    }

    struct Told {
        uint32_t id;
        int32_t x, y;
        bool operator==(const Told&) const = default;
    };
    SGameWorldMapCtrl world;
    std::vector<Told> told;
};

class WorldMapTest : public UiRigTest {
protected:
    UiRig& open(int pictureW, int pictureH) {
        UiRig& rig = Start(7);
        if (HasFailure()) return rig;
        scene.worldPictureW = pictureW;
        scene.worldPictureH = pictureH;
        std::string error;
        EXPECT_TRUE(scene.Open(rig.Game(), rig.PlayScreen(), error)) << error;
        UseSolidMapPictures(rig.Game(), 8);
        host.Open(rig.Game(), 20, 40, 200, 160);
        rig.OpenDialog(host);
        rig.Frame();
        return rig;
    }

    Scene scene;
    WorldHost host;
};

// A picture smaller than the control is centred in it; the player's pin has its point, two
// pixels in from its bottom left corner, on the player's world position (10, 12); the marked map's
// frame covers its 21-pixel square.
TEST_F(WorldMapTest, aSmallerPictureIsCentredWithThePinOnThePlayersPlace) {
    UiRig& rig = open(70, 50);
    ASSERT_FALSE(HasFailure());
    SGameWorldMapCtrl& world = host.world;
    EXPECT_EQ(world.m_scrollX, (200 - 70) / 2);
    EXPECT_EQ(world.m_scrollY, (160 - 50) / 2);
    const int left = 20 + world.m_scrollX, top = 40 + world.m_scrollY;
    EXPECT_EQ(rig.Pixel(left - 1, top + 5), kTile);
    EXPECT_EQ(rig.Pixel(left + 4, top + 16), kWorldSea);
    const int pinX = left + 10 - 2, pinY = top + 12 - world.m_hereH + 2;
    EXPECT_EQ(rig.Pixel(pinX, pinY), kHere);
    EXPECT_EQ(rig.Pixel(pinX + 9, pinY + 9), kHere);
    EXPECT_NE(rig.Pixel(pinX - 1, pinY), kHere);
    EXPECT_NE(rig.Pixel(pinX + 10, pinY + 9), kHere);

    world.SetMarker(2, 1);
    rig.Frame();
    EXPECT_EQ(rig.Pixel(left + 42, top + 21), kMark);
    EXPECT_EQ(rig.Pixel(left + 62, top + 41), kMark);
    EXPECT_NE(rig.Pixel(left + 41, top + 30), kMark);
    world.SetMarker(-1, -1);
    rig.Frame();
    EXPECT_EQ(rig.Pixel(left + 50, top + 30), kWorldSea);
}

// A picture larger than the control starts at its top left and is dragged by the stylus, cut at
// the control's edges; every press tells the owner first, a drag's moves do not.
TEST_F(WorldMapTest, aLargerPictureStartsAtItsTopLeftAndDrags) {
    UiRig& rig = open(400, 300);
    ASSERT_FALSE(HasFailure());
    SGameWorldMapCtrl& world = host.world;
    EXPECT_EQ(world.m_scrollX, 0);
    EXPECT_EQ(world.m_scrollY, 0);
    rig.PenDown(100, 100);
    rig.PenMove(80, 90);
    rig.PenMove(60, 70);
    rig.PenUp(60, 70);
    EXPECT_EQ(world.m_scrollX, -40);
    EXPECT_EQ(world.m_scrollY, -30);
    EXPECT_EQ(host.told, (std::vector<WorldHost::Told>{{46, 100, 100}}));
    EXPECT_EQ(rig.Pixel(21, 40 + 158), kWorldSea) << "the picture fills the control";
    EXPECT_NE(rig.Pixel(21, 40 + 160), kWorldSea) << "and stops at its edge";
    EXPECT_NE(rig.Pixel(20 + 200, 40), kWorldSea);
    rig.Tap(150, 120);
    EXPECT_EQ(host.told.size(), 2u);
    rig.Tap(5, 5);
    EXPECT_EQ(host.told.size(), 2u) << "outside";
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

}  // namespace

}  // namespace game_world_map_ctrl_test
