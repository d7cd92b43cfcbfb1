#include <gtest/gtest.h>

#include "game/script/script_context_fixture.h"

namespace script_map_commands_test {

namespace {

using Strings = std::vector<std::string>;

class ScriptMapCommandsTest : public ScriptContextTest {
protected:
    void SetUp() override {
        ScriptContextTest::SetUp();
        // A second package, so that fog finds its maps in every open package.
        TestWorldPackage package;
        package.identifier = "fogs";
        package.mapPrefix = "base_s";
        package.maps = {{"base_fogdale", "Fogdale", "fog 0x1234\nview 60\n"},
                        {"base_fields", "Fields", "surface\nfog 0x1111\nview 30\n"}};
        ASSERT_NE(OpenPackage(package, "Fogs"), nullptr) << modules.Error().Message();
        fogdale = modules.FindMap("base_fogdale");
        fields = modules.FindMap("base_fields");
        ASSERT_TRUE(fogdale && fields);
        grid.origins[fields] = {7, 7};
    }

    // The creatures from the index `before` on, as "x,y", with " scripted" for those that
    // removemonstertypes takes away.
    static Strings Added(const SMap& on, int before) {
        Strings added;
        for (int i = before; i < on.Creatures().Count(); ++i) {
            const SCreature& creature = *on.Creatures()[i];
            added.push_back(std::to_string(creature.x) + "," + std::to_string(creature.y) +
                            (creature.state & SCreature::kScripted ? " scripted" : ""));
        }
        return added;
    }

