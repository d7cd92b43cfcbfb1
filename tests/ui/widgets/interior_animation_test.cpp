#include "ui/widgets/interior_animation.h"

#include <gtest/gtest.h>

#include "support/picture_record.h"
#include "support/table_fixture.h"

namespace interior_animation_test {

namespace {

// A smithy of a base picture and two frames, one of them naming a picture the package lacks,
// written with the interior table's own writer and read back from a package.
TEST_F(TablesTest, anInteriorRecordBecomesTheAnimationsFramesInLayerOrder) {
    SInteriorTable written;
    auto smithy = std::make_unique<SInterior>();
    smithy->m_name.Set("base_smithy");
    struct Layer {
        const char* picture;
        uint16_t x, y, duration;
    };
    for (Layer row : {Layer{"base_forge", 0, 0, 0}, Layer{"base_spark", 6, 4, 12}, Layer{"base_gone", 9, 1, 30}}) {
        auto layer = new SInteriorLayer;
        layer->picture.Assign(row.picture);
        layer->x = row.x;
        layer->y = row.y;
        layer->value = row.duration;
        smithy->m_layers.Append(layer);
    }
    written.Add(std::move(smithy));
    TestWorldPackage package;
    package.pictures = {{"base_forge", PictureRecord(0, 2, 1, {0, 0}, {0x1234})},
                        {"base_spark", PictureRecord(0, 1, 1, {0}, {0x4321})}};
    package.tables[SModuleTable::Interiors] = {TableRecord(written, package.version)};
    ASSERT_NE(OpenPackage(package), nullptr) << modules.Error().Message();
    const SInterior* interior = interiors.Find("base_smithy");
    ASSERT_NE(interior, nullptr);
    interior->LoadPictures(cache);

    const std::vector<SAnimFrame> frames = InteriorAnimation(*interior, cache);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].picture, cache.FindPicture("base_forge"));
    EXPECT_EQ(frames[1].picture, cache.FindPicture("base_spark"));
    EXPECT_EQ(frames[1].x, 6);
    EXPECT_EQ(frames[1].y, 4);
    EXPECT_EQ(frames[1].duration, 12);
    EXPECT_EQ(frames[2].picture, nullptr) << "a picture the package lacks draws nothing";
    EXPECT_EQ(frames[2].duration, 30);

    interior->ReleasePictures(cache);
    EXPECT_EQ(InteriorAnimation(*interior, cache)[0].picture, nullptr) << "an unloaded picture is not drawn";
}

}  // namespace

}  // namespace interior_animation_test
