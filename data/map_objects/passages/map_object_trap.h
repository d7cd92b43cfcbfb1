#pragma once
// SMapObjectTrap: spikes hidden in the floor that spring at the player who steps on them (type code
// 42). The object's state holds the trap's strength in tens (bits 8..11) and the stage of the
// springing spikes (bits 12..15, 0 at rest); off is disarmed.
#include "data/map_objects/map_object_type.h"

class SMapObjectTrap : public SMapObjectType {
public:
    static constexpr int kLastStage = 7;

    static int Stage(const SPlacedObject& object);

    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // While the player stands on the trap, the spikes rise stage by stage, then sink back.
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    // Stepped on, an armed trap springs and strikes unless the armour turns it.
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;

private:
    static void setStage(SPlacedObject& object, int stage);
    void buildAtRest(const SPlacedObject* object, SObjectTypeRecord& record) const;
    int32_t damage(const SPlacedObject& object, SMapObjectScreen& screen) const;
};
