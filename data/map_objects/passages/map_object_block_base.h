#pragma once
// SMapObjectBlockBase: what a block and an animated block share: they stand in the way where their
// type is solid, animate (by their linked type's frames where they have one), light the cell and
// sound. A kLitAtNight one shows and sounds outdoors only at night.
#include "data/map_objects/map_object_type.h"

class SMapObjectBlockBase : public SMapObjectType {
public:
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;

protected:
    // The record picture the animation takes.
    explicit SMapObjectBlockBase(int animationSlot) : m_animationSlot(animationSlot) {}

    // Outdoors by day a kLitAtNight block is out.
    bool isAsleep() const;

private:
    int m_animationSlot;
};
