#pragma once
// SMapObjectTextureDecor: a decoration lying on the floor, animated and sounding while on (type
// code 4). Its item commands reach the pile in the player's cell, so that scripts see what the
// player laid on it.
#include "data/map_objects/map_object_type.h"

class SMapObjectTextureDecor : public SMapObjectType {
public:
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // While on, the frames run forth and back with the animation tick.
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;
    // finditem, receiveitem, removeitem and hasitem act on the items lying in the player's cell of
    // `map`; the other commands are the base's.
    int ExecuteCommand(SMap* map, SPlacedObject* object, int x, int y, int command, const SScriptValue& arg1,
                       const SScriptValue& arg2, const SScriptValue& arg3, std::optional<SScriptValue>& result,
                       bool& changed) override;

private:
    bool animates(const SPlacedObject* object) const;
    uint8_t playerPile() const;
};
