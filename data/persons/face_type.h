#pragma once
// SFaceType: a portrait of the world data, named as its picture is. The flagged ones are the
// player's portraits, loaded when shown rather than with the table.
#include <cstdint>

#include "data/package/module_load_order.h"
#include "engine/base/name.h"

class SArchive;

struct SFaceType {
    static constexpr uint8_t kChunkTag = '%';
    static constexpr SModuleTable kTable = SModuleTable::Faces;

    SFaceType() { name.SetOwned(); }
    SFaceType(const SFaceType&) = delete;
    SFaceType& operator=(const SFaceType&) = delete;

    const SName& NameKey() const { return name; }
    // The record, both ways: tag '&', the name, after data version 10 the flag.
    void Serialize(SArchive& archive, int version);

    SName name;
    uint8_t playerPortrait = 0;
};
