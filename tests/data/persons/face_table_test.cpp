// Faces read from a package, found by name, and their pictures loaded with the table unless they
// are the player's portraits.
#include "data/persons/face_table.h"

#include <gtest/gtest.h>

#include "support/module_fixture.h"
#include "support/named_record.h"
#include "support/picture_record.h"

namespace face_table_test {

namespace {

class FaceTableTest : public ModuleTest {
protected:
    FaceTableTest() {
        faces.Attach(&cache);
        context.tables[int(SModuleTable::Faces)] = [this](SRecordCursor& cursor) { return faces.Load(cursor); };
    }

    // A package with the faces "bres_elder", the player's "bres_hero" and "bres_ghost", whose
    // picture the package lacks.
    bool openFaces(int version) {
        SFaceTable written;
        for (auto [name, player] :
             {std::pair{"bres_elder", 0}, std::pair{"bres_hero", 1}, std::pair{"bres_ghost", 0}}) {
            auto face = NamedRecord<SFaceType>(name);
            face->playerPortrait = uint8_t(player);
            written.Add(std::move(face));
        }
        TestWorldPackage package;
        package.version = version;
        package.pictures = {{"bres_elder", PictureRecord(0, 2, 2, {0, 0, 0, 0}, {0x1234})},
                            {"bres_hero", PictureRecord(0, 2, 2, {0, 0, 0, 0}, {0x4321})}};
        package.tables[SModuleTable::Faces] = {TableRecord(written, version)};
        return OpenPackage(package) != nullptr;
    }

    bool loaded(const char* name) const {
        const SPictureEntry* entry = cache.FindPicture(name);
        return entry && entry->data;
    }

    SFaceTable faces;
};

TEST_F(FaceTableTest, thePlayersPortraitsWaitUntilTheyAreShown) {
    ASSERT_TRUE(openFaces(114)) << modules.Error().Message();
    ASSERT_EQ(faces.Count(), 3);
    faces.LoadPictures();
    EXPECT_TRUE(loaded("bres_elder"));
    EXPECT_FALSE(loaded("bres_hero"));
    const SFaceType* hero = faces.Find("bres_hero");
    ASSERT_NE(hero, nullptr);
    EXPECT_TRUE(faces.LoadPicture(*hero));
    EXPECT_TRUE(loaded("bres_hero"));
    EXPECT_FALSE(faces.LoadPicture(*faces.Find("bres_ghost"))) << "no picture of that name";
}

TEST_F(FaceTableTest, theFlagCameAfterVersion10AndAFaceIsFoundByItsPictureName) {
    ASSERT_TRUE(openFaces(10)) << modules.Error().Message();
    EXPECT_EQ(faces.Find("bres_hero")->playerPortrait, 0) << "before the flag every face loads with the table";
    EXPECT_STREQ(faces.PictureName("bres_elder"), "bres_elder");
    EXPECT_EQ(faces.PictureName("bres_nobody"), nullptr);
    EXPECT_EQ(faces.PictureName(nullptr), nullptr);
    faces.Clear();
    EXPECT_EQ(faces.Count(), 0);
}

}  // namespace

}  // namespace face_table_test
