#pragma once
// Map-object types of every class, read from a package whose pictures each have a size of their own,
// played on the recording screen. Palettes are entries of the tests' own, told apart by their slots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/map_objects/map_object_fixture.h"
#include "data/map_objects/placement.h"
#include "data/map_objects/recording_items.h"
#include "data/map_objects/recording_map_object_screen.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "engine/packages/resource_cache.h"
#include "support/picture_record.h"

class MapObjectPlayTest : public MapObjectPackageTest {
protected:
    static constexpr int kPictureCount = 16;

    void SetUp() override {
        SMapObjectTypeTable written;
        auto add = [&written](int code, const char* name, std::initializer_list<const char*> pictures) {
            written.Add(MakeMapObject(written, code, name, pictures));
        };
        add(1, "floor", {"p1"});
        add(1, "ceiling", {"p2"});
        add(1, "texture", {"p3"});
        add(24, "bridge", {"p4"});
        add(5, "wall", {"p5"});
        add(6, "line", {"p6"});
        // Still p4, frames p5 to p7, oblique p8, its frames p9 and p10.
        add(9, "torch", {"p4", "p5", "p6", "p7", nullptr, nullptr, nullptr, nullptr, "p8", "p9", "p10"});
        add(40, "fountain", {"p4", "p5", "p6"});
        // Dark window p11 with oblique p12; lit p13 and p14, their obliques p15 and p1.
        add(10, "window", {"p11", "p12", "p13", "p14", nullptr, "p15", "p1"});
        add(11, "citydoor", {"p3", "p2"});
        add(4, "rug", {"p1", "p2", "p3"});
        add(4, "stillrug", {"p1"});
        add(13, "rose", {"p5", "p6"});
        add(13, "stone", {"p5"});
        add(26, "tree", {"p7"});
        add(38, "bush", {"p8"});
        add(29, "pillar", {"p9"});
        add(35, "web", {"p10", "p11"});
        add(37, "force", {"p12", "p13", "p14"});
        add(37, "bareforce", {});
        // Frame p1, leaf from the side p2, seen from within p3; leaves p4 (seen across) and p5.
        add(20, "door", {"p1", "p2", "p3"});
        add(22, "doubledoor", {"p1", "p2", "p3"});
        add(1, "leaf", {"p4", "p5"});
        add(30, "fire", {"p7", "p8", "p9"});
        add(16, "lever", {"p1", "p2", "p3", "p4"});
        add(28, "secretswitch", {"p5", "p6", "p7"});
        add(31, "floorswitch", {"p8", "p9"});
        // Still p1, frames p2 to p4.
        add(25, "teleport", {"p1", "p2", "p3", "p4"});
        add(25, "bareteleport", {});
        add(33, "stair", {"p1", "p2", "p3"});
        add(15, "hole", {"p1", "p2"});
        add(42, "trap", {"p1", "p2"});
        add(7, "block", {"p1"});
        add(41, "blockanim", {"p2", "p3", "p4"});
        add(27, "group", {"p1"});
        add(14, "chest", {"p1"});
        add(17, "shelf", {"p2", "p3"});
        add(18, "sign", {"p4"});
        add(12, "npc", {"p5"});
        add(19, "table", {"p6"});
        add(32, "stand", {"p7", "p8"});
        ASSERT_TRUE(OpenWithTypes(written, sizedPictures())) << modules.Error().Message();
        types.SetScreen(&screen);
        types.SetItems(&items);
        wallPalette.slot = 21;
        decorationPalette.slot = 22;
        centrePalette.slot = 23;
    }

    SMapObjectType& Type(const char* name) {
        SMapObjectType* type = types.Find(name);
        EXPECT_NE(type, nullptr) << name;
        return *type;
    }
    uint16_t Picture(int k) const { return SlotOf(("p" + std::to_string(k)).c_str()); }
    SPictureSize SizeOf(int k) const {
        const uint16_t slot = Picture(k);
        return {cache.SlotWidths()[slot], cache.SlotHeights()[slot]};
    }

    // A cell whose centre is the type, with the centre palette.
    SMapCell CentreCell(const char* type) {
        SMapCell cell;
        cell.centreType = &Type(type);
        cell.centrePalette = &centrePalette;
        return cell;
    }
    // A wall cell whose side `side` holds the type with the wall palette, and the line as decoration.
    SMapCell SideCell(const char* type, int side) {
        SMapCell cell = CentreCell("wall");
        cell.sides[side].wallType = &Type(type);
        cell.sides[side].wallPalette = &wallPalette;
        cell.sides[side].decorationType = &Type("line");
        cell.sides[side].decorationPalette = &decorationPalette;
        return cell;
    }

    RecordingMapObjectScreen screen;
    RecordingItems items;
    SPaletteEntry wallPalette;
    SPaletteEntry decorationPalette;
    SPaletteEntry centrePalette;

private:
    // p0 to p15, 20 + 8k by 10 + 6k.
    static std::vector<SNamedResource> sizedPictures() {
        static const char* const names[kPictureCount] = {"p0", "p1", "p2",  "p3",  "p4",  "p5",  "p6",  "p7",
                                                         "p8", "p9", "p10", "p11", "p12", "p13", "p14", "p15"};
        std::vector<SNamedResource> pictures;
        for (int k = 0; k < kPictureCount; ++k) {
            const int width = 20 + 8 * k, height = 10 + 6 * k;
            pictures.push_back(
                {names[k], PictureRecord(0, width, height, std::vector<uint32_t>(width * height, 0), {0x1234})});
        }
        return pictures;
    }
};
