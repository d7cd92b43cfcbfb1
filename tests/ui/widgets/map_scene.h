#pragma once
// A world for the automap and map dialog tests, opened in a UI rig's game: a package of 3 x 2 maps
// whose world map picture has a 21-pixel square per map (and a part of one more beyond them), two surface sections
// drawn with the level writer (Greenvale at (1, 1) and East Marsh east of it, the others missing), and the play screen
// standing in Greenvale with its grid filled from both sections. The automap's interface pictures
// are replaced by solid colours, so that tests can tell each one from the screen.
#include <memory>
#include <string>

#include "data/maps/map.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/map_fixture.h"
#include "support/picture_entry.h"
#include "support/world_package.h"
#include "tools/sampledata/art_canvas.h"

namespace map_scene {

inline constexpr uint16_t kTile = 0x2945;      // the automap background
inline constexpr uint16_t kFloor = 0x8C51;     // floor kind 0
inline constexpr uint16_t kRock = 0x4208;      // floor kind 1: a cell filled by a wall
inline constexpr uint16_t kSideWall = 0xFFE0;  // the side pictures, 2 pixels thick
inline constexpr uint16_t kDecoration = 0x07FF;
inline constexpr uint16_t kMarkers[12] = {0xF800, 0xF810, 0xF820, 0xF830, 0xF840, 0xF850,
                                          0xF860, 0xF870, 0xF880, 0xF890, 0xF8A0, 0xF8B0};
inline constexpr uint16_t kBorders[8] = {0x0010, 0x0011, 0x0012, 0x0013, 0x0014, 0x0015, 0x0016, 0x0017};
inline constexpr uint16_t kArrows[5] = {0x0400, 0x0401, 0x0402, 0x0403, 0x0404};
inline constexpr uint16_t kWorldSea = 0x1234;  // the world map picture
inline constexpr uint16_t kHere = 0xABCD;
inline constexpr uint16_t kMark = 0x5555;
inline constexpr int kWorldW = 3, kWorldH = 2;
// Where Greenvale's sign stands (on the north side of the cell) and the marker index it carries.
inline constexpr int kSignX = 4, kSignY = 3, kSignMarker = 2;

// A surface section: floor, with a block of rock, a wall on the west side of row 9 and the sign.
inline std::string sectionLevel(bool withSign, uint16_t flags = 0) {
    std::string text = "flags " + std::to_string(flags) +
                       "\n"
                       "surface\n"
                       "cell . floor=base_floor\n"
                       "cell # centre=base_wall\n"
                       "cell W floor=base_floor wall-w=base_wall decoration-w=base_torch\n"
                       "cell S floor=base_floor wall-n=base_sign wall-n-id=1\n"
                       "cells 0 0\n";
    for (int y = 0; y < 21; ++y) {
        std::string row(21, '.');
        if (y >= 5 && y <= 6) row.replace(8, 3, "###");
        if (y == 9) row[2] = 'W';
        if (withSign && y == kSignY) row[kSignX] = 'S';
        text += row + "\n";
    }
    text += "end\n";
    if (withSign) text += "object 1 base_sign a=" + std::to_string(kSignMarker) + "\n";
    return text;
}

// One 21-pixel square a map, outlined, over the sea.
inline std::vector<uint8_t> worldPicture(int w, int h) {
    SArtCanvas picture(w, h, kWorldSea);
    for (int x = 0; x < w; x += 21) picture.Fill(x, 0, 1, h, 0);
    for (int y = 0; y < h; y += 21) picture.Fill(0, y, w, 1, 0);
    return picture.Record();
}

class Scene {
public:
    // Opens the world in the game (whose program folder is the test's) and stands the play screen
    // in Greenvale at cell (10, 12), facing north. False, with the reason, when the package does
    // not open.
    bool Open(SGameData& game, SStateGame& play, std::string& error) {
        for (auto [code, name] : {std::pair{1, "base_floor"}, std::pair{5, "base_wall"}, std::pair{9, "base_torch"},
                                  std::pair{18, "base_sign"}}) {
            std::unique_ptr<SMapObjectType> type = game.m_mapObjectTypes.CreateType(code);
            type->m_name.Set(name);
            game.m_mapObjectTypes.Add(std::move(type));
        }
        TestWorldPackage package;
        package.name = "The Brim";
        package.mapPrefix = "base_s";
        package.valueA = kWorldW;
        package.valueB = kWorldH;
        package.packagePicture = worldPicture(worldPictureW, worldPictureH);
        package.maps = {{"base_s0101", "Greenvale", sectionLevel(true, greenvaleFlags)},
                        {"base_s0201", "East Marsh", sectionLevel(false)}};
        if (!package.Write(SFileFolder(), "Brimvale", &error)) return false;
        if (!game.m_packages.Open("Brimvale")) {
            error = game.m_packages.Error().Message();
            return false;
        }
        SModule& world = *game.m_packages.Current();
        greenvale = world.FindMap("base_s0101");
        marsh = world.FindMap("base_s0201");
        if (!greenvale || !marsh) {
            error = "the sections are missing";
            return false;
        }
        play.m_grid = &grid;
        play.m_currentMap = greenvale;
        play.m_sectionMaps[4] = greenvale;
        play.m_sectionMaps[5] = marsh;
        greenvale->LoadRegion(0, 0, 21, 21, 7, 7, grid, 1);
        marsh->LoadRegion(0, 0, 7, 21, 28, 7, grid, 1);
        stand(play, 17, 19);
        world.SetPosition(*greenvale, play.m_playerX, play.m_playerY, 0);
        describeCells(play);
        return true;
    }

