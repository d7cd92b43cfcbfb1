#include <gtest/gtest.h>

#include <map>

#include "render/floor_item_spots.h"
#include "sprite_world_fixture.h"

namespace centre_objects_test {

namespace {

using CentreObjectsTest = SpriteWorldTest;

// The object cell (5, 5), seen from three cells south of it, looking north.
constexpr int kX = 5, kY = 5;
constexpr uint16_t kObject = 1;

// What the kind dispatch adds for each kind 0 to 14, with 8 x 8 pictures standing on the floor:
// kind 7 hangs from the ceiling above the level-3 line, the door's frame and leaf reach above it
// and are cut there, and a panel shows the copy that faces the viewer.
TEST_F(CentreObjectsTest, theKindDispatchAddsWhatEachKindDraws) {
    struct Row {
        uint16_t kind;
        int billboards, firstLayerQuads, secondLayerQuads;
        int firstLayer, secondLayer;
    };
    const Row rows[] = {
        {0, 0, 0, 0, 0, 0},  {1, 2, 0, 0, 2, 0},  {2, 0, 0, 0, 0, 0},  {3, 0, 2, 2, 2, 2},  {4, 4, 0, 0, 4, 0},
        {5, 2, 0, 0, 2, 0},  {6, 0, 0, 0, 0, 0},  {7, 2, 0, 0, 0, 2},  {8, 0, 0, 0, 0, 0},  {9, 0, 2, 0, 2, 0},
        {10, 0, 1, 0, 1, 0}, {11, 0, 0, 0, 0, 0}, {12, 1, 0, 0, 1, 0}, {13, 2, 0, 0, 2, 0}, {14, 0, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "kind " << row.kind);
        SetUp();
        const uint16_t picture = addPicture(8, 8, 0, 0x1234);
        objectTypes.assign(2, SObjectTypeRecord{});
        SObjectTypeRecord& record = objectTypes[kObject];
        record.m_kind = row.kind;
        // A door has its frame and one leaf, the other kinds a main picture and one more.
        const bool inCell = row.kind != 3;
        record.m_pictures[0] = picture;
        record.m_pictures[inCell ? 1 : 3] = picture;
        record.m_x[0] = record.m_y[0] = inCell ? 0x8000 : 0;
        record.m_x[1] = record.m_y[1] = row.kind == 5 || row.kind == 13 ? 0x4000 : 0;
        bindSprites();
        cell(kX, kY).m_objectType = kObject;
        standIn(kX, kY + 3, 0);
        render->DrawCentreObject(kX, kY);
        int billboards = 0, quads[2] = {}, classes[2] = {};
        for (int i = 0; i < count(); ++i) {
            const bool upper = classOf(i) == SSortClass::SecondLayer;
            EXPECT_TRUE(upper || classOf(i) == SSortClass::FirstLayer);
            ++classes[upper];
            if (polygon(i).m_type == SPolygonType::Billboard) ++billboards;
            if (polygon(i).m_type == SPolygonType::KeyedObjectQuad) ++quads[upper];
        }
        EXPECT_EQ(billboards, row.billboards);
        EXPECT_EQ(quads[0], row.firstLayerQuads);
        EXPECT_EQ(quads[1], row.secondLayerQuads);
        EXPECT_EQ(classes[0], row.firstLayer);
        EXPECT_EQ(classes[1], row.secondLayer);
    }
}

// A record whose pictures are not there draws nothing, whatever its kind: slots past the table,
// never loaded, or of a picture without texels.
TEST_F(CentreObjectsTest, noKindDrawsPicturesThatAreNotThere) {
    for (uint16_t kind = 0; kind <= 14; ++kind) {
        SetUp();
        pictures.push_back(std::make_unique<SPictureEntry>());
        const uint16_t unloaded = uint16_t(pictures.size() - 1);
        pictures.push_back(SolidPicture(0, 8, 0x1234));
        const uint16_t empty = uint16_t(pictures.size() - 1);
        for (const uint16_t slot : {uint16_t(999), unloaded, empty}) {
            SCOPED_TRACE(::testing::Message() << "kind " << kind << ", slot " << slot);
            objectTypes.assign(2, SObjectTypeRecord{});
            SObjectTypeRecord& record = objectTypes[kObject];
            record.m_kind = kind;
            for (int i = 0; i < 7; ++i) record.m_pictures[i] = slot, record.m_x[i] = record.m_y[i] = 0x8000;
            bindSprites();
            cell(kX, kY).m_objectType = kObject;
            extra(kX, kY).m_objectType = kObject;
            standIn(kX, kY + 3, 0);
            render->DrawCentreObject(kX, kY);
            render->DrawUpperPanel(kX, kY);
            EXPECT_EQ(count(), 0);
        }
    }
}

// A door fully open leaves out its picture word 2 and moves its leaves by their whole extent, so
// that only the frame is left; half open, the leaf is narrower than the frame.
TEST_F(CentreObjectsTest, aDoorFullyOpenLeavesOnlyItsFrame) {
    struct Row {
        int opening, mode;
        int polygons;
    };
    for (const Row row : {Row{0, 0, 3}, Row{63, 0, 1}, Row{63, 1, 1}, Row{63, 2, 1}, Row{63, 3, 1}, Row{30, 3, 3}}) {
        SCOPED_TRACE(::testing::Message() << "opening " << row.opening << ", mode " << row.mode);
        SetUp();
        // Short pictures stay below level 3: one polygon each.
        const uint16_t frame = addPicture(336, 100, 0, 0x1111), leaf = addPicture(100, 80, 0, 0x2222);
        const uint16_t middle = addPicture(20, 20, 0, 0x3333);
        objectTypes.assign(2, SObjectTypeRecord{});
        SObjectTypeRecord& door = objectTypes[kObject];
        door.m_kind = uint16_t(3 | row.mode << 8 | row.opening << 10);
        door.m_pictures[3] = frame;
        door.m_pictures[0] = leaf;
        door.m_pictures[1] = middle;
        door.m_x[0] = 100, door.m_y[0] = 20;
        door.m_x[1] = 40, door.m_y[1] = 10;
        bindSprites();
        cell(kX, kY).m_objectType = kObject;
        standIn(kX, kY + 3, 0);
        render->DrawDoor(kX, kY, door);
        ASSERT_EQ(count(), row.polygons);
        EXPECT_EQ(polygon(0).m_pictures[0], frame);
        for (int i = 0; i < count(); ++i) EXPECT_EQ(polygon(i).m_type, SPolygonType::KeyedObjectQuad);
    }
}

// The frame's sort key is made 4 nearer; the leaf's is its own.
TEST_F(CentreObjectsTest, aDoorsFrameSortsInFrontOfItsLeaf) {
    const uint16_t frame = addPicture(336, 100, 0, 0x1111), leaf = addPicture(100, 80, 0, 0x2222);
    objectTypes.assign(2, SObjectTypeRecord{});
    SObjectTypeRecord& door = objectTypes[kObject];
    door.m_kind = 3;
    door.m_pictures[3] = frame;
    door.m_pictures[0] = leaf;
    bindSprites();
    standIn(kX, kY + 3, 0);
    render->DrawDoor(kX, kY, door);
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(key(0).m_farDepth, key(1).m_farDepth - 4);
}

// A door's frame stands (336 x D) / w - D in from the side of its cell toward the viewer: on that
// side for a frame 336 texels wide, further in for a narrower one, but never past the cell's middle
// however narrow the frame.
TEST_F(CentreObjectsTest, aDoorsFrameStandsInByItsWidthButInsideItsHalfOfTheCell) {
    auto frameDepth = [&](int width) {
        SetUp();
        objectTypes.assign(2, SObjectTypeRecord{});
        objectTypes[kObject].m_kind = 3;
        objectTypes[kObject].m_pictures[3] = addPicture(width, width / 4, 0, 0x1111);
        standIn(kX, kY + 3, 0);
        render->DrawDoor(kX, kY, objectTypes[kObject]);
        return count() > 0 ? vertex(0, 0).z : 0;
    };
    const int32_t side = frameDepth(336);
    ASSERT_NE(side, 0);
    const int32_t d = render->Projection().distance;
    EXPECT_EQ(frameDepth(320) - side, 336 * d / 320 - d);
    EXPECT_EQ(frameDepth(16) - side, 512);
}

// A composite whose main picture lies beyond the far distance draws none of its extras.
TEST_F(CentreObjectsTest, aCompositeBeyondTheFarDistanceDrawsNoExtras) {
    objectTypes.assign(2, SObjectTypeRecord{});
    SObjectTypeRecord& record = objectTypes[kObject];
    record.m_kind = 1;
    record.m_pictures[0] = 1;
    record.m_x[0] = record.m_y[0] = 0x8000;
    for (int i = 1; i <= 5; ++i) record.m_pictures[i] = uint16_t(1 + i);
    bindSprites();
    cell(kX, kY).m_objectType = kObject;
    for (const auto& [distance, polygons] : {std::pair{3, 6}, std::pair{9, 0}}) {
        SCOPED_TRACE(distance);
        standIn(kX, kY + distance, 0);
        render->DrawCentreObject(kX, kY);
        EXPECT_EQ(count(), polygons);
        for (int i = 1; i < count(); ++i) EXPECT_EQ(vertex(i, 0).z, vertex(0, 0).z - 1) << "just in front";
    }
}

// The cross picture turns its plane to the viewer, front-facing from the four axis headings and the
// four diagonals, whichever way the record lays it.
TEST_F(CentreObjectsTest, aCrossPictureFacesTheViewerFromEveryHeading) {
    for (const uint16_t kind : {uint16_t(10), uint16_t(10 | 0x100)}) {
        objectTypes.assign(2, SObjectTypeRecord{});
        objectTypes[kObject].m_kind = kind;
        objectTypes[kObject].m_pictures[0] = 1;
        bindSprites();
        cell(kX, kY).m_objectType = kObject;
        for (int degrees = 0; degrees < 360; degrees += 45) {
            SCOPED_TRACE(::testing::Message() << "kind " << kind << ", heading " << degrees);
            // Two cells back from the object along the heading.
            const int dx = degrees == 0 || degrees == 180 ? 0 : degrees < 180 ? 2 : -2;
            const int dy = degrees == 90 || degrees == 270 ? 0 : degrees < 90 || degrees > 270 ? 2 : -2;
            standIn(kX + dx, kY + dy, degrees);
            render->DrawCentreObject(kX, kY);
            ASSERT_EQ(count(), 1);
            EXPECT_EQ(polygon(0).m_type, SPolygonType::KeyedObjectQuad);
            const SRenderVertex* v = render->m_frame.vertices + polygon(0).m_firstVertex;
            int64_t area = 0;
            for (int i = 0; i < polygon(0).m_vertexCount; ++i) {
                const SRenderVertex& b = v[(i + 1) % polygon(0).m_vertexCount];
                area += int64_t(v[i].x) * b.y - int64_t(b.x) * v[i].y;
            }
            EXPECT_GT(area, 0) << "clockwise on the screen";
        }
    }
}

// The floor reach of a 320 x 200 view is 97, where the ten spots draw together toward (516, 508);
// from a reach of 156 they keep their pattern.
TEST_F(CentreObjectsTest, floorItemsKeepTheirSpotsOnlyWhereTheFloorComesNear) {
    useView(320, 200);
    EXPECT_EQ(render->Projection().floorReach, 0) << "not yet computed";
    render->UpdateProjection();
    EXPECT_EQ(render->Projection().floorReach, 97);

    for (const int reach : {156, 400, 97, 40}) {
        SCOPED_TRACE(reach);
        SFloorItemView items;
        items.floorReach = reach;
        items.facing = 4;
        items.degrees = 30;
        items.playerDy = 2;
        items.sine = 886, items.cosine = 512;
        SFloorSpot spots[kFloorItemSpots];
        PlaceFloorItems(items, spots);
        for (int k = 1; k < kFloorItemSpots; ++k) {
            const int32_t dx = spots[k].x - spots[0].x, dy = spots[k].y - spots[0].y;
            const int32_t nominalX = kNominalFloorSpots[k].x - kNominalFloorSpots[0].x;
            const int32_t nominalY = kNominalFloorSpots[k].y - kNominalFloorSpots[0].y;
            if (reach >= 156) {
                EXPECT_EQ(dx, nominalX) << k;
                EXPECT_EQ(dy, nominalY) << k;
            } else {
                EXPECT_LE(std::abs(dx), std::abs(nominalX)) << k;
                EXPECT_LE(std::abs(dy), std::abs(nominalY)) << k;
            }
        }
    }
}

// The roof over a first-layer wall stands on level 3 with the wall record's word 2 as its texture;
// from the ground in front of an isolated wall only the pyramid's face toward the viewer shows, and
// a wall without word 2 has no roof.
TEST_F(CentreObjectsTest, aRoofMeshStandsOnItsWall) {
    const uint16_t roof = addPicture(256, 64, 0, 0x7777);
    objectTypes[kWall].m_kind = 2 | 15 << 8;
    objectTypes[kWall].m_pictures[1] = roof;
    bindSprites();
    cell(kX, kY).m_objectType = kWall;
    standIn(kX, kY + 3, 0);
    render->DrawCellMesh(kX, kY);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(polygon(0).m_type, SPolygonType::ObjectFace);
    EXPECT_EQ(polygon(0).m_pictures[0], roof);
    EXPECT_EQ(classOf(0), SSortClass::SecondLayer);

    objectTypes[kWall].m_pictures[1] = 0;
    standIn(kX, kY + 3, 0);
    render->DrawCellMesh(kX, kY);
    EXPECT_EQ(count(), 0);
}

}  // namespace

}  // namespace centre_objects_test
