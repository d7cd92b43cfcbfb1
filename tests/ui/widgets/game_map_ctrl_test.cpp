#include "ui/widgets/game_map_ctrl.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "support/ui_rig.h"
#include "ui/widgets/map_scene.h"

namespace game_map_ctrl_test {

namespace {

using namespace map_scene;

// A dialog that holds one automap, as the play screen holds its own, over the rig's play screen.
class MapHost : public SDialog {
public:
    void Open(SGameData& game, int x, int y, int w, int h, bool drag) {
        Init(&game);
        NoBackground();
        map.Attach(this);
        map.m_id = 535;
        map.SetRect(int16_t(x), int16_t(y), uint16_t(w), uint16_t(h));
        AddCtrl(&map);
        map.Setup();
        map.ComputeCenter();
        if (drag) map.SetDragMode();
        ResetPenGate();
    }
    uint32_t OnCommand(uint32_t id) override {
        commands.push_back(id);
        return 0;
    }

    SGameMapCtrl map;
    std::vector<uint32_t> commands;
};

class AutomapTest : public UiRigTest {
protected:
    // The rig in the mode with the scene open, every cell explored, and the automap at (x, y).
    UiRig& open(uint32_t mode, int x, int y, int w, int h, bool drag = false) {
        UiRig& rig = Start(mode);
        if (HasFailure()) return rig;
        std::string error;
        EXPECT_TRUE(scene.Open(rig.Game(), rig.PlayScreen(), error)) << error;
        scene.explore(true);
        cell = IsLargeScreenType(mode) ? 16 : 8;
        UseSolidMapPictures(rig.Game(), cell);
        host.Open(rig.Game(), x, y, w, h, drag);
        rig.OpenDialog(host);
        rig.Frame();
        return rig;
    }
    SStateGame& play() { return m_rig->PlayScreen(); }
    void redraw() {
        host.SetDirty();
        m_rig->Frame();
    }
    // The screen position of grid cell (gx, gy) with the player standing still.
    int cellX(int gx) const { return host.map.m_centerX + (gx - m_rig->PlayScreen().m_playerX) * cell; }
    int cellY(int gy) const { return host.map.m_centerY + (gy - m_rig->PlayScreen().m_playerY) * cell; }
    uint16_t middleOf(int gx, int gy) const { return m_rig->Pixel(cellX(gx) + cell / 2, cellY(gy) + cell / 2); }

