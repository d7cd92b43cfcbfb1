#include "data/map_objects/doors/map_object_door.h"

#include <algorithm>
#include <cstdlib>

#include "data/map_objects/draw_records.h"
#include "data/map_objects/linked_fire.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "data/script_command_ids.h"

namespace {

constexpr uint8_t kMoving = SPlacedObject::kOpening | SPlacedObject::kClosing;
constexpr int kPositionShift = 10;
constexpr uint16_t kLowByte = 0x00FF;
constexpr int kFacingShift = 8;
constexpr uint8_t kFacingMask = 0x03;
constexpr int kDoubleDoorCode = 22;
constexpr int kDoubleDoorStep = 3;
constexpr int kSingleDoorStep = 5;
// The handle of a door facing south turns to the west picture while the leaf is near shut.
constexpr int kTurningFacing = 2;
constexpr int kTurnedFacing = 3;
constexpr int kHandleSlot = 6;
constexpr int kOpeningHandleTurn = 20;
constexpr int kClosingHandleTurn = 54;
constexpr int kFlameSlot = 4;
constexpr uint32_t kFlameStep = 2;
constexpr int16_t kOwnCellFlameShift = 10;
constexpr uint16_t kLeafPlaces[] = {43, 55, 71};
constexpr int kFramePicture = 3;
constexpr int kHighestLock = 110;
constexpr int kHighestTrap = 101;
constexpr uint16_t kDrawCodeBetweenWalls = 16;
constexpr uint16_t kDrawCode = 15;

int facingOf(const SMapCell& cell) { return cell.centreExtra & kFacingMask; }

int positionOf(const SObjectTypeRecord& record) { return record.m_kind >> kPositionShift; }

void setPosition(SObjectTypeRecord& record, int position) {
    record.m_kind = uint16_t((record.m_kind & ((1 << kPositionShift) - 1)) | (position << kPositionShift));
}

// The leaf's second picture where it has two: the first is the leaf seen from the side.
uint16_t leafPicture(const SMapObjectType* leaf) {
    if (leaf == nullptr) return 0;
    return leaf->PictureNameCount() >= 2 ? leaf->PictureId(1) : leaf->PictureId(0);
}

}  // namespace

void SMapObjectDoor::Open(SPlacedObject& object, int x, int y) {
    object.flags = uint8_t((object.flags & ~kMoving) | SPlacedObject::kOpening);
    playAtDistance(m_param2, x, y);
}

void SMapObjectDoor::Close(SPlacedObject& object, int x, int y) {
    object.flags = uint8_t((object.flags & ~kMoving) | SPlacedObject::kClosing);
    playAtDistance(m_param3, x, y);
}

bool SMapObjectDoor::IsBlocking(const SPlacedObject* object) const {
    if (object == nullptr) return false;
    return (object->flags & (SPlacedObject::kClosed | SPlacedObject::kClosing)) != 0 &&
           (object->flags & SPlacedObject::kOpening) == 0;
}

void SMapObjectDoor::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                     uint16_t& light) {
    const bool closed = object == nullptr || (object->flags & SPlacedObject::kClosed) != 0;
    if (seenFromItsCell(cell)) {
        record.m_kind = kDoorway;
        SetPicture(record, 0, PictureId(2), cell.centrePalette);
    } else {
        // The leaves in the first three pictures, at their places in the frame, and the frame
        // around them in the fourth; a single door has one leaf.
        record.m_kind = kFramedPicture;
        const int leaves = m_typeCode == kDoubleDoorCode ? 3 : 1;
        for (int k = 0; k < leaves; ++k) {
            SetPicture(record, k, leafPicture(cell.upperType), cell.upperPalette);
            record.m_x[k] = kLeafPlaces[k];
        }
        SetPicture(record, kFramePicture, PictureId(0), cell.centrePalette);
    }
    setFlames(cell, record, light);
    const int facing = facingOf(cell);
    const int position = closed ? 0 : kFullyOpen;
    setHandle(record, facing, position, kOpeningHandleTurn);
    record.m_kind = uint16_t((record.m_kind & kLowByte) | (facing << kFacingShift) | (position << kPositionShift));
    const SMapObjectScreen* screen = Screen();
    record.m_drawCode = screen && screen->HasWallsEastAndWest() ? kDrawCodeBetweenWalls : kDrawCode;
}

void SMapObjectDoor::BuildAnimatedCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record,
                                             uint16_t& light) {
    setFlames(cell, record, light);
}

const char* SMapObjectDoor::GetAmbientSound(const SPlacedObject*, const SMapCell&) const {
    return FireBurns(FindLinkedType(*this), Screen()) ? "bsnd_fire" : nullptr;
}

