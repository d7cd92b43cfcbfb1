#pragma once
// SMapObjectWallFloorDecor: a decoration that stands out from a wall side down to the floor (type
// code 40): a fountain, a brazier. It lights and sounds as a wall decoration does; used, it only
// ever leads somewhere.
#include "data/map_objects/walls/map_object_wall_decor.h"

class SMapObjectWallFloorDecor : public SMapObjectWallDecor {
protected:
    // Placed out from the side by both placement values; with an oblique picture it stands out
    // from the side.
    void buildSide(const SMapCellSide& cellSide, int side, SSideOverlayRecord& record) const override;
    // Its frames run without oblique ones, and only kLitAtNight ones light the cell; kProjects
    // makes them stand out.
    void buildAnimatedSide(SMapObjectScreen& screen, const SMapCellSide& cellSide, int side, SSideOverlayRecord& record,
                           uint16_t& light) override;
    // It has nothing to say.
    void showText(const SString& text) override;

private:
    uint16_t place(int side, uint16_t picture, uint16_t oblique) const;
};
