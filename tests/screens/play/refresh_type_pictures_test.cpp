// The play screen marks the types its grid and maps show before their pictures are loaded.
#include <gtest/gtest.h>

#include "screens/play/play_world_fixture.h"

namespace refresh_type_pictures_test {

namespace {

class RefreshTypePicturesTest : public PlayWorldTest {
protected:
    // The maps name the game's own types, whose pictures the play screen loads.
    RefreshTypePicturesTest() { context.mapObjectTypes = &game.m_mapObjectTypes; }

    SMapObjectType* AddGameType(int code, const char* name) {
        std::unique_ptr<SMapObjectType> type = game.m_mapObjectTypes.CreateType(code);
        type->m_name.Set(name);
        SMapObjectType* added = type.get();
        game.m_mapObjectTypes.Add(std::move(type));
        return added;
    }
    bool loaded(const char* name) { return game.m_mapObjectTypes.Find(name)->IsLoaded(); }
};

// Every layer and part of the grid's cells counts, the creatures standing in them, and the map's
// own floor and ceiling; a type that only the map entered before showed is freed.
TEST_F(RefreshTypePicturesTest, theTypesTheGridAndItsMapsShowAreLoadedAndNoOthers) {
    for (const char* name : {"base_floor", "base_centre", "base_deco", "base_shadowwall", "base_ceiling", "base_ground",
                             "base_old", "base_never"})
        AddGameType(1, name);
    game.m_monsters.Add(MakeBaseType("base_orcs", 1, {}));
    game.m_monsters.Add(MakeBaseType("base_rats", 1, {}));
    SMonsterBaseType& orcs = *game.m_monsters.FindBaseType("base_orcs");
    AddMonster("base_orc", 10)->m_baseType = &orcs;
    ASSERT_NE(Enter("floor base_ground\nceiling base_ceiling\ncreature base_orc 3 4\n"), nullptr);
    ASSERT_TRUE(game.m_monsters.FindBaseType("base_rats")->LoadPictures(game.m_cache));
    ASSERT_TRUE(game.m_mapObjectTypes.Find("base_old")->LoadPictures());
    play.ClearTypeMarks();
    grid.Cell(0, 0).floorType = game.m_mapObjectTypes.Find("base_floor");
    grid.Cell(34, 34).centreType = game.m_mapObjectTypes.Find("base_centre");
    grid.Cell(5, 7).sides[2].decorationType = game.m_mapObjectTypes.Find("base_deco");
    grid.Shadow(12, 30).sides[1].wallType = game.m_mapObjectTypes.Find("base_shadowwall");
    grid.Cell(3, 4).creatures[1] = 1;

    play.RefreshTypePictures();
    for (const char* name :
         {"base_floor", "base_centre", "base_deco", "base_shadowwall", "base_ceiling", "base_ground"})
        EXPECT_TRUE(loaded(name)) << name;
    EXPECT_FALSE(loaded("base_old"));
    EXPECT_FALSE(loaded("base_never"));
    EXPECT_TRUE(orcs.IsLoaded()) << "an orc stands on the grid";
    EXPECT_FALSE(game.m_monsters.FindBaseType("base_rats")->IsLoaded());

    // The next map entry: the floor no cell shows any more goes.
    grid.Cell(0, 0).floorType = nullptr;
    play.ClearTypeMarks();
    play.RefreshTypePictures();
    EXPECT_FALSE(loaded("base_floor"));
    EXPECT_TRUE(loaded("base_centre"));
}

}  // namespace

}  // namespace refresh_type_pictures_test
