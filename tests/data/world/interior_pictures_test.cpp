#include <gtest/gtest.h>

#include "support/picture_record.h"
#include "support/table_fixture.h"

namespace interior_pictures_test {

namespace {

TEST_F(TablesTest, anInteriorLoadsAndReleasesTheLayerPicturesTheCacheHas) {
    SInteriorTable written;
    auto smithy = std::make_unique<SInterior>();
    smithy->m_name.Set("base_smithy");
    for (const char* picture : {"base_forge", "base_anvil", "base_gone"}) {
        auto layer = new SInteriorLayer;
        layer->picture.Assign(picture);
        smithy->m_layers.Append(layer);
    }
    written.Add(std::move(smithy));
    TestWorldPackage package;
    package.pictures = {{"base_forge", PictureRecord(0, 2, 1, {0, 0}, {0x1234})},
                        {"base_anvil", PictureRecord(0, 1, 1, {0}, {0x4321})}};
    package.tables[SModuleTable::Interiors] = {TableRecord(written, package.version)};
    ASSERT_NE(OpenPackage(package), nullptr) << modules.Error().Message();
    const SInterior* interior = interiors.Find("base_smithy");
    ASSERT_NE(interior, nullptr);

    // The missing picture is reported, and the others load all the same.
    EXPECT_FALSE(interior->LoadPictures(cache));
    for (const char* name : {"base_forge", "base_anvil"}) EXPECT_NE(cache.FindPicture(name)->data, nullptr) << name;
    const uint32_t loaded = cache.LoadedBytes();
    EXPECT_GT(loaded, 0u);
    // Pictures already loaded are not loaded again.
    interior->LoadPictures(cache);
    EXPECT_EQ(cache.LoadedBytes(), loaded);

    interior->ReleasePictures(cache);
    for (const char* name : {"base_forge", "base_anvil"}) EXPECT_EQ(cache.FindPicture(name)->data, nullptr) << name;
    EXPECT_EQ(cache.LoadedBytes(), 0u);
}

}  // namespace

}  // namespace interior_pictures_test
