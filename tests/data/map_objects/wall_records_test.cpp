// The draw records of the wall classes and of the free-standing classes: which kind, which draw
// code, which side entry, which pictures and palettes.
#include <gtest/gtest.h>

#include <array>

#include "data/map_objects/map_object_play_fixture.h"
#include "data/package/module.h"

namespace {

constexpr uint16_t kLight = 256;

// The four entries of a side record's arrays, for comparing a record entry by entry.
std::array<uint16_t, 9> entryOf(const SSideOverlayRecord& record, int e) {
    return {record.m_position[e],      record.m_picture[e],        record.m_obliquePicture[e],
            record.m_palette[e],       record.m_secondPosition[e], record.m_secondPicture[e],
            record.m_secondPalette[e], record.m_itemStack[e],      record.m_drawCode[e]};
}

bool recordsEqual(const SSideOverlayRecord& a, const SSideOverlayRecord& b) {
    for (int e = 0; e < 4; ++e)
        if (entryOf(a, e) != entryOf(b, e)) return false;
    return true;
}

class WallRecordsTest : public MapObjectPlayTest {
protected:
    void SetUp() override {
        MapObjectPlayTest::SetUp();
        for (const char* name : {"torch", "fountain", "window", "citydoor"}) {
            Type(name).m_placeA = 5;
            Type(name).m_placeB = 7;
            Type(name).m_place[3] = 9;
        }
    }

    // The record the type builds for side `side` of a wall cell holding it, on the main layer; the
    // second layer's record of the same sides must be the same.
    SSideOverlayRecord SideRecord(const char* name, int side) {
        SMapCell cell = SideCell(name, side);
        SSideOverlayRecord record, shadowRecord;
        uint16_t light = kLight, shadowLight = kLight;
        Type(name).BuildSideRecord(nullptr, cell, side, record, light);
        SMapCellShadow shadow;
        for (int s = 0; s < 4; ++s) shadow.sides[s] = cell.sides[s];
        Type(name).BuildShadowSideRecord(nullptr, shadow, side, shadowRecord, shadowLight);
        EXPECT_TRUE(recordsEqual(record, shadowRecord)) << name << " side " << side;
        EXPECT_EQ(light, kLight) << name;
        return record;
    }

