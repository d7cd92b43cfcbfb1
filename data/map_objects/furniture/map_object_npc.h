#pragma once
// SMapObjectNpc: a character shown as a picture on a wall side, behind a counter for example (type
// code 12). Used, the character talks; attacking a peaceful character is a crime.
#include "data/map_objects/map_object_type.h"

class SMapObjectNpc : public SMapObjectType {
public:
    static constexpr int32_t kCrimeOfAttack = 5;

    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
    // Attacked, or a harmful spell cast at it: a crime. Used: a conversation.
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
