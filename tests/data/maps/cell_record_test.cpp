#include "data/maps/cell_record.h"

#include <gtest/gtest.h>

#include "data/maps/map_cell.h"
#include "support/record_bytes.h"

namespace cell_record_test {

namespace {

// Every field set to a value of its own: the main cell's in 0x11 .. 0xA3, the companion's 0x100 more.
SCellRecord fullCell(uint16_t flags, uint16_t companionFlags) {
    SCellRecord cell;
    cell.flags = flags;
    cell.floorType = 0x11, cell.floorPalette = 0x12, cell.floorOverlay = 0x13;
    cell.ceilingType = 0x21, cell.ceilingPalette = 0x22, cell.ceilingOverlay = 0x23;
    cell.centreType = 0x31, cell.centrePalette = 0x32, cell.centreId = 0x33, cell.centreExtra = 0x34;
    cell.upperType = 0x41, cell.upperPalette = 0x42;
    SCompanionRecord& companion = cell.companion;
    companion.flags = companionFlags;
    companion.floorType = 0x111, companion.floorPalette = 0x112;
    companion.centreType = 0x131, companion.centrePalette = 0x132, companion.centreId = 0x35;
    companion.upperType = 0x141, companion.upperPalette = 0x142;
    for (int s = 0; s < 4; ++s) {
        cell.sides[s] = {uint16_t(0x60 + s), uint16_t(0x70 + s), uint8_t(0x80 + s), uint16_t(0x90 + s),
                         uint16_t(0xA0 + s)};
        companion.sides[s] = {uint16_t(0x160 + s), uint16_t(0x170 + s), uint8_t(0xC0 + s), uint16_t(0x190 + s),
                              uint16_t(0x1A0 + s)};
    }
    return cell;
}

TEST(CellRecordTest, theRecordKeepsItsLayout) {
    struct Case {
        const char* name;
        uint16_t flags, companionFlags;
        int version;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", 0x0000, 0, 34, {0, 0}},
        {"floorWithPalette", 0x1001, 0, 34, {0x01, 0x10, 0x11, 0, 0x12, 0, 0x13, 0}},
        {"floorWithoutPalette", 0x0001, 0, 34, {0x01, 0, 0x11, 0, 0x13, 0}},
        // Before version 34 every floor, ceiling and centre has its palette.
        {"floorBeforePaletteFlags", 0x0001, 0, 33, {0x01, 0, 0x11, 0, 0x12, 0, 0x13, 0}},
        {"ceilingWithPalette", 0x2002, 0, 34, {0x02, 0x20, 0x21, 0, 0x22, 0, 0x23, 0}},
        {"centreWithExtra", 0x4004, 0, 43, {0x04, 0x40, 0x31, 0, 0x32, 0, 0x33, 0x34}},
        {"centreBeforeTheExtra", 0x4004, 0, 42, {0x04, 0x40, 0x31, 0, 0x32, 0, 0x33, 0}},
        {"centreWithoutPalette", 0x0004, 0, 43, {0x04, 0, 0x31, 0, 0x33, 0x34}},
        {"upper", 0x0008, 0, 34, {0x08, 0, 0x41, 0, 0x42, 0}},
        // Each side's object id ends on an odd byte; the next side's type is aligned again.
        {"wallEastDecorationSouth", 0x0420, 0, 34, {0x20, 0x04, 0x61, 0, 0x71, 0, 0x81, 0, 0x92, 0, 0xA2, 0}},
        {"wallsNorthAndWest", 0x0090, 0, 34, {0x90, 0, 0x60, 0, 0x70, 0, 0x80, 0, 0x63, 0, 0x73, 0, 0x83, 0}},
        // The companion has its own flags; with its 0x8000 its upper part has a palette.
        {"companionOfAFloor",
         0x8001,
         0x8009,
         34,
         {0x01, 0x80, 0x11, 0, 0x13, 0, 0x09, 0x80, 0x11, 0x01, 0x41, 0x01, 0x42, 0x01}},
        {"companionCentreAndWall",
         0x8000,
         0x4014,
         34,
         {0x00, 0x80, 0x14, 0x40, 0x31, 0x01, 0x32, 0x01, 0x35, 0, 0x60, 0x01, 0x70, 0x01, 0xC0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SCellRecord cell = fullCell(c.flags, c.companionFlags);
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { cell.Serialize(a, c.version); }), c.bytes);
    }
}

// Every combination of the flags, at the versions where the layout changes: each record reads back
// to the bytes it was written from, and the gated parts come back exactly when they were written.
TEST(CellRecordTest, everyFlagCombinationReadsBackAtEveryLayoutVersion) {
    for (int version : {33, 34, 43}) {
        for (uint32_t flags = 0; flags <= 0xFFFF; ++flags) {
            const SCellRecord written = fullCell(uint16_t(flags), uint16_t(flags));
            SCellRecord copy = written;
            const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { copy.Serialize(a, version); });
            SCellRecord read;
            ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, version); }), int(bytes.size()))
                << version << " " << flags;
            ASSERT_EQ(WrittenBytes([&](SArchive& a) { read.Serialize(a, version); }), bytes) << version << " " << flags;
            const bool palettes = version < 34;
            const auto kept = [&](bool present, uint16_t value) { return present ? value : uint16_t(0); };
            ASSERT_EQ(read.floorPalette, kept((flags & 1) && ((flags & 0x1000) || palettes), 0x12));
            ASSERT_EQ(read.ceilingPalette, kept((flags & 2) && ((flags & 0x2000) || palettes), 0x22));
            ASSERT_EQ(read.centrePalette, kept((flags & 4) && ((flags & 0x4000) || palettes), 0x32));
            ASSERT_EQ(read.centreExtra, kept((flags & 4) && version >= 43, 0x34));
            ASSERT_EQ(read.sides[3].decorationType, kept(flags & 0x0800, 0x93));
            ASSERT_EQ(read.companion.upperPalette, kept((flags & 0x8008) == 0x8008, 0x142));
            ASSERT_EQ(read.companion.sides[2].objectId, kept((flags & 0x8040) == 0x8040, 0xC2));
        }
    }
}

