#include "screens/play/type_pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/map_objects/map_object_fixture.h"
#include "data/monsters/monster_table.h"
#include "support/monster_records.h"
#include "support/picture_record.h"

namespace type_pictures_test {

namespace {

// Pictures a to g, each of its own size, so that the cache's byte count tells which are loaded.
std::vector<SNamedResource> letterPictures() {
    std::vector<SNamedResource> pictures;
    int width = 1;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"}) {
        pictures.push_back({name, PictureRecord(0, width, 1, std::vector<uint32_t>(size_t(width), 0), {0x1234})});
        width *= 2;
    }
    return pictures;
}

// A world of map-object types and monster types with the pictures they name:
//   used a b, unused c, sharing a (with "used"), fire d (a fire animation),
//   monster types orc e f and rat g.
class TypePicturesTest : public MapObjectPackageTest {
protected:
    void SetUp() override {
        SMapObjectTypeTable written;
        written.Add(MakeMapObject(written, 1, "used", {"a", "b"}));
        written.Add(MakeMapObject(written, 1, "unused", {"c"}));
        written.Add(MakeMapObject(written, 1, "sharing", {"a"}));
        written.Add(MakeMapObject(written, 34, "fire", {"d"}));
        ASSERT_TRUE(OpenWithTypes(written, letterPictures())) << modules.Error().Message();
        monsters.Add(MakeBaseType("orc", 1, {"e", "f"}));
        monsters.Add(MakeBaseType("rat", 1, {"g"}));
    }

    SMapObjectType& type(const char* name) { return *types.Find(name); }
    SMonsterBaseType& monster(const char* name) { return *monsters.FindBaseType(name); }
    // The letters of the pictures the cache holds now.
    std::string loadedPictures() const {
        std::string loaded;
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g"})
            if (cache.FindPicture(name)->data != nullptr) loaded += name;
        return loaded;
    }
    uint32_t bytesOf(const std::string& letters) const {
        uint32_t bytes = 0;
        for (char letter : letters) bytes += cache.FindPicture(std::string(1, letter).c_str())->size;
        return bytes;
    }

    SMonsterTable monsters;
};

// Entering a map: the types the grid shows and the fire animations load, the types of the map
// before that nobody shows any more free their pictures, and a picture a freed type shared with a
// type still in use stays.
TEST_F(TypePicturesTest, exactlyTheTypesInUseKeepTheirPictures) {
    ASSERT_TRUE(type("unused").LoadPictures());
    ASSERT_TRUE(type("sharing").LoadPictures());
    ASSERT_TRUE(type("used").LoadPictures());
    ASSERT_TRUE(monster("rat").LoadPictures(cache));
    ASSERT_EQ(loadedPictures(), "abcg");

    ResetTypeMarks(types, monsters);
    type("used").SetKeepLoaded(true);
    auto orcish = MakeMonster("orcish", &monster("orc"));
    MarkMonsterTypeInUse(*orcish);
    EXPECT_TRUE(LoadMarkedTypes(types, monsters, cache));

    EXPECT_EQ(loadedPictures(), "abdef");
    EXPECT_EQ(cache.LoadedBytes(), bytesOf("abdef"));
    struct Row {
        const char* name;
        bool loaded;
    };
    for (Row row : {Row{"used", true}, Row{"unused", false}, Row{"sharing", false}, Row{"fire", true}})
        EXPECT_EQ(type(row.name).IsLoaded(), row.loaded) << row.name;
    EXPECT_TRUE(monster("orc").IsLoaded());
    EXPECT_FALSE(monster("rat").IsLoaded());

    // A map that shows nothing: only the fire animation keeps its pictures.
    ResetTypeMarks(types, monsters);
    EXPECT_TRUE(LoadMarkedTypes(types, monsters, cache));
    EXPECT_EQ(loadedPictures(), "d");
    EXPECT_EQ(cache.LoadedBytes(), bytesOf("d"));
    EXPECT_FALSE(monster("orc").IsLoaded());
    EXPECT_FALSE(type("used").IsLoaded());
}

// A picture the package lacks is reported; the type's other pictures load all the same.
TEST_F(TypePicturesTest, aMissingPictureIsReportedAndTheOthersLoad) {
    monsters.Add(MakeBaseType("ghost", 1, {"e", "gone"}));
    ResetTypeMarks(types, monsters);
    auto ghostly = MakeMonster("ghostly", &monster("ghost"));
    MarkMonsterTypeInUse(*ghostly);
    EXPECT_FALSE(LoadMarkedTypes(types, monsters, cache));
    EXPECT_EQ(loadedPictures(), "de");
}

}  // namespace

}  // namespace type_pictures_test
