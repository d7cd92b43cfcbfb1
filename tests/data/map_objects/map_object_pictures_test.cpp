#include <gtest/gtest.h>

#include <string>

#include "data/map_objects/map_object_fixture.h"
#include "support/picture_record.h"

namespace {

// Pictures a to j, each 2 x 1 (a and b wider, so that sizes tell them apart).
std::vector<SNamedResource> letterPictures() {
    std::vector<SNamedResource> pictures;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}) {
        const int width = name[0] == 'a' ? 400 : name[0] == 'b' ? 120 : 2;
        const int height = name[0] == 'b' ? 120 : 1;
        pictures.push_back({name, PictureRecord(0, width, height, std::vector<uint32_t>(width * height, 0), {0x1234})});
    }
    return pictures;
}

class MapObjectPicturesTest : public MapObjectPackageTest {
protected:
    // The picture slots of the names; 0 for null and for names the cache lacks.
    std::vector<uint16_t> slotsOf(std::initializer_list<const char*> pictures) const {
        std::vector<uint16_t> slots;
        for (const char* name : pictures) {
            const SPictureEntry* entry = name ? cache.FindPicture(name) : nullptr;
            slots.push_back(entry ? uint16_t(entry->slot) : 0);
        }
        return slots;
    }
};

// Frame counts and the animated flag follow the type code; names the cache lacks keep their place
// as slot 0.
TEST_F(MapObjectPicturesTest, eachCodeCountsItsFramesAndSaysWhetherItAnimates) {
    struct Row {
        const char* name;
        int code;
        std::initializer_list<const char*> pictures;
        const char* linked;
        int frames, frames2;
        bool animated;
    };
    const Row rows[] = {
        {"texture", 1, {"a", "b", "c"}, nullptr, 3, 0, false},
        {"ground", 3, {"a", "b"}, nullptr, 2, 0, true},
        {"floordecor", 4, {"a"}, nullptr, 1, 0, true},
        {"plaindecor", 4, {}, nullptr, 0, 0, false},
        // ids 1..7 run b, c, then a name the cache lacks; ids 9 and 10 end the list.
        {"walldecor", 9, {"a", "b", "c", "gone", "d", "e", "f", "g", "h", "i", "j"}, nullptr, 2, 2, true},
        {"stilldecor", 40, {"a"}, nullptr, 0, 0, false},
        {"window", 10, {"a", "b", "c", "d", "e", "f", "g", "h"}, nullptr, 3, 3, true},
        {"halfwindow", 10, {"a", "b", "c", nullptr, "e"}, nullptr, 1, 0, true},
        {"teleport", 25, {"a", "b", "c"}, nullptr, 2, 0, true},
        {"oneteleport", 25, {"a"}, nullptr, 0, 0, true},
        // No picture, no frames: not 255 frames of a list that has none.
        {"bareteleport", 25, {}, nullptr, 0, 0, true},
        {"fireblock", 7, {"a"}, "texture", 0, 0, true},
        {"block", 8, {"a"}, nullptr, 0, 0, false},
        {"door", 20, {"a", "b", "c"}, nullptr, 0, 0, true},
        {"force", 37, {"a", "b"}, nullptr, 2, 0, true},
        {"trap", 42, {"a"}, nullptr, 0, 0, true},
        {"sound", 43, {"a"}, nullptr, 0, 0, false},
        {"flower", 13, {"a", "b"}, nullptr, 0, 0, false},
    };
    SMapObjectTypeTable written;
    for (const Row& row : rows) {
        auto type = MakeMapObject(written, row.code, row.name, row.pictures);
        type->m_linkedType = row.linked;
        written.Add(std::move(type));
    }
    ASSERT_TRUE(OpenWithTypes(written, letterPictures())) << modules.Error().Message();
    for (const Row& row : rows) {
        const SMapObjectType* type = types.Find(row.name);
        ASSERT_NE(type, nullptr) << row.name;
        EXPECT_EQ(type->PictureIds(), slotsOf(row.pictures)) << row.name;
        EXPECT_EQ(type->Frames(), row.frames) << row.name;
        EXPECT_EQ(type->Frames2(), row.frames2) << row.name;
        EXPECT_EQ(type->IsAnimated(), row.animated) << row.name;
    }
    EXPECT_NE(types.Find("walldecor")->PictureId(10), 0);
    EXPECT_EQ(types.Find("walldecor")->PictureId(11), 0) << "past the list";
    EXPECT_EQ(types.Find("walldecor")->PictureId(-1), 0);
}

