#pragma once
// SMapObjectWallFloorDecor: a decoration that stands out from a wall side down to the floor (type
// code 40): a fountain, a brazier. It lights and sounds as a wall decoration does; used, it only
// ever leads somewhere.
#include "data/map_objects/walls/map_object_wall_decor.h"

class SMapObjectWallFloorDecor : public SMapObjectWallDecor {
protected:
    // Placed standing out from the side; a second picture turns it into a fixture on the wall.
    void buildSide(const SMapCellSide& cellSide, int side, SSideOverlayRecord& record) const override;
    // Its frames run without second pictures, and only kLitAtNight ones light the cell.
    void buildAnimatedSide(SMapObjectScreen& screen, const SMapCellSide& cellSide, int side, SSideOverlayRecord& record,
                           uint16_t& light) override;
    // It has nothing to say.
    void showText(const SString& text) override;

private:
    uint16_t place(int side, uint16_t picture, uint16_t oblique) const;
};