    Scene scene;
    MapHost host;
    int cell = 8;
};

// Cell 16 on the large screen types, 8 on the small ones, 10 on the others; the half extents fit
// the control; a marker sits centred in the neighbour cell of its side.
TEST(AutomapSetupTest, cellSizeHalfExtentsAndMarkerPlacesFollowTheScreenType) {
    struct Row {
        uint32_t mode;
        int w, h;
        uint32_t cell, halfX, halfY;
        int32_t a, b, c;
    };
    const Row rows[] = {{7, 80, 40, 8, 4, 2, -1, 7, -9},
                        {10, 80, 40, 16, 2, 0, 3, 19, -13},
                        {3, 80, 40, 10, 3, 1, 0, 10, -10},
                        {7, 4, 4, 8, 0, 0, -1, 7, -9}};
    for (const Row& row : rows) {
        SGameData game;
        game.m_screenMode = row.mode;
        SDialog owner;
        owner.Init(&game);
        SGameMapCtrl map;
        map.Attach(&owner);
        map.SetRect(100, 50, uint16_t(row.w), uint16_t(row.h));
        map.Setup();
        map.ComputeCenter();
        const std::string name = "mode " + std::to_string(row.mode) + " " + std::to_string(row.w);
        EXPECT_EQ(map.m_cell, row.cell) << name;
        EXPECT_EQ(map.m_halfX, row.halfX) << name;
        EXPECT_EQ(map.m_halfY, row.halfY) << name;
        EXPECT_EQ(map.m_centerX, 100 + int32_t(row.cell * row.halfX)) << name;
        EXPECT_EQ(map.m_centerY, 50 + int32_t(row.cell * row.halfY)) << name;
        const int32_t x[4] = {row.a, row.b, row.a, row.c}, y[4] = {row.c, row.a, row.b, row.a};
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(map.m_markerX[s], x[s]) << name << " side " << s;
            EXPECT_EQ(map.m_markerY[s], y[s]) << name << " side " << s;
        }
    }
}

// Explored cells show their floor, side and decoration pictures; an unexplored neighbour of the
// player shows the background; the sign's marker sits in the cell north of it, drawn even there.
TEST_F(AutomapTest, exploredCellsShowTheirPicturesAndUnexploredOnesTheBackground) {
    UiRig& rig = open(7, 8, 8, 200, 200);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(rig.Pixel(cellX(17) + 1, cellY(19) + 1), kFloor) << "around the arrow";
    EXPECT_EQ(middleOf(16, 13), kRock);
    EXPECT_EQ(rig.Pixel(cellX(9), cellY(16) + 3), kSideWall) << "the wall on the west side";
    EXPECT_EQ(rig.Pixel(cellX(9) + cell - 1, cellY(16) + 3), kFloor);
    EXPECT_EQ(middleOf(9, 16), kDecoration);
    // The sign at grid (11, 10) is more than halfX cells away: scroll there by standing nearer.
    scene.stand(play(), 12, 12);
    scene.greenvale->ClearExplored();
    scene.greenvale->SetExplored(12 - 7, 12 - 7);
    redraw();
    EXPECT_EQ(rig.Pixel(cellX(12) + 1, cellY(12) + 1), kFloor);
    EXPECT_EQ(middleOf(13, 12), kTile) << "an unexplored neighbour";
    EXPECT_EQ(middleOf(11, 9), kMarkers[kSignMarker]) << "the marker centred in the cell north of the sign";
    EXPECT_EQ(rig.Pixel(cellX(11) - 1, cellY(9) + 4), kMarkers[kSignMarker]) << "10 wide on 8-pixel cells";
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

// The marker of a sign whose own cell lies just beyond the view still shows in the cell north of
// it, which is in view.
TEST_F(AutomapTest, aSignJustOutOfViewStillMarksTheCellInView) {
    UiRig& rig = open(7, 8, 8, 200, 40);
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(host.map.m_halfY, 2u);
    scene.stand(play(), 11, 7);
    redraw();
    EXPECT_EQ(middleOf(11, 9), kMarkers[kSignMarker]);
    EXPECT_EQ(rig.Pixel(cellX(11) + 4, cellY(10) - 1), kMarkers[kSignMarker]);
    EXPECT_NE(rig.Pixel(cellX(11) + 4, cellY(10)), kMarkers[kSignMarker]) << "cut at the view's edge";
}

// Standing in the middle of the cell the player's cell is at the centre; walking half a cell east
// moves the map half a cell west.
TEST_F(AutomapTest, walkingHalfACellMovesTheMapHalfACellTheOtherWay) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode, 16, 16, 200, 200);
        ASSERT_FALSE(HasFailure());
        scene.stand(play(), 16, 14);
        redraw();
        const int x = cellX(17) + cell - 1, y = cellY(13) + 1;
        EXPECT_EQ(rig.Pixel(x, y), kRock) << "the rock's last column, mode " << mode;
        EXPECT_EQ(rig.Pixel(x + 1, y), kFloor) << "mode " << mode;
        play().m_fractionX = SStateGame::kCellCentre + 0x8000;
        redraw();
        EXPECT_EQ(rig.Pixel(x - cell / 2, y), kRock) << "mode " << mode;
        EXPECT_EQ(rig.Pixel(x - cell / 2 + 1, y), kFloor) << "mode " << mode;
    }
}

