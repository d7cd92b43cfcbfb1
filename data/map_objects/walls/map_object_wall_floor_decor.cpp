#include "data/map_objects/walls/map_object_wall_floor_decor.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kWallFloorDecorDrawCode = 46;  // + the side

}  // namespace

void SMapObjectWallFloorDecor::buildSide(const SMapCellSide& cellSide, int side, SSideOverlayRecord& record) const {
    const uint16_t picture = FirstPicture(cellSide.wallType);
    const uint16_t oblique = cellSide.wallType ? cellSide.wallType->PictureId(kObliquePicture) : 0;
    const uint16_t onWall = oblique ? SSideOverlayRecord::kProjecting : 0;
    SetSidePicture(record, side,
                   {uint16_t(place(side, picture, oblique) | onWall), picture, oblique, cellSide.wallPalette,
                    uint16_t(kWallFloorDecorDrawCode + side)});
}

void SMapObjectWallFloorDecor::buildAnimatedSide(SMapObjectScreen& screen, const SMapCellSide& cellSide, int side,
                                                 SSideOverlayRecord& record, uint16_t& light) {
    const SMapObjectType& wall = *cellSide.wallType;
    if (wall.Frames() == 0) return;
    if (wall.m_flags & kLitAtNight) RaiseLight(light, kLit, screen.Flicker());
    const uint32_t step = frameStep(screen, side);
    const uint16_t picture = wall.PictureId(kFirstFrame + int(step % wall.Frames()));
    const uint16_t oblique = wall.Frames2() ? wall.PictureId(kFirstObliqueFrame + int(step % wall.Frames2())) : 0;
    SetSidePicture(record, side,
                   {uint16_t(place(side, picture, oblique) | projectingBit()), picture, oblique, cellSide.wallPalette,
                    uint16_t(kWallFloorDecorDrawCode + side)});
}

void SMapObjectWallFloorDecor::showText(const SString&) {}

uint16_t SMapObjectWallFloorDecor::place(int side, uint16_t picture, uint16_t oblique) const {
    return PlaceOnWallFlagged(side, picture, oblique != 0, m_placeA, m_placeB);
}
