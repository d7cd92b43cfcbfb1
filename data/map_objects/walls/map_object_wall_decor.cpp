#include "data/map_objects/walls/map_object_wall_decor.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kWallDecorDrawCode = 42;  // + the side
constexpr uint16_t kWallDecorTravelKindMask = 7;

}  // namespace

void SMapObjectWallDecor::InitInstance(SPlacedObject& object) { object.state |= m_initialState; }

void SMapObjectWallDecor::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record,
                                          uint16_t&) {
    if (IsSide(side)) buildSide(cell.sides[side], side, record);
}

void SMapObjectWallDecor::BuildShadowSideRecord(SPlacedObject*, SMapCellShadow& cell, int side,
                                                SSideOverlayRecord& record, uint16_t&) {
    if (IsSide(side)) buildSide(cell.sides[side], side, record);
}

void SMapObjectWallDecor::BuildAnimatedSideRecord(SPlacedObject* object, SMapCell& cell, int side,
                                                  SSideOverlayRecord& record, uint16_t& light) {
    animate(object, cell.sides, side, record, light);
}

void SMapObjectWallDecor::BuildAnimatedShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side,
                                                        SSideOverlayRecord& record, uint16_t& light) {
    animate(object, cell.sides, side, record, light);
}

const char* SMapObjectWallDecor::GetAmbientSound(const SPlacedObject* object, const SMapCell&) const {
    return isAsleep(object, *this) ? nullptr : AmbientParam();
}

const char* SMapObjectWallDecor::GetShadowAmbientSound(const SPlacedObject* object, const SMapCellShadow&) const {
    return isAsleep(object, *this) ? nullptr : AmbientParam();
}

int SMapObjectWallDecor::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool&) {
    if (event != kUsed || object == nullptr || object->textA.IsEmpty()) return 0;
    const int kind = object->state & kWallDecorTravelKindMask;
    if (m_flags & kLeadsSomewhere)
        TravelTo(object->textA.Text(), {kind, kind, 0, false});
    else
        showText(object->textA);
    return 0;
}

void SMapObjectWallDecor::buildSide(const SMapCellSide& cellSide, int side, SSideOverlayRecord& record) const {
    SSidePicture face = FacePicture(cellSide, side, kObliquePicture);
    face.placement |= projectingBit();
    face.drawCode = uint16_t(kWallDecorDrawCode + side);
    SetSidePicture(record, side, face);
}

void SMapObjectWallDecor::buildAnimatedSide(SMapObjectScreen& screen, const SMapCellSide& cellSide, int side,
                                            SSideOverlayRecord& record, uint16_t& light) {
    const SMapObjectType& wall = *cellSide.wallType;
    if (wall.Frames() == 0 || wall.Frames2() == 0) return;
    RaiseLight(light, kLit, screen.Flicker());
    const uint32_t step = frameStep(screen, side);
    const uint16_t picture = wall.PictureId(kFirstFrame + int(step % wall.Frames()));
    const uint16_t oblique = wall.PictureId(kFirstObliqueFrame + int(step % wall.Frames2()));
    SetSidePicture(record, side,
                   {uint16_t(PlaceOnWall(side, picture, m_placeA, m_place[3]) | projectingBit()), picture, oblique,
                    cellSide.wallPalette, uint16_t(kWallDecorDrawCode + side)});
}

void SMapObjectWallDecor::showText(const SString& text) {
    SMapObjectScreen* screen = Screen();
    if (screen == nullptr) return;
    SString shown(text);
    screen->SubstituteText(shown);
    screen->ShowMessage(shown.Text());
}

bool SMapObjectWallDecor::isAsleep(const SPlacedObject* object, const SMapObjectType& wall) const {
    const SMapObjectScreen* screen = Screen();
    return IsOff(object) || ((wall.m_flags & kLitAtNight) && screen && screen->IsOutdoorDay());
}

uint32_t SMapObjectWallDecor::frameStep(const SMapObjectScreen& screen, int side) {
    return screen.SecondAnimationTick() + uint32_t(side);
}

uint16_t SMapObjectWallDecor::projectingBit() const {
    return (m_flags & kProjects) ? SSideOverlayRecord::kProjecting : 0;
}

void SMapObjectWallDecor::animate(const SPlacedObject* object, const SMapCellSide (&sides)[4], int side,
                                  SSideOverlayRecord& record, uint16_t& light) {
    SMapObjectScreen* screen = Screen();
    if (screen == nullptr || !IsSide(side)) return;
    const SMapCellSide& cellSide = sides[side];
    if (cellSide.wallType && !isAsleep(object, *cellSide.wallType))
        buildAnimatedSide(*screen, cellSide, side, record, light);
}
