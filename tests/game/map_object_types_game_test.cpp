#include <gtest/gtest.h>

#include "game/game_data.h"
#include "support/picture_record.h"
#include "support/step_counter.h"
#include "support/temp_folder.h"
#include "support/world_package.h"

namespace map_object_types_game_test {

namespace {

class GameMapObjectTypesTest : public TempFolderTest {
protected:
    GameMapObjectTypesTest() {
        game.m_cache.Init();
        game.m_mapObjectTypes.Attach(&game.m_cache);
        game.m_moduleContext.folder = &folder;
        game.m_moduleContext.cache = &game.m_cache;
    }

    // A world whose map data names its types: "base_grass" and a name no type has.
    TestWorldPackage world() {
        TestWorldPackage package;
        SMapObjectTypeTable written;
        for (const char* name : {"base_water", "base_grass"}) {
            auto type = written.CreateType(1);
            type->m_name.Set(name);
            type->m_pictureNames.Append("bres_grass");
            written.Add(std::move(type));
        }
        package.pictures = {{"bres_grass", PictureRecord(0, 2, 1, {0, 0}, {0x07E0})}};
        package.tables[SModuleTable::MapObjectTypes] = {TableRecord(written, package.version)};
        package.names[SNameIndex::MapObjectTypes] = {"base_grass", "base_nothing"};
        return package;
    }

    SFileFolder folder{Folder()};
    SGameData game;
};

TEST_F(GameMapObjectTypesTest, aWorldsTypesAnswerItsNamesAndItsDefaultFloor) {
    ASSERT_TRUE(world().Write(folder, "Brimvale"));
    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
    const SModule& module = *game.m_packages.Current();
    SMapObjectType* grass = game.m_mapObjectTypes.Find("base_grass");
    ASSERT_NE(grass, nullptr);
    EXPECT_EQ(module.MapObjectTypeIndex(), (std::vector<SMapObjectType*>{nullptr, grass, nullptr}));
    // The maps record names no floor, so the package's floor is the world's water.
    EXPECT_EQ(module.DefaultFloorType(), game.m_mapObjectTypes.Find("base_water"));
    EXPECT_NE(module.DefaultFloorType(), nullptr);
}

TEST_F(GameMapObjectTypesTest, buildingTheTablesResolvesThePicturesAndClearingEmptiesTheTable) {
    ASSERT_TRUE(world().Write(folder, "Brimvale"));
    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
    StepCounter loading;
    loading.Start(5);
    game.BuildTables(&loading);
    EXPECT_EQ(loading.Current(), 5u);
    const SMapObjectType& grass = *game.m_mapObjectTypes.Find("base_grass");
    EXPECT_EQ(grass.PictureId(0), game.m_cache.FindPicture("bres_grass")->slot);
    EXPECT_NE(grass.PictureId(0), 0);

    game.ClearTables();
    EXPECT_EQ(game.m_mapObjectTypes.Count(), 0);
    EXPECT_EQ(game.m_mapObjectTypes.Find("base_grass"), nullptr);
}

}  // namespace

}  // namespace map_object_types_game_test
