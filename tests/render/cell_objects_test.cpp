#include <gtest/gtest.h>

#include "sprite_world_fixture.h"

namespace cell_objects_test {

namespace {

using CellObjectsTest = SpriteWorldTest;

uint16_t Packed(int xStep, int yStep, int heightStep, bool projects = false) {
    return uint16_t(xStep | yStep << 5 | heightStep << 10 | (projects ? 0x8000 : 0));
}

// The object cell (5, 5), seen from two cells south of it, looking north.
constexpr int kX = 5, kY = 5;

// A free-standing first-layer picture wholly below the level-3 line is one class-3 polygon; one that
// crosses it is cut there, its lower piece in class 3 with the texture from the cut down, its upper
// piece in class 4 one depth unit nearer with the texture down to the cut. An item pile is cut the
// same way with both pieces at one depth.
TEST_F(CellObjectsTest, aPictureCrossingTheTopOfTheFirstStoreyIsCutThere) {
    struct Row {
        const char* name;
        int height;
        bool pile;
        int pieces;
    };
    for (const Row row : {Row{"short", 8, false, 1}, Row{"tall", 400, false, 2}, Row{"tall pile", 400, true, 2}}) {
        SCOPED_TRACE(row.name);
        SetUp();
        const uint16_t picture = addPicture(8, row.height, 0, 0x1234);
        if (row.pile) {
            itemPiles[1] = {picture, 0, 0x8000, 0x8000, 0, 0, 0};
            cell(kX, kY).m_itemPiles[0] = 1;
        } else {
            sideOverlays[1].m_position[0] = Packed(16, 16, 1);
            sideOverlays[1].m_picture[0] = picture;
            cell(kX, kY).m_sideOverlay = 1;
        }
        standIn(kX, kY + 2, 0);
        if (row.pile)
            render->DrawItemPiles(kX, kY);
        else
            render->DrawCellObjects(kX, kY, 0);
        ASSERT_EQ(count(), row.pieces);
        EXPECT_EQ(polygon(0).m_type, SPolygonType::Billboard);
        EXPECT_EQ(polygon(0).m_pictures[0], picture);
        EXPECT_EQ(classOf(0), SSortClass::FirstLayer);
        if (row.pieces == 1) {
            EXPECT_EQ(uv(0, 0).v, 0);
            EXPECT_EQ(uv(0, 2).v, row.height * 16);
            continue;
        }
        const int32_t z = vertex(0, 0).z;
        const int32_t line = render->Project({0, SRender::kLevels[3], z}).y;
        EXPECT_EQ(classOf(1), SSortClass::SecondLayer);
        EXPECT_EQ(topOf(0), line);
        EXPECT_EQ(bottomOf(1), line);
        EXPECT_EQ(vertex(1, 0).z, row.pile ? z : z - 1);
        const int32_t cut = uv(0, 0).v;
        EXPECT_GT(cut, 0);
        EXPECT_LT(cut, row.height * 16);
        EXPECT_EQ(uv(0, 2).v, row.height * 16);
        EXPECT_EQ(uv(1, 0).v, 0);
        EXPECT_EQ(uv(1, 2).v, cut);
    }
}

// An item pile with a marker size draws marker A, or B with its flag, over the pile's picture:
// centred across it, its middle a third of the way down, scaled by the percentage.
TEST_F(CellObjectsTest, anItemPilesMarkerStandsOverItsPicture) {
    struct Row {
        uint16_t flags, percent;
        int polygons;
        uint8_t markerFlag;
    };
    for (const Row row :
         {Row{0, 0, 1, 0}, Row{0, 100, 2, SRenderPolygon::kMarkerA},
          Row{SItemPileRecord::kMarkerB | SItemPileRecord::kMirrored, 50, 2, SRenderPolygon::kMarkerB}}) {
        SCOPED_TRACE(::testing::Message() << "flags " << row.flags << ", " << row.percent << "%");
        SetUp();
        const uint16_t creature = addPicture(32, 48, 0, 0x1234);
        itemPiles[1] = {creature, 0, 0x8000, 0x8000, 0, row.flags, row.percent};
        cell(kX, kY).m_itemPiles[1] = 1;
        standIn(kX, kY + 2, 0);
        render->DrawItemPiles(kX, kY);
        ASSERT_EQ(count(), row.polygons);
        EXPECT_EQ(uv(0, 0).u, row.flags & SItemPileRecord::kMirrored ? 32 * 16 - 1 : 0);
        if (row.polygons == 1) continue;
        EXPECT_EQ(polygon(1).m_flags, row.markerFlag);
        EXPECT_EQ(polygon(1).m_type, SPolygonType::Billboard);
        const int32_t pileWidth = vertex(0, 1).x - vertex(0, 0).x, pileHeight = bottomOf(0) - topOf(0);
        const int32_t markerWidth = vertex(1, 1).x - vertex(1, 0).x;
        EXPECT_NEAR(vertex(1, 0).x + markerWidth / 2, vertex(0, 0).x + pileWidth / 2, 2);
        EXPECT_NEAR((topOf(1) + bottomOf(1)) / 2, topOf(0) + pileHeight / 3, 2);
        EXPECT_NEAR(markerWidth, pileWidth * 4 / 32 * row.percent / 100, 2) << "a 4-texel marker";
    }
}

// The free sprite slot stands with its bottom edge on its point, whatever the picture's foot
// offset, and larger than a free picture at the same place: as if half a cell nearer.
TEST_F(CellObjectsTest, theFreeSpriteStandsOnItsPoint) {
    const uint16_t effect = addPicture(16, 16, 5, 0x1234);
    cell(kX, kY).m_spritePicture = effect;
    cell(kX, kY).m_spriteX = cell(kX, kY).m_spriteY = 0x8000;
    sideOverlays[1].m_position[0] = Packed(16, 16, 1);
    sideOverlays[1].m_picture[0] = effect;
    cell(kX, kY).m_sideOverlay = 1;
    standIn(kX, kY + 2, 0);
    render->DrawCreature(kX, kY);
    render->DrawCellObjects(kX, kY, 0);
    ASSERT_EQ(count(), 2);
    const int32_t floor = render->Project({0, SRender::kLevels[2], vertex(0, 0).z}).y;
    EXPECT_NEAR(bottomOf(0), floor, 1);
    EXPECT_GT(bottomOf(1), floor) << "a free picture stands on its foot line";
    EXPECT_GT(vertex(0, 1).x - vertex(0, 0).x, vertex(1, 1).x - vertex(1, 0).x);
}

// The ten pictures of a stack on one point sort in their order, each in front of the one before;
// an empty place lowers no other picture's key.
TEST_F(CellObjectsTest, stackedPicturesSortInTheirOrder) {
    const uint16_t shelf = addPicture(40, 20, 0, 0x4208);
    sideOverlays[1].m_position[2] = Packed(16, 1, 4);
    sideOverlays[1].m_picture[2] = shelf;
    sideOverlays[1].m_obliquePicture[2] = shelf;
    sideOverlays[1].m_itemStack[2] = 1;
    for (int k = 0; k < 10; ++k) itemStacks[1].m_pictures[k] = k == 4 ? 0 : uint16_t(1 + k % 6);
    cell(kX, kY).m_sideOverlay = 1;
    standIn(kX, kY + 2, 0);
    render->DrawCellObjects(kX, kY, 0);
    ASSERT_EQ(count(), 10) << "the shelf and nine pictures";
    EXPECT_EQ(polygon(0).m_type, SPolygonType::KeyedObjectQuad);
    const int32_t z = vertex(1, 0).z;
    int expectedK[] = {0, 1, 2, 3, 5, 6, 7, 8, 9};
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(polygon(i).m_type, SPolygonType::Billboard);
        EXPECT_EQ(key(i).m_farDepth, z - 11 - expectedK[i - 1]) << i;
    }
    render->SortPolygons();
    for (int i = 1; i < 10; ++i) EXPECT_EQ(render->m_frame.sortKeys[i].m_polygon, i) << "drawn in stack order";
}

// A free picture at or before the near distance or at or beyond the far distance adds nothing.
TEST_F(CellObjectsTest, aPictureOutsideTheNearAndFarDistancesAddsNothing) {
    sideOverlays[1].m_position[0] = Packed(16, 16, 1);
    sideOverlays[1].m_picture[0] = 1;
    cell(kX, kY).m_sideOverlay = 1;
    struct Row {
        const char* name;
        int standY;
        int polygons;
    };
    for (const Row row : {Row{"in range", kY + 2, 1}, Row{"too near", kY, 0}, Row{"too far", kY + 9, 0}}) {
        SCOPED_TRACE(row.name);
        standIn(kX, row.standY, 0);
        render->DrawCellObjects(kX, kY, 0);
        EXPECT_EQ(count(), row.polygons);
    }
}

// A picture on a side is a head-on type-14 quad within 60 degrees of looking straight at the side;
// beyond, it is the oblique picture as type 13, or with bit 15 the picture itself standing out of
// the side as type 14.
TEST_F(CellObjectsTest, aSidePictureIsHeadOnObliqueOrProjectingByTheViewAngle) {
    struct Row {
        const char* name;
        bool projects;
        int standX, standY, degrees;
        SPolygonType type;
        bool obliquePicture;
    };
    // The entry lies on the north side of the cell; the viewer looks north at it, or looks west
    // from beside it.
    const Row rows[] = {
        {"head-on", false, kX, kY + 2, 0, SPolygonType::KeyedObjectQuad, false},
        {"59 degrees off", false, kX + 2, kY + 2, 59, SPolygonType::KeyedObjectQuad, false},
        {"oblique", false, kX + 2, kY, 90, SPolygonType::KeyedQuad, true},
        {"projecting", true, kX + 2, kY, 90, SPolygonType::KeyedObjectQuad, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        const uint16_t front = addPicture(32, 32, 0, 0x1111), oblique = addPicture(12, 32, 0, 0x2222);
        sideOverlays[1].m_position[0] = Packed(16, 1, 8, row.projects);
        sideOverlays[1].m_picture[0] = front;
        sideOverlays[1].m_obliquePicture[0] = oblique;
        cell(kX, kY).m_sideOverlay = 1;
        standIn(row.standX, row.standY, row.degrees);
        render->DrawCellObjects(kX, kY, 0);
        ASSERT_EQ(count(), 1);
        EXPECT_EQ(polygon(0).m_type, row.type);
        EXPECT_EQ(polygon(0).m_pictures[0], row.obliquePicture ? oblique : front);
        EXPECT_EQ(classOf(0), SSortClass::FirstLayer);
    }
}

// With bit 15 of its stack word the side picture is drawn as a white silhouette: every opaque
// texel white, the transparent ones leaving what lay behind.
TEST_F(CellObjectsTest, aSilhouetteEntryDrawsEveryOpaquePixelWhite) {
    auto entry = MakePictureEntry(128, 64, [](int x, int) { return x < 64 ? uint16_t(0x1234) : uint16_t(0xFFFF); });
    pictures.push_back(std::move(entry));
    bindSprites();
    const uint16_t picture = uint16_t(pictures.size() - 1);
    sideOverlays[1].m_position[0] = Packed(16, 1, 8);
    sideOverlays[1].m_picture[0] = picture;
    sideOverlays[1].m_obliquePicture[0] = picture;
    sideOverlays[1].m_itemStack[0] = SSideOverlayRecord::kSilhouette;
    const int32_t x = (kX << 16) + 0x8000, y = ((kY + 1) << 16) + 0x8000;
    standAt(x, y, 0);
    const std::vector<uint16_t> before = surface->Pixels();
    cell(kX, kY).m_sideOverlay = 1;
    standAt(x, y, 0);
    const std::vector<uint16_t> after = surface->Pixels();
    int white = 0, other = 0;
    for (size_t i = 0; i < after.size(); ++i) {
        if (after[i] != before[i]) (after[i] == 0xFFFF ? white : other)++;
    }
    EXPECT_GT(white, 100);
    EXPECT_EQ(other, 0);
}

// Records that name what is not there draw nothing and read nothing outside the tables: an overlay,
// stack or pile index past its table, and picture slots that are 0, past the table, not loaded or
// without texels.
TEST_F(CellObjectsTest, recordsNamingWhatIsNotThereDrawNothing) {
    pictures.push_back(std::make_unique<SPictureEntry>());  // a slot never loaded
    const uint16_t unloaded = uint16_t(pictures.size() - 1);
    pictures.push_back(SolidPicture(0, 8, 0x1234));
    const uint16_t empty = uint16_t(pictures.size() - 1);
    bindSprites();
    const uint16_t good = 1;
    for (const uint16_t slot : {uint16_t(0), uint16_t(999), unloaded, empty}) {
        SCOPED_TRACE(slot);
        SetUp();
        pictures.push_back(std::make_unique<SPictureEntry>());
        pictures.push_back(SolidPicture(0, 8, 0x1234));
        bindSprites();
        for (int e = 0; e < 4; ++e) {
            sideOverlays[1].m_position[e] = Packed(16, e == 0 ? 16 : 1, 4, e == 3);
            sideOverlays[1].m_picture[e] = e == 2 ? good : slot;
            sideOverlays[1].m_obliquePicture[e] = e == 0 ? 0 : slot;
            sideOverlays[1].m_secondPicture[e] = slot;
            sideOverlays[1].m_secondPosition[e] = Packed(10, 10, 1);
        }
        itemStacks[1].m_pictures[0] = slot;
        itemPiles[1] = {slot, 0, 0x8000, 0x8000, 0, 0, 100};
        cell(kX, kY) = SCellViewRecord{};
        cell(kX, kY).m_sideOverlay = 1;
        cell(kX, kY).m_itemPiles[0] = 1;
        cell(kX, kY).m_floorItemStack = 1;
        cell(kX, kY).m_spritePicture = slot;
        standIn(kX, kY + 2, 0);
        render->DrawCellObjects(kX, kY, 0);
        render->DrawItemPiles(kX, kY);
        render->DrawFloorItems(kX, kY);
        render->DrawCreature(kX, kY);
        EXPECT_EQ(count(), 1) << "only the good entry";
        EXPECT_EQ(polygon(0).m_pictures[0], good);
    }
    for (const uint16_t index : {uint16_t(2), uint16_t(0xFFFF)}) {
        SCOPED_TRACE(index);
        SetUp();
        sideOverlays[1].m_position[0] = Packed(16, 31, 4);
        sideOverlays[1].m_picture[0] = good;
        sideOverlays[1].m_obliquePicture[0] = good;
        sideOverlays[1].m_itemStack[0] = uint16_t(index & SSideOverlayRecord::kItemStackMask);
        cell(kX, kY).m_sideOverlay = 1;
        cell(kX, kY).m_itemPiles[0] = cell(kX, kY).m_itemPiles[1] = index;
        cell(kX, kY).m_floorItemStack = index;
        extra(kX, kY).m_sideOverlay = index;
        standIn(kX, kY + 2, 0);
        render->DrawCellObjects(kX, kY, 0);
        render->DrawCellObjects(kX, kY, 1);
        render->DrawItemPiles(kX, kY);
        render->DrawFloorItems(kX, kY);
        EXPECT_EQ(count(), 1) << "the side picture alone";
    }
}

}  // namespace

}  // namespace cell_objects_test
