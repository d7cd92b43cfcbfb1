#pragma once
// SMapGrid: what maps need of the play screen when they fill its grid and look after their
// creatures: the 35 x 35 cells and their companions, where a map's section lies on the grid, free
// places for creatures, the creatures' sprite records and the marks of the pictures in use. The play
// screen answers it; tests have a grid of their own.
#include <cstdint>

class SMap;
class SMonster;
struct SCreature;
struct SItemPileRecord;
struct SMapCell;
struct SMapCellShadow;

class SMapGrid {
public:
    static constexpr int kSize = 35;

    virtual ~SMapGrid() = default;

    // Column and row 0 .. kSize-1.
    virtual SMapCell& Cell(int column, int row) = 0;
    virtual SMapCellShadow& Shadow(int column, int row) = 0;
    // The grid place of cell (x, y) of the map; false when the map's section is not on the grid.
    virtual bool MapToGrid(const SMap& map, int x, int y, int& column, int& row) const = 0;
    // Puts the creature into a free creature place of the map's cell (x, y), or of a neighbour of
    // it; false when there is none.
    virtual bool PlaceCreatureNear(SMap& map, SCreature& creature, int x, int y) = 0;
    // The creature's sprite record, or null while it has none.
    virtual SItemPileRecord* CreatureSprite(const SCreature& creature) = 0;
    // The creature's picture is chosen again, as after its paralysis ended.
    virtual void RefreshCreaturePicture(SMap& map, SCreature& creature) = 0;
    // A creature of the monster is about to stand on the grid, so its pictures are wanted.
    virtual void MarkMonsterInUse(const SMonster& monster) = 0;
};
