// What the classes share of play: the play screen, the object's state, travel.
#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/map_object_type.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/map_objects/split_picture_name.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "engine/base/string.h"

SMapObjectScreen* SMapObjectType::Screen() const { return m_table ? m_table->Screen() : nullptr; }

bool SMapObjectType::IsOff(const SPlacedObject* object) {
    return object != nullptr && (object->flags & SPlacedObject::kClosed) != 0;
}

bool SMapObjectType::IsVisibleAndOn(const SPlacedObject* object) {
    return object != nullptr && (object->flags & SPlacedObject::kVisible) != 0 && !IsOff(object);
}

bool SMapObjectType::IsThere(const SPlacedObject* object) {
    return object == nullptr || (object->flags & SPlacedObject::kVisible) != 0;
}

bool SMapObjectType::BlocksWhenSolid(const SPlacedObject* object) const {
    return (m_flags & kSolid) != 0 && IsThere(object);
}

SSidePicture SMapObjectType::FacePicture(const SMapCellSide& cellSide, int side, int oblique) const {
    const uint16_t picture = FirstPicture(cellSide.wallType);
    return {PlaceOnWall(side, picture, m_placeA, m_place[3]), picture,
            cellSide.wallType ? cellSide.wallType->PictureId(oblique) : uint16_t(0), cellSide.wallPalette, 0};
}

void SMapObjectType::BuildFace(const SMapCellSide (&sides)[4], int side, int oblique, uint16_t drawCode,
                               SSideOverlayRecord& record) const {
    if (!IsSide(side)) return;
    SSidePicture face = FacePicture(sides[side], side, oblique);
    face.drawCode = drawCode;
    SetSidePicture(record, side, face);
}

const char* SMapObjectType::AmbientParam() const {
    return m_param2 != nullptr && m_param2[0] != '\0' ? m_param2 : nullptr;
}

void SMapObjectType::TravelTo(const char* travelText, const STravelKinds& kinds) const {
    SMapObjectScreen* screen = Screen();
    SString before, after;
    SplitPictureName(travelText, before, after);
    if (screen == nullptr || before.IsEmpty()) return;
    // Without a question the text is the target itself.
    if (!after.IsEmpty())
        screen->QueueQuestion(before.Text(), after.Text(), kinds.askedKind, kinds.askFlag);
    else if (kinds.queued)
        screen->QueueTravelByName(before.Text(), kinds.kind);
    else
        screen->TravelToPosition(before.Text(), kinds.kind);
}

SSidePicture SMapObjectType::MountedPicture(const SMapCellSide& cellSide, int side) const {
    const uint16_t picture = FirstPicture(cellSide.wallType);
    return {PlaceOnWallFlagged(side, picture, false, m_placeA, m_placeB), picture, 0, cellSide.wallPalette, 0};
}