// A door's third picture is marked 20 and a city door's second 2; the others get the low byte of
// the type's third place value. A name the cache lacks marks nothing.
TEST_F(MapObjectPicturesTest, resolvingMarksThePicturesSlots) {
    SMapObjectTypeTable written;
    auto door = MakeMapObject(written, 20, "door", {"a", "gone", "b"});
    door->m_place[2] = 0x0105;
    written.Add(std::move(door));
    auto cityDoor = MakeMapObject(written, 11, "citydoor", {"c", "d"});
    cityDoor->m_place[2] = 7;
    written.Add(std::move(cityDoor));
    auto lever = MakeMapObject(written, 16, "lever", {"e", "f", "g"});
    lever->m_place[2] = 9;
    written.Add(std::move(lever));
    ASSERT_TRUE(OpenWithTypes(written, letterPictures())) << modules.Error().Message();
    const std::vector<uint8_t>& marks = cache.SlotFlags();
    struct Row {
        const char* picture;
        int mark;
    };
    for (Row row :
         {Row{"a", 5}, Row{"b", 20}, Row{"c", 7}, Row{"d", 2}, Row{"e", 9}, Row{"f", 9}, Row{"g", 9}, Row{"h", 0}})
        EXPECT_EQ(marks[SlotOf(row.picture)], row.mark) << row.picture;
    EXPECT_EQ(types.Find("door")->PictureIds(), slotsOf({"a", nullptr, "b"}));
}

// Slots the marks cannot hold are left alone rather than written past the table.
TEST_F(MapObjectPicturesTest, marksOutsideTheTableAreSkipped) {
    SMapObjectTypeTable written;
    written.Add(MakeMapObject(written, 1, "texture", {"a", "j"}));
    ASSERT_TRUE(OpenWithTypes(written, letterPictures())) << modules.Error().Message();
    std::vector<uint8_t> shortMarks(SlotOf("j"), 0);
    types.ResolvePictures(shortMarks);
    EXPECT_EQ(types.Find("texture")->PictureIds(), slotsOf({"a", "j"}));
}

TEST_F(MapObjectPicturesTest, aTypeLoadsItsLinkedTypesPicturesAndReleasesOnlyItsOwn) {
    SMapObjectTypeTable written;
    auto door = MakeMapObject(written, 20, "door", {"a", "gone", nullptr});
    door->m_linkedType = "fire";
    door->m_paletteNames.Append("bres_pal");
    written.Add(std::move(door));
    // The chain comes back to the door: loading must end all the same.
    auto fire = MakeMapObject(written, 34, "fire", {"b", "c"});
    fire->m_linkedType = "door";
    written.Add(std::move(fire));
    ASSERT_TRUE(OpenWithTypes(written, letterPictures(), {{"bres_pal", std::vector<uint8_t>(8, 1)}}))
        << modules.Error().Message();
    SMapObjectType& doorType = *types.Find("door");
    const SPaletteEntry& palette = *cache.FindPalette("bres_pal");

    EXPECT_FALSE(doorType.LoadPictures()) << "\"gone\" is no picture of the package";
    EXPECT_TRUE(doorType.IsLoaded());
    for (const char* name : {"a", "b", "c"}) EXPECT_NE(cache.FindPicture(name)->data, nullptr) << name;
    EXPECT_EQ(cache.FindPicture("d")->data, nullptr);
    EXPECT_EQ(palette.holders, 1u);
    EXPECT_FALSE(types.Find("fire")->IsLoaded()) << "its pictures came with the door";
    EXPECT_TRUE(doorType.LoadPictures()) << "loaded already";
    EXPECT_EQ(palette.holders, 1u) << "the palette is acquired once per load";

    doorType.ReleasePictures();
    EXPECT_FALSE(doorType.IsLoaded());
    EXPECT_EQ(cache.FindPicture("a")->data, nullptr);
    EXPECT_NE(cache.FindPicture("b")->data, nullptr) << "the linked type's pictures are its own to release";
    EXPECT_EQ(palette.holders, 0u);
    EXPECT_EQ(palette.data, nullptr);
    doorType.ReleasePictures();
    EXPECT_EQ(palette.holders, 0u);
}