TEST(CellRecordTest, indexesResolveThroughTheNameIndexesAndOneTooFarIsRefused) {
    alignas(8) static unsigned char things[8];
    auto* wall = reinterpret_cast<SMapObjectType*>(&things[0]);
    auto* grass = reinterpret_cast<SMapObjectType*>(&things[1]);
    auto* dusk = reinterpret_cast<SPaletteEntry*>(&things[2]);
    const std::vector<SMapObjectType*> types{nullptr, wall, grass, nullptr};
    const std::vector<SPaletteEntry*> palettes{nullptr, dusk};
    const SCellIndexes indexes{types, palettes};

    SCellRecord record;
    record.flags = SCellRecord::kFloor | SCellRecord::kCompanion;
    record.floorType = 2;
    record.floorPalette = 1;
    record.sides[1].wallType = 1;
    record.sides[1].objectId = 9;
    record.companion.centreType = 3;  // a name no type has
    record.companion.sides[0].decorationType = 1;
    SMapCell cell;
    SMapCellShadow shadow;
    std::string fault;
    ASSERT_TRUE(indexes.Resolve(record, cell, shadow, fault)) << fault;
    EXPECT_EQ(cell.floorType, grass);
    EXPECT_EQ(cell.floorPalette, dusk);
    EXPECT_EQ(cell.ceilingType, nullptr);
    EXPECT_EQ(cell.sides[1].wallType, wall);
    EXPECT_EQ(cell.sides[1].objectId, 9);
    EXPECT_EQ(shadow.centreType, nullptr);
    EXPECT_EQ(shadow.sides[0].decorationType, wall);

    record.companion.upperPalette = 2;
    EXPECT_FALSE(indexes.Resolve(record, cell, shadow, fault));
    EXPECT_EQ(fault, "a cell names palette name 2 of 1");
    EXPECT_EQ(cell.floorType, nullptr);
    EXPECT_EQ(shadow.sides[0].decorationType, nullptr);
}

}  // namespace

}  // namespace cell_record_test