    SMap* fogdale = nullptr;
    SMap* fields = nullptr;
};

TEST_F(ScriptMapCommandsTest, fogIsSetAndResetOnMapsBelowGround) {
    const struct {
        const char* listing;
        const char* checked;  // the map whose fog is read
        uint16_t distance;
        uint16_t colour;
    } cases[] = {
        {"setmapfog ( \"base_fogdale\" , 40 , \"FF0000\" ) ;", "base_fogdale", 40, 0xF800},
        {"setmapfog ( \"base_fogdale\" , 250 , \"00ff00\" ) ;", "base_fogdale", 100, 0x07E0},
        {"setmapfog ( \"base_fogdale\" , -5 , \"0000FF\" ) ;", "base_fogdale", 0, 0x001F},
        // Any colour but six digits is black.
        {"setmapfog ( \"base_fogdale\" , 20 , \"F00\" ) ;", "base_fogdale", 20, 0},
        {"setmapfog ( \"base_fogdale\" , 20 , \"FF00000\" ) ;", "base_fogdale", 20, 0},
        {"setmapfog ( \"base_fogdale\" , 20 , \"FF0000\" ) ; resetmapfog ( \"base_fogdale\" ) ;", "base_fogdale", 60,
         0x1234},
        // The surface keeps the fog of its sky.
        {"setmapfog ( \"base_fields\" , 40 , \"FF0000\" ) ;", "base_fields", 30, 0x1111},
        {"setmapfog ( \"base_nowhere\" , 40 , \"FF0000\" ) ; resetmapfog ( \"base_nowhere\" ) ;", "base_fogdale", 60,
         0x1234},
    };
    for (const auto& row : cases) {
        fogdale->ResetFog();
        EXPECT_EQ(Run(row.listing), kScriptOk);
        const SMap& changed = *modules.FindMap(row.checked);
        EXPECT_EQ(changed.ViewDistance(), row.distance) << row.listing;
        EXPECT_EQ(changed.FogColour(), row.colour) << row.listing;
    }
    // None of them is the map the play screen shows.
    EXPECT_TRUE(play.requests.empty());
}

TEST_F(ScriptMapCommandsTest, theCurrentMapsNewFogIsDrawnAtOnce) {
    const uint16_t stored = map->ViewDistance();
    EXPECT_EQ(Run("setmapfog ( \"base_cave\" , 10 , \"102030\" ) ;"), kScriptOk);
    EXPECT_EQ(map->ViewDistance(), 10);
    EXPECT_EQ(Run("resetmapfog ( \"base_cave\" ) ;"), kScriptOk);
    EXPECT_EQ(map->ViewDistance(), stored);
    EXPECT_EQ(play.requests, Strings({"fog", "fog"}));
}

TEST_F(ScriptMapCommandsTest, aMonsterIsCreatedAtAPlaceOrWhereTheGridShowsAnObject) {
    play.places[doorObject] = {12, 9, 2, 1};
    const struct {
        const char* listing;
        Strings added;
    } cases[] = {
        {"createmonsterpos ( \"base_orcish\" , 4 , 5 ) ;", {"4,5 scripted"}},
        {"createmonsterpos ( \"base_orcish\" , 0 , 34 ) ;", {"0,34 scripted"}},
        // A place is a byte: off the map is refused rather than wrapped onto it.
        {"createmonsterpos ( \"base_orcish\" , 35 , 5 ) ;", {}},
        {"createmonsterpos ( \"base_orcish\" , 4 , 261 ) ;", {}},
        {"createmonsterpos ( \"base_orcish\" , -1 , 5 ) ;", {}},
        {"createmonsterpos ( \"base_nobody\" , 4 , 5 ) ;", {}},
        // Objects keep no place: the grid's cell that shows one gives it.
        {"createmonsterobj ( \"base_orcish\" , \"base_door\" ) ;", {"5,2"}},
        {"createmonsterobj ( \"base_orcish\" , \"base_plate\" ) ;", {}},
        {"createmonsterobj ( \"base_orcish\" , \"base_nothing\" ) ;", {}},
        {"createmonsterobj ( \"base_nobody\" , \"base_door\" ) ;", {}},
    };
    for (const auto& row : cases) {
        const int before = map->Creatures().Count();
        EXPECT_EQ(Run(row.listing), kScriptOk);
        EXPECT_EQ(Added(*map, before), row.added) << row.listing;
    }
}

TEST_F(ScriptMapCommandsTest, aNewMonsterShowsOnTheGridAtOnce) {
    grid.placed.clear();
    grid.marked.clear();
    EXPECT_EQ(Run("createmonsterpos ( \"base_orcish\" , 4 , 5 ) ;"), kScriptOk);
    const SCreature& created = *map->Creatures()[map->Creatures().Count() - 1];
    EXPECT_EQ(grid.placed, std::vector<TestGrid::Placed>({{created.id, 4 + 7, 5 + 7}}));
    EXPECT_EQ(grid.marked, Strings({"base_orcish"}));
    EXPECT_EQ(context.CellEvents(), std::vector<SCellEvent>({{map, {4 + 7, 5 + 7, -1, 1}}}));

    // Without a grid the creature waits on its map for the next visit.
    play.gridShown = false;
    const int before = map->Creatures().Count();
    EXPECT_EQ(Run("createmonsterpos ( \"base_orcish\" , 6 , 6 ) ;"), kScriptOk);
    EXPECT_EQ(Added(*map, before), Strings({"6,6 scripted"}));
    EXPECT_EQ(grid.placed.size(), 1u);
    EXPECT_EQ(context.CellEvents().size(), 1u);
}

TEST_F(ScriptMapCommandsTest, aMonsterIsCreatedAtADistanceFromThePlayer) {
    const struct {
        const char* listing;
        bool surface;  // on the fields, else in the cave
        int playerX, playerY;
        Strings added;
    } cases[] = {
        {"createmonsterdir ( \"base_orcish\" , \"n\" , 3 ) ;", false, 10, 12, {"10,9 scripted"}},
        {"createmonsterdir ( \"base_orcish\" , \"West\" , 2 ) ;", false, 10, 12, {"8,12 scripted"}},
        {"createmonsterdir ( \"base_orcish\" , \"s\" , 1 ) ;", false, 10, 12, {"10,13 scripted"}},
        {"createmonsterdir ( \"base_orcish\" , \"E\" , 4 ) ;", false, 10, 12, {"14,12 scripted"}},
        // Any other word points north.
        {"createmonsterdir ( \"base_orcish\" , \"up\" , 2 ) ;", false, 10, 12, {"10,10 scripted"}},
        {"createmonsterdir ( \"base_orcish\" , \"\" , 2 ) ;", false, 10, 12, {"10,10 scripted"}},
        {"createmonsterdir ( \"base_orcish\" , \"e\" , 25 ) ;", false, 10, 12, {}},
        {"createmonsterdir ( \"base_orcish\" , \"n\" , 2000000000 ) ;", false, 10, 12, {}},
        {"createmonsterdir ( \"base_nobody\" , \"n\" , 1 ) ;", false, 10, 12, {}},
        // On the surface the grid lies 7 cells off the section.
        {"createmonsterdir ( \"base_orcish\" , \"n\" , 2 ) ;", true, 10, 10, {"3,1 scripted"}},
        {"createmonsterdir ( \"base_orcish\" , \"e\" , 0 ) ;", true, 28, 10, {}},
    };
    for (const auto& row : cases) {
        SMap& on = row.surface ? *fields : *map;
        play.map = &on;
        play.playerX = row.playerX;
        play.playerY = row.playerY;
        const int before = on.Creatures().Count();
        EXPECT_EQ(Run(row.listing), kScriptOk);
        EXPECT_EQ(Added(on, before), row.added) << row.listing;
    }
}

TEST_F(ScriptMapCommandsTest, removingAMonsterTypeTakesOnlyTheScriptsCreaturesOffTheMapAndGrid) {
    play.places[doorObject] = {12, 9, 2, 1};
    EXPECT_EQ(Run("createmonsterpos ( \"base_orcish\" , 4 , 5 ) ; createmonsterpos ( \"base_orcish\" , 6 , 7 ) ; "
                  "createmonsterobj ( \"base_orcish\" , \"base_door\" ) ;"),
              kScriptOk);
    ASSERT_EQ(map->Creatures().Count(), 4);
    context.RunObjectScript();
    screen.log.clear();
    EXPECT_EQ(Run("removemonstertypes ( \"base_orcish\" ) ; removemonstertypes ( \"base_nobody\" ) ;"), kScriptOk);
    // The guard of the level and the object's creature stay.
    ASSERT_EQ(map->Creatures().Count(), 2);
    EXPECT_EQ(map->Creatures()[0], guard);
    EXPECT_EQ(Added(*map, 1), Strings({"5,2"}));
    EXPECT_EQ(screen.log, Strings({"leave", "leave"}));
    EXPECT_EQ(context.CellEvents(),
              std::vector<SCellEvent>({{map, {4 + 7, 5 + 7, -1, 1}}, {map, {6 + 7, 7 + 7, -1, 1}}}));
}

}  // namespace

}  // namespace script_map_commands_test
