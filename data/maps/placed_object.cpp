#include "data/maps/placed_object.h"

#include "engine/base/archive.h"

namespace {

// The state word moved before the name in data version 53; ByteA and ByteB came with version 54.
constexpr int kStateFirstFrom = 53;
constexpr int kPlacedObjectBytesFrom = 54;

// What a saved game keeps of an object: only the fields that are not 0, announced by a mask.
struct SSavedObjectFields {
    static constexpr uint8_t kContainer = 0x01;
    static constexpr uint8_t kState = 0x02;
    static constexpr uint8_t kFlags = 0x04;
    static constexpr uint8_t kStateByte = 0x08;

    uint8_t containerId = 0;
    uint16_t state = 0;
    uint8_t flags = 0;
    uint8_t stateByte = 0;

    void Serialize(SArchive& archive) {
        uint8_t mask = uint8_t((containerId ? kContainer : 0) | (state ? kState : 0) | (flags ? kFlags : 0) |
                               (stateByte ? kStateByte : 0));
        archive.SerializeU8(mask);
        if (mask & kContainer) archive.SerializeU8(containerId);
        if (mask & kState) archive.SerializeU16(state);
        if (mask & kFlags) archive.SerializeU8(flags);
        if (mask & kStateByte) archive.SerializeU8(stateByte);
    }
};

}  // namespace

void SPlacedObject::Serialize(SArchive& archive, int version) {
    if (version >= kStateFirstFrom) archive.SerializeU16(state);
    name.Serialize(archive);
    archive.SerializeSString(textA);
    archive.SerializeSString(textB);
    if (version < kStateFirstFrom) archive.SerializeU16(state);
    archive.SerializeU8(id);
    archive.SerializeU8(containerId);
    if (version >= kPlacedObjectBytesFrom) {
        archive.SerializeU8(byteA);
        archive.SerializeU8(byteB);
    }
    archive.SerializeU8(flags);
}

void SPlacedObject::SaveState(SArchive& archive) const {
    uint8_t savedId = id;
    archive.SerializeU8(savedId);
    SSavedObjectFields fields{containerId, state, flags, stateByte};
    fields.Serialize(archive);
}

void SPlacedObject::LoadState(SArchive& archive) {
    // Starting from zeros, what the mask leaves out reads as 0.
    SSavedObjectFields fields;
    fields.Serialize(archive);
    containerId = fields.containerId;
    state = fields.state;
    flags = fields.flags;
    stateByte = fields.stateByte;
}

void SPlacedObject::Reset() {
    name.Set(nullptr);
    textA.Assign("");
    textB.Assign("");
    state = 0;
    id = 0;
    containerId = 0;
    flags = kVisible;
    byteA = kNoByte;
    byteB = kNoByte;
    stateByte = 0;
}