    SObjectTypeRecord CellRecord(const char* name, SPlacedObject* object, uint8_t extra = 0) {
        SMapCell cell = CentreCell(name);
        cell.centreExtra = extra;
        SObjectTypeRecord record;
        uint16_t light = kLight;
        Type(name).BuildCellRecord(object, cell, record, light);
        EXPECT_EQ(light, kLight) << name;
        return record;
    }
};

// Each class on each side: the entry it writes is the side as seen from the cell in front, its
// placement lies on that face of the cell (on the wall), and the draw code counts the side on from
// the class's first one.
TEST_F(WallRecordsTest, sidePicturesGoToTheEntryFacingTheWallWithTheClassesDrawCode) {
    struct Row {
        const char* name;
        int firstDrawCode;
        int picture, oblique;  // p-numbers; -1 for none
    };
    for (Row row :
         {Row{"torch", 42, 4, 8}, Row{"fountain", 46, 4, -1}, Row{"window", 7, 11, 12}, Row{"citydoor", 3, 3, 2}}) {
        for (int side = 0; side < 4; ++side) {
            const SSideOverlayRecord record = SideRecord(row.name, side);
            const int e = (side + 2) % 4;
            const std::string where = std::string(row.name) + " side " + std::to_string(side);
            EXPECT_EQ(record.m_drawCode[e], row.firstDrawCode + side) << where;
            EXPECT_EQ(record.m_picture[e], Picture(row.picture)) << where;
            EXPECT_EQ(record.m_obliquePicture[e], row.oblique < 0 ? 0 : Picture(row.oblique)) << where;
            EXPECT_EQ(record.m_palette[e], wallPalette.slot) << where;
            const uint16_t placement = row.name == std::string("fountain")
                                           ? PackPlacementFlagged(e, SizeOf(row.picture), false, 5, 7)
                                           : PackPlacement(e, SizeOf(row.picture), 5, 9);
            EXPECT_EQ(record.m_position[e], placement) << where;
            for (int other = 0; other < 4; ++other) {
                if (other == e) continue;
                EXPECT_EQ(entryOf(record, other), (std::array<uint16_t, 9>{})) << where << " " << other;
            }
        }
    }
}

TEST_F(WallRecordsTest, aWallLineDrawsTheSidesDecorationOnTheWall) {
    for (int side = 0; side < 4; ++side) {
        const SSideOverlayRecord record = SideRecord("line", side);
        const int e = (side + 2) % 4;
        EXPECT_EQ(entryOf(record, e), (std::array<uint16_t, 9>{0, 0, 0, 0, SSideOverlayRecord::kWallOverlay, Picture(6),
                                                               decorationPalette.slot, 0, 0}))
            << side;
    }
}

// A projecting wall decoration says so in its placement; a wall-and-floor decoration with an oblique
// picture stands out too and places its height step as given.
TEST_F(WallRecordsTest, placementBitsFollowTheTypeFlagsAndTheObliquePicture) {
    Type("torch").m_flags |= SMapObjectType::kProjects;
    EXPECT_EQ(SideRecord("torch", 1).m_position[3], PackPlacement(3, SizeOf(4), 5, 9) | 0x8000);

    SMapCell cell = SideCell("fountain", 2);
    cell.sides[2].wallType = &Type("torch");  // its ninth picture is the oblique one
    SSideOverlayRecord record;
    uint16_t light = kLight;
    Type("fountain").BuildSideRecord(nullptr, cell, 2, record, light);
    EXPECT_EQ(record.m_position[0], PackPlacementFlagged(0, SizeOf(4), true, 5, 7) | 0x8000);
    EXPECT_EQ(record.m_obliquePicture[0], Picture(8));
}

TEST_F(WallRecordsTest, aSideOutsideTheFourWritesNothing) {
    SMapCell cell = SideCell("torch", 0);
    for (const char* name : {"line", "torch", "fountain", "window", "citydoor"}) {
        for (int side : {-1, 4}) {
            SSideOverlayRecord record;
            uint16_t light = kLight;
            Type(name).BuildSideRecord(nullptr, cell, side, record, light);
            Type(name).BuildAnimatedSideRecord(nullptr, cell, side, record, light);
            EXPECT_TRUE(recordsEqual(record, SSideOverlayRecord{})) << name << " " << side;
        }
    }
}

// Kind, draw code and main picture of every centre class, with its object's state and the cell's
// extra byte.
TEST_F(WallRecordsTest, centreRecordsTakeTheirKindDrawCodeAndPictureFromTheClass) {
    struct Row {
        const char* label;
        const char* name;
        uint8_t flags;  // the object's; 0xFF for none
        uint8_t extra;
        uint16_t kind, drawCode;
        int picture;  // p-number; -1 for none
        bool centred;
    };
    constexpr uint8_t on = SPlacedObject::kVisible, off = SPlacedObject::kVisible | SPlacedObject::kClosed;
    const Row rows[] = {
        {"wall", "wall", 0xFF, 0, 2, 41, 5, false},
        {"rug", "rug", on, 0, 6, 38, 1, false},
        {"rugOff", "rug", off, 0, 6, 38, -1, false},
        {"rose", "rose", on, 0, 1, 18, 5, true},
        {"rosePicked", "rose", off, 0, 1, 18, 6, true},
        {"stoneUsed", "stone", off, 0, 1, 18, 5, true},
        {"tree", "tree", 0xFF, 0, 1, 40, 7, true},
        {"pillar", "pillar", on, 0, 4, 28, 9, false},
        {"web", "web", on, 0, 10, 52, 10, true},
        {"webTorn", "web", off, 0, 10, 52, 11, true},
        {"webAlongY", "web", on, 1, 266, 53, 10, true},
        {"force", "force", on, 0, 10, 50, 12, true},
        {"forceAlongY", "force", on, 3, 266, 51, 12, true},
        {"forceOff", "force", off, 1, 0, 0, -1, false},
    };
    for (const Row& row : rows) {
        SPlacedObject object;
        object.flags = row.flags;
        const SObjectTypeRecord record = CellRecord(row.name, row.flags == 0xFF ? nullptr : &object, row.extra);
        EXPECT_EQ(record.m_kind, row.kind) << row.label;
        EXPECT_EQ(record.m_drawCode, row.drawCode) << row.label;
        EXPECT_EQ(record.m_pictures[0], row.picture < 0 ? 0 : Picture(row.picture)) << row.label;
        EXPECT_EQ(record.m_palettes[0], row.picture < 0 ? 0 : centrePalette.slot) << row.label;
        EXPECT_EQ(record.m_x[0], row.centred ? 0x8000 : 0) << row.label;
        EXPECT_EQ(record.m_y[0], row.centred ? 0x8000 : 0) << row.label;
    }
}

TEST_F(WallRecordsTest, aWallCarriesTheCellsUpperPartOnTop) {
    SMapCell cell = CentreCell("wall");
    SObjectTypeRecord bare;
    uint16_t light = kLight;
    Type("wall").BuildCellRecord(nullptr, cell, bare, light);
    EXPECT_EQ(bare.m_pictures[1], 0);

    cell.upperType = &Type("ceiling");
    cell.upperPalette = &decorationPalette;
    SObjectTypeRecord record;
    Type("wall").BuildCellRecord(nullptr, cell, record, light);
    EXPECT_EQ(record.m_pictures[1], Picture(2));
    EXPECT_EQ(record.m_palettes[1], decorationPalette.slot);
}

// The second layer: a texture is a canopy of the floor and the centre texture, a footbridge an
// upper panel, a wall the floor, the centre and the upper part.
TEST_F(WallRecordsTest, secondLayerRecordsTakeTheCompanionCellsParts) {
    SMapCellShadow cell;
    cell.floorType = &Type("floor");
    cell.floorPalette = &wallPalette;
    cell.centreType = &Type("texture");
    cell.centrePalette = &centrePalette;
    cell.upperType = &Type("ceiling");
    cell.upperPalette = &decorationPalette;
    uint16_t light = kLight;

    SObjectTypeRecord canopy;
    Type("texture").BuildShadowCellRecord(nullptr, cell, canopy, light);
    EXPECT_EQ(canopy.m_kind, 11);
    EXPECT_EQ(std::vector<uint16_t>(canopy.m_pictures, canopy.m_pictures + 3),
              (std::vector<uint16_t>{Picture(1), Picture(3), 0}));
    EXPECT_EQ(std::vector<uint16_t>(canopy.m_palettes, canopy.m_palettes + 3),
              (std::vector<uint16_t>{wallPalette.slot, centrePalette.slot, 0}));

    cell.centreType = &Type("bridge");
    SObjectTypeRecord panel;
    Type("bridge").BuildShadowCellRecord(nullptr, cell, panel, light);
    EXPECT_EQ(panel.m_kind, 8);
    EXPECT_EQ(std::vector<uint16_t>(panel.m_pictures, panel.m_pictures + 2), (std::vector<uint16_t>{Picture(4), 0}));
    EXPECT_EQ(panel.m_palettes[0], centrePalette.slot);

    cell.centreType = &Type("wall");
    SObjectTypeRecord wall;
    Type("wall").BuildShadowCellRecord(nullptr, cell, wall, light);
    EXPECT_EQ(wall.m_kind, 2);
    EXPECT_EQ(std::vector<uint16_t>(wall.m_pictures, wall.m_pictures + 3),
              (std::vector<uint16_t>{Picture(1), Picture(5), Picture(2)}));
    EXPECT_EQ(std::vector<uint16_t>(wall.m_palettes, wall.m_palettes + 3),
              (std::vector<uint16_t>{wallPalette.slot, centrePalette.slot, decorationPalette.slot}));
    EXPECT_EQ(light, kLight);
}

TEST_F(WallRecordsTest, wallsBlockUnlessTheirObjectIsHidden) {
    SPlacedObject visible, hidden;
    hidden.flags = 0;
    EXPECT_TRUE(Type("wall").IsBlocking(nullptr));
    EXPECT_TRUE(Type("wall").IsBlocking(&visible));
    EXPECT_FALSE(Type("wall").IsBlocking(&hidden));
}

// A package whose map-object type names hold these names, its default floor the one of index
// `floorIndex`, with the fixture's types.
class WallDefaultUpperTest : public WallRecordsTest {
protected:
    const SModule* OpenWorld(std::vector<std::string> typeNames, uint16_t floorIndex) {
        TestWorldPackage package;
        package.identifier = "west";
        package.names[SNameIndex::MapObjectTypes] = std::move(typeNames);
        package.floorIndex = floorIndex;
        context.mapObjectTypes = &types;
        return OpenPackage(package, "West");
    }