// On the surface the section border lies on rows and columns 7 and 27: a corner piece where they
// meet, an edge piece along them, nothing inside or beyond.
TEST_F(AutomapTest, theSectionBorderPiecesLieOnRowsAndColumnsSevenAndTwentySeven) {
    UiRig& rig = open(7, 0, 0, 240, 320, true);
    ASSERT_FALSE(HasFailure());
    scene.stand(play(), 17, 17);
    host.map.ComputeCenter();
    play().m_sectionBorder = 1;
    redraw();
    struct Row {
        int gx, gy;
        uint16_t colour;
    };
    const Row rows[] = {{7, 7, kBorders[0]},  {27, 7, kBorders[1]},  {7, 27, kBorders[2]},  {27, 27, kBorders[3]},
                        {15, 7, kBorders[4]}, {27, 15, kBorders[5]}, {15, 27, kBorders[6]}, {7, 15, kBorders[7]},
                        {15, 15, kFloor},     {30, 7, kFloor},       {3, 7, kTile}};
    for (const Row& row : rows) EXPECT_EQ(middleOf(row.gx, row.gy), row.colour) << row.gx << "," << row.gy;
    (void)rig;
}

// In drag mode the whole grid can be brought into view, and the arrow for the heading stands in
// the player's cell.
TEST_F(AutomapTest, dragModeScrollsTheWholeGridWithTheArrowInThePlayersCell) {
    UiRig& rig = open(7, 0, 0, 240, 320, true);
    ASSERT_FALSE(HasFailure());
    for (uint32_t heading : {0u, 90u, 180u, 270u, 359u}) {
        play().m_heading = heading;
        redraw();
        EXPECT_EQ(middleOf(17, 19), kArrows[heading / 90]) << heading;
    }
    EXPECT_EQ(middleOf(3, 19), kTile) << "no section west of Greenvale";
    // Grid column 34 lies right of the screen at first; dragging left brings it in.
    EXPECT_GE(cellX(34), 240);
    const int centreX = host.map.m_centerX;
    rig.PenDown(200, 100);
    rig.PenMove(120, 100);
    rig.PenMove(60, 100);
    rig.PenUp(60, 100);
    EXPECT_EQ(host.map.m_centerX, centreX - 140);
    EXPECT_EQ(host.map.m_dragging, 0u);
    EXPECT_LT(cellX(34), 240);
    EXPECT_EQ(middleOf(34, 19), kFloor) << "East Marsh's seventh column";
    EXPECT_TRUE(host.commands.empty()) << "drag mode answers nothing";
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

// Outside drag mode a tap answers the control's id; the grid stays where the player stands.
TEST_F(AutomapTest, outsideDragModeATapAnswersTheControlsId) {
    UiRig& rig = open(7, 20, 20, 80, 80);
    ASSERT_FALSE(HasFailure());
    const int centreX = host.map.m_centerX;
    rig.PenDown(40, 40);
    rig.PenMove(70, 40);
    rig.PenUp(70, 40);
    EXPECT_EQ(host.commands, std::vector<uint32_t>{535});
    EXPECT_EQ(host.map.m_centerX, centreX);
    rig.Tap(150, 150);
    EXPECT_EQ(host.commands.size(), 1u) << "a tap outside";
}

// Outside drag mode the turning arrow (half a cell here) stands at the centre of the player's cell
// and turns with the heading: square at north, turned to a diamond at 45 degrees, whose points reach
// further along the axes and whose sides leave the square's corners.
TEST_F(AutomapTest, outsideDragModeTheArrowTurnsWithTheHeadingAtTheCentre) {
    UiRig& rig = open(10, 16, 16, 200, 200);
    ASSERT_FALSE(HasFailure());
    const int x = host.map.m_centerX + cell / 2, y = host.map.m_centerY + cell / 2;
    const int half = cell / 4;
    play().m_heading = 0;
    redraw();
    EXPECT_EQ(rig.Pixel(x, y), kArrows[4]);
    EXPECT_EQ(rig.Pixel(x - half + 1, y - half + 1), kArrows[4]) << "near the square's corner";
    EXPECT_NE(rig.Pixel(x, y - half - 1), kArrows[4]);
    play().m_heading = 45;
    redraw();
    EXPECT_EQ(rig.Pixel(x, y), kArrows[4]);
    EXPECT_EQ(rig.Pixel(x, y - half - 1), kArrows[4]) << "a point of the diamond";
    EXPECT_NE(rig.Pixel(x - half, y - half), kArrows[4]) << "beside the diamond's side";
    for (int i = 0; i < 4; ++i) EXPECT_NE(rig.Pixel(x, y), kArrows[i]) << "no heading picture outside drag mode";
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

// Indexes from map data past their tables draw nothing in their place and nothing breaks: the
// control's own background shows through.
TEST_F(AutomapTest, anIndexPastItsTableDrawsNothingThere) {
    UiRig& rig = open(7, 8, 8, 200, 200);
    ASSERT_FALSE(HasFailure());
    SAutomapCell& shown = *play().GetAutomapCell(17, 19);
    shown.floorKind = 69;
    shown.decoration = 500;
    shown.sidePictures[0] = 0xFFFE;
    SPlacedObject* sign = scene.greenvale->FindObject(1);
    ASSERT_NE(sign, nullptr);
    sign->byteA = 12;
    scene.stand(play(), 12, 12);
    *play().GetAutomapCell(12, 12) = shown;
    redraw();
    EXPECT_EQ(rig.Pixel(cellX(12) + 1, cellY(12) + 1), kTile);
    EXPECT_EQ(middleOf(11, 9), kFloor) << "no marker 12 of 12";
    sign->byteA = SPlacedObject::kNoByte;
    redraw();
    EXPECT_EQ(middleOf(11, 9), kFloor) << "a sign with no marker index";
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

// A map that forbids the automap shows the background and the refusal only: "Denied" 2 pixels in
// on the small screens, "Denied by strong magic." 10 pixels in on the others.
TEST_F(AutomapTest, aMapThatForbidsTheAutomapShowsOnlyTheRefusal) {
    struct Row {
        uint32_t mode;
        const char* text;
        int inset, width;
    };
    for (const Row& row : {Row{7, "Denied", 2, 220}, Row{10, "Denied by strong magic.", 10, 300}}) {
        scene.greenvaleFlags = 1;
        UiRig& rig = open(row.mode, 8, 8, row.width, 120);
        ASSERT_FALSE(HasFailure());
        int left = 1000, top = 1000, right = -1, bottom = -1;
        for (int y = 8; y < 128; ++y) {
            for (int x = 8; x < 8 + row.width; ++x) {
                const uint16_t pixel = rig.Pixel(x, y);
                ASSERT_NE(pixel, kFloor) << row.mode;
                if (pixel == kTile) continue;
                left = std::min(left, x), top = std::min(top, y);
                right = std::max(right, x), bottom = std::max(bottom, y);
            }
        }
        SText& text = *rig.Game().m_text;
        text.SelectFont(1, 0, 0);
        const int width = text.TextWidth(row.text);
        EXPECT_GE(left, 8 + row.inset) << row.mode;
        EXPECT_LE(left, 8 + row.inset + 2) << row.mode;
        EXPECT_GE(top, 8 + row.inset) << row.mode;
        EXPECT_LE(bottom, 8 + row.inset + text.LineHeight()) << row.mode;
        // The ink is narrower than the advance by the first glyph's left side, the last one's right
        // side and the spacing column after it.
        EXPECT_NEAR(right - left + 1, width, 4) << row.mode;
        EXPECT_TRUE(rig.Shot("automap_denied_mode" + std::to_string(row.mode)));
    }
}

}  // namespace

}  // namespace game_map_ctrl_test
