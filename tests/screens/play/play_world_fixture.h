#pragma once
// The play screen's world work without a window: a play screen started on a game object that has
// only its tables and a small screen in memory, a map drawn by the level writer as the current map, the tests' own grid
// whose cells the tests fill, and a monster screen that writes down what the monster rules ask of it.
#include <memory>
#include <string>
#include <vector>

#include "data/monsters/monster_fixture.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/block_font.h"
#include "support/map_fixture.h"
#include "support/memory_display.h"

class WorldPlayScreen : public SStateGame {
public:
    SMonsterScreen* MonsterScreen() override { return &monsterScreen; }
    RecordingMonsterScreen monsterScreen;
};

// The fixture over any play screen of the tests' own (WorldPlayScreen by default).
template <class Screen>
class PlayWorldTestOf : public MapTest {
protected:
    // With messages, a small screen in memory and the block font, so that the screen can show them.
    explicit PlayWorldTestOf(bool messages = false) {
        game.InitTables();
        if (messages) {
            game.m_display = std::make_unique<SDisplay>();
            DrawIntoMemory(*game.m_display, pixels, kScreenW, kScreenH);
            game.m_text = std::make_unique<SText>();
            game.m_text->SetDisplay(game.m_display.get());
            UseBlockFont(*game.m_text);
        }
        game.m_random = std::make_unique<SRandom>();
        game.m_random->Seed(3);
        play.Init(&game);
        play.m_grid = &grid;
        play.m_fog = {0, 7};
    }

    // Opens the map drawn by `level` as the current map, its cells where the grid's are.
    SMap* Enter(const std::string& level) {
        SMap* map = OpenMap(level);
        EXPECT_NE(map, nullptr) << error;
        if (map == nullptr) return nullptr;
        grid.origins[map] = {0, 0};
        play.m_package = modules.Current();
        play.m_currentMap = map;
        return map;
    }
    // Opens a package of these maps; false, with the package's error, when it does not open.
    bool OpenMaps(const std::vector<TestMap>& maps) {
        TestWorldPackage package;
        package.mapPrefix = "base_s";
        package.maps = maps;
        // A file of its own each time, so that a package opened before keeps its file.
        const std::string file = "BrimvaleMaps" + std::to_string(++m_packagesOpened);
        if (OpenPackage(package, file.c_str()) != nullptr) return true;
        error = modules.Error().Message();
        return false;
    }
    // Makes the map of that name current.
    SMap* Use(const char* name) {
        SMap* map = modules.Current()->FindMap(name);
        EXPECT_NE(map, nullptr) << name;
        grid.origins[map] = {0, 0};
        play.m_package = modules.Current();
        play.m_currentMap = map;
        return map;
    }
    // The player at (x, y) looking along the heading, standing in the middle of the cell.
    void Stand(int x, int y, uint32_t heading) {
        play.m_playerX = x;
        play.m_playerY = y;
        play.m_heading = heading;
    }
    // The creature of the current map with that id in the grid cell's place, with a sprite record.
    SCreature& PutCreature(int x, int y, int slot, uint8_t id) {
        SCreature* creature = play.m_currentMap->FindCreature(id);
        EXPECT_NE(creature, nullptr) << "creature " << int(id);
        grid.Cell(x, y).creatures[slot] = id;
        creature->displaySlot = id;
        grid.sprites[id] = SItemPileRecord{};
        return *creature;
    }

    static constexpr int kScreenW = 240, kScreenH = 320;
    std::vector<uint16_t> pixels;
    SGameData game;
    Screen play;
    TestGrid grid;

private:
    int m_packagesOpened = 0;
};

using PlayWorldTest = PlayWorldTestOf<WorldPlayScreen>;