void SMapObjectDoor::Tick(SPlacedObject* object, int x, int y, SMapCell& cell, SObjectTypeRecord& record) {
    if (object == nullptr) return;
    SPlacedObject& o = *object;
    const int position = positionOf(record);
    const int facing = facingOf(cell);
    if (o.flags & SPlacedObject::kOpening) {
        if (position >= kFullyOpen) {
            o.flags &= uint8_t(~(SPlacedObject::kOpening | SPlacedObject::kClosed));
            return;
        }
        setHandle(record, facing, position, kOpeningHandleTurn);
        // Six bits hold no more than fully open, whatever the step.
        setPosition(record, std::min(kFullyOpen, position + step()));
    } else if (o.flags & SPlacedObject::kClosing) {
        if (position <= 0) {
            playAtDistance("bsnd_ddoorcloseok", x, y);
            o.flags = uint8_t((o.flags | SPlacedObject::kClosed) & ~SPlacedObject::kClosing);
            return;
        }
        setHandle(record, facing, position, kClosingHandleTurn);
        setPosition(record, std::max(0, position - step()));
    } else if (o.flags & kSpellHighlight) {
        SMapObjectScreen* screen = Screen();
        if (screen && screen->DoorHighlight() > 0) {
            screen->SetDoorHighlight(screen->DoorHighlight() - 1);
            record.m_kind |= kHighlightBit;
        } else {
            o.flags &= uint8_t(~kSpellHighlight);
            record.m_kind &= uint16_t(~kHighlightBit);
        }
    }
}

int SMapObjectDoor::ExecuteCommand(SMap* map, SPlacedObject* object, int x, int y, int command,
                                   const SScriptValue& arg1, const SScriptValue& arg2, const SScriptValue& arg3,
                                   std::optional<SScriptValue>& result, bool& changed) {
    if (object == nullptr)
        return SMapObjectType::ExecuteCommand(map, object, x, y, command, arg1, arg2, arg3, result, changed);
    SPlacedObject& o = *object;
    const bool closed = (o.flags & SPlacedObject::kClosed) != 0;
    switch (command) {
        case kIsOpened: result = SScriptValue(closed ? 0 : 1); return 0;
        case kOpen:
            if (closed || (o.flags & SPlacedObject::kClosing)) Open(o, x, y);
            return 0;
        case kClose:
            if (!closed || (o.flags & SPlacedObject::kOpening)) Close(o, x, y);
            return 0;
        case kSetLockedState: o.SetLockLevel(std::clamp(arg1.Number(), 0, kHighestLock)); return 0;
        case kSetTrappedState: o.SetTrapLevel(std::clamp(arg1.Number(), 0, kHighestTrap)); return 0;
        default: return SMapObjectType::ExecuteCommand(map, object, x, y, command, arg1, arg2, arg3, result, changed);
    }
}

int SMapObjectDoor::OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool&) {
    if (object == nullptr) return 0;
    if (event == kSpellCast) CastAt(*object);
    if (event == kUsed) Use(map, *object, cell, x, y);
    return 0;
}

void SMapObjectDoor::playAtDistance(const char* sound, int x, int y) const {
    SMapObjectScreen* screen = Screen();
    if (screen == nullptr || sound == nullptr || sound[0] == '\0') return;
    const int distance = std::abs(screen->PlayerColumn() - x) + std::abs(screen->PlayerRow() - y);
    screen->PlaySound(sound, std::max(1, std::min(SMapObjectScreen::kLoudest, SMapObjectScreen::kLoudest - distance)));
}

int SMapObjectDoor::step() const { return m_typeCode == kDoubleDoorCode ? kDoubleDoorStep : kSingleDoorStep; }

void SMapObjectDoor::setHandle(SObjectTypeRecord& record, int facing, int position, int switchPosition) const {
    const SMapObjectScreen* screen = Screen();
    if (screen == nullptr || m_placeA == 0 || m_placeB == 0) return;
    if (facing == kTurningFacing && position < switchPosition) facing = kTurnedFacing;
    record.m_pictures[kHandleSlot] = screen->HandlePicture(facing);
    record.m_x[kHandleSlot] = uint16_t(m_placeA);
    record.m_y[kHandleSlot] = uint16_t(m_placeB);
}

void SMapObjectDoor::setFlames(SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) const {
    SMapObjectScreen* screen = Screen();
    const SMapObjectType* fire = FindLinkedType(*this);
    if (!FireBurns(fire, screen)) return;
    const SFirePlaces places = seenFromItsCell(cell) ? SFirePlaces{int16_t(m_place[2] + kOwnCellFlameShift),
                                                                   int16_t(m_place[3] + kOwnCellFlameShift)}
                                                     : SFirePlaces{m_place[0], m_place[1]};
    SetFlames(record, kFlameSlot, *fire, *screen, kFlameStep, places, cell.centrePalette, light);
}

bool SMapObjectDoor::seenFromItsCell(const SMapCell& cell) const {
    const SMapObjectScreen* screen = Screen();
    return screen != nullptr && screen->PlayerCell() == &cell;
}