// The fire animations stay loaded; the view marks the other types it needs itself.
TEST_F(MapObjectPicturesTest, onlyMarkedTypesLoadAndOnlyUnmarkedOnesAreReleased) {
    SMapObjectTypeTable written;
    written.Add(MakeMapObject(written, 5, "bres_animfire", {"a"}));
    written.Add(MakeMapObject(written, 34, "base_torch", {"b"}));
    written.Add(MakeMapObject(written, 5, "base_wall", {"c"}));
    written.Add(MakeMapObject(written, 5, "base_shown", {"d"}));
    ASSERT_TRUE(OpenWithTypes(written, letterPictures())) << modules.Error().Message();
    types.Find("base_wall")->SetKeepLoaded(true);
    ASSERT_TRUE(types.Find("base_shown")->LoadPictures());

    types.MarkKeepLoaded();
    EXPECT_TRUE(types.Find("bres_animfire")->KeepLoaded());
    EXPECT_TRUE(types.Find("base_torch")->KeepLoaded());
    EXPECT_FALSE(types.Find("base_wall")->KeepLoaded()) << "cleared for the view to set again";
    types.Find("base_wall")->SetKeepLoaded(true);

    EXPECT_TRUE(types.LoadMarkedPictures());
    types.ReleaseUnmarkedPictures();
    for (const char* name : {"bres_animfire", "base_torch", "base_wall"})
        EXPECT_TRUE(types.Find(name)->IsLoaded()) << name;
    EXPECT_FALSE(types.Find("base_shown")->IsLoaded());
    EXPECT_EQ(cache.FindPicture("d")->data, nullptr);
    EXPECT_NE(cache.FindPicture("c")->data, nullptr);
}

// The packers take the size of the picture in the slot, once it is loaded, and pack the face the
// cell in front sees the wall's side on.
TEST_F(MapObjectPicturesTest, placementUsesTheLoadedSizeOfThePicture) {
    SMapObjectTypeTable written;
    written.Add(MakeMapObject(written, 9, "decor", {"a", "b"}));
    ASSERT_TRUE(OpenWithTypes(written, letterPictures())) << modules.Error().Message();
    const SMapObjectType& decor = *types.Find("decor");
    const uint16_t b = decor.PictureId(1);
    EXPECT_EQ(decor.PlaceOnWall(2, b, 8, 10), PackPlacement(0, {}, 8, 10)) << "not loaded: 0 by 0";
    ASSERT_TRUE(cache.LoadPicture("b"));
    EXPECT_EQ(decor.PlaceOnWall(2, b, 8, 10), PackPlacement(0, {120, 120}, 8, 10));
    EXPECT_EQ(decor.PlaceOnWallFlagged(0, b, false, 8, 20), PackPlacementFlagged(2, {120, 120}, false, 8, 20));
    EXPECT_EQ(decor.PlaceOnWall(2, 60000, 8, 10), PackPlacement(0, {}, 8, 10)) << "a slot past the tables";
}

}  // namespace
