#pragma once
// SMapObjectGroup: several copies of the cell's centre picture, flowers or small fires, at some of
// seven places in the cell (type code 27). The cell's centre extra byte marks the places; four
// copies at most are drawn, at the first four places marked.
#include "data/map_objects/map_object_type.h"

class SMapObjectGroup : public SMapObjectType {
public:
    static constexpr int kMostCopies = 4;

    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // A group of animated blocks (code 41) plays their frames, each copy a frame on.
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    // The animated blocks' sound, outdoors by night only where they shine only then.
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;

private:
    // The copies' pictures, from `pictureOf` (copy index), at their places.
    template <typename PictureOf>
    void buildCopies(SMapCell& cell, SObjectTypeRecord& record, PictureOf pictureOf) const;
};