    // The upper type a second-layer wall ends with, starting from `upper`; the record shows it.
    const SMapObjectType* UpperTaken(const SModule* world, SMapObjectType* upper = nullptr) {
        screen.world = world;
        SMapCellShadow cell;
        cell.centreType = &Type("wall");
        cell.upperType = upper;
        SObjectTypeRecord record;
        uint16_t light = kLight;
        Type("wall").BuildShadowCellRecord(nullptr, cell, record, light);
        EXPECT_EQ(record.m_pictures[2], cell.upperType ? cell.upperType->PictureId(0) : 0);
        return cell.upperType;
    }
};

// The world's eleventh type name where it has one, else its default floor; either is kept in the
// cell. An upper part the cell has stays.
TEST_F(WallDefaultUpperTest, aSecondLayerWallWithoutAnUpperPartTakesTheWorldsDefault) {
    std::vector<std::string> eleven = {"floor", "wall", "line", "torch", "rug",    "bush",
                                       "web",   "tree", "rose", "stone", "ceiling"};
    const SModule* world = OpenWorld(eleven, 1);
    ASSERT_NE(world, nullptr) << modules.Error().Message();
    EXPECT_EQ(UpperTaken(world), &Type("ceiling"));
    EXPECT_EQ(UpperTaken(world, &Type("texture")), &Type("texture"));

    eleven.pop_back();
    const SModule* shorter = OpenWorld(eleven, 1);
    ASSERT_NE(shorter, nullptr) << modules.Error().Message();
    EXPECT_EQ(UpperTaken(shorter), &Type("floor"));

    EXPECT_EQ(UpperTaken(nullptr), nullptr) << "no world, no default";
}

}  // namespace