    void stand(SStateGame& play, int x, int y) {
        play.m_playerX = x;
        play.m_playerY = y;
        play.m_fractionX = play.m_fractionY = SStateGame::kCellCentre;
        play.m_heading = 0;
    }

    // What the automap shows of each grid cell, worked out of the cells as the play screen will.
    void describeCells(SStateGame& play) {
        for (int y = 0; y < SStateGame::kGridSize; ++y) {
            for (int x = 0; x < SStateGame::kGridSize; ++x) {
                const SMapCell& cell = grid.Cell(x, y);
                SAutomapCell& shown = *play.GetAutomapCell(x, y);
                shown = {};
                shown.floorKind = cell.centreType && cell.centreType->m_typeCode == 5 ? 1 : 0;
                for (int s = 0; s < 4; ++s) {
                    const SMapCellSide& side = cell.sides[s];
                    if (side.wallType && side.wallType->m_typeCode == 5) shown.sidePictures[s] = uint16_t(23 + s);
                    if (side.decorationType) shown.decoration = 46;
                }
            }
        }
    }

    // Every cell of both sections explored, or none.
    void explore(bool all) {
        for (SMap* map : {greenvale, marsh}) {
            if (all)
                map->ExploreAll();
            else
                map->ClearExplored();
        }
    }

    uint16_t greenvaleFlags = 0;  // the map's flag word, set before Open
    // The world map picture: the maps' squares and a partial column and row beyond them.
    int worldPictureW = kWorldW * 21 + 10;
    int worldPictureH = kWorldH * 21 + 10;
    TestGrid grid;
    SMap* greenvale = nullptr;
    SMap* marsh = nullptr;
};

// Solid pictures for the automap's roles: cells of `cell` pixels; side pictures a 2-pixel wall on
// their side, decorations a 2 x 2 dot in the middle.
inline void UseSolidMapPictures(SGameData& game, int cell) {
    auto set = [&](SInterfaceRole role, int index, std::unique_ptr<SPictureEntry> picture) {
        game.m_interfacePictures[size_t(InterfaceRoleSlots(role).first + index)] = std::move(picture);
    };
    set(SInterfaceRole::kAutomapTile, 0, SolidPicture(cell, cell, kTile));
    set(SInterfaceRole::kAutomapPictures, 0, SolidPicture(cell, cell, kFloor));
    set(SInterfaceRole::kAutomapPictures, 1, SolidPicture(cell, cell, kRock));
    for (int s = 0; s < 4; ++s)
        set(SInterfaceRole::kAutomapPictures, 23 + s, MakePictureEntry(cell, cell, [=](int x, int y) {
                const bool wall = (s == 0 && y < 2) || (s == 1 && x >= cell - 2) || (s == 2 && y >= cell - 2) ||
                                  (s == 3 && x < 2);
                return wall ? kSideWall : uint16_t(0xFFFF);
            }));
    set(SInterfaceRole::kAutomapPictures, 46, MakePictureEntry(cell, cell, [=](int x, int y) {
            const bool dot = x >= cell / 2 - 1 && x <= cell / 2 && y >= cell / 2 - 1 && y <= cell / 2;
            return dot ? kDecoration : uint16_t(0xFFFF);
        }));
    for (int i = 0; i < 12; ++i) set(SInterfaceRole::kAutomapMarkers, i, SolidPicture(10, 10, kMarkers[i]));
    for (int i = 0; i < 8; ++i) set(SInterfaceRole::kSectionBorders, i, SolidPicture(cell, cell, kBorders[i]));
    for (int i = 0; i < 4; ++i) set(SInterfaceRole::kPlayerArrow, i, SolidPicture(cell, cell, kArrows[i]));
    // The turning arrow is half a cell, so that the player's cell shows around it.
    set(SInterfaceRole::kPlayerArrow, 4, SolidPicture(cell / 2, cell / 2, kArrows[4]));
    set(SInterfaceRole::kWorldMapMarkers, 0, SolidPicture(10, 10, kHere));
    set(SInterfaceRole::kWorldMapMarkers, 1, SolidPicture(21, 21, kMark));
}

}  // namespace map_scene
