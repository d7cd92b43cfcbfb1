#include "data/map_objects/passages/map_object_block.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kBlockDrawCode = 1;
constexpr uint16_t kRaisedHeight = 10000;
constexpr uint16_t kTravelKindMask = 7;

}  // namespace

void SMapObjectBlock::InitInstance(SPlacedObject& object) { object.state |= m_initialState; }

void SMapObjectBlock::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    if (m_flags & kDrawnSolid)
        record.m_kind = kSolidBlock;
    else if (m_flags & kLiesFlat)
        record.m_kind = kFlatPicture;
    else
        record.m_kind = kStandingPicture;
    if ((m_flags & (kDrawnSolid | kLiesFlat)) == 0 && (m_flags & kRaised)) record.m_height = kRaisedHeight;
    SetPicture(record, 0, FirstPicture(cell.centreType), cell.centrePalette);
    const SMapObjectType* upper = cell.upperType;
    if (upper != nullptr) {
        const SMapObjectScreen* screen = Screen();
        const bool animates = upper->Frames() > 0 && !IsOff(object) && screen != nullptr;
        const int frame = animates ? int(screen->AnimationTick() % upper->Frames()) : 0;
        SetPicture(record, 1, upper->PictureId(frame), cell.upperPalette);
    }
    record.m_drawCode = kBlockDrawCode;
}

int SMapObjectBlock::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool&) {
    if (event != kUsed || object == nullptr || (m_flags & kLeadsSomewhere) == 0) return 0;
    const int kind = object->state & kTravelKindMask;
    TravelTo(object->textA.Text(), {kind, kind, 0, false});
    return 0;
}
