#include "data/persons/face_type.h"

#include "engine/base/archive.h"

void SFaceType::Serialize(SArchive& archive, int version) {
    constexpr uint8_t kTag = '&';
    constexpr int kFlagAfter = 10;
    archive.SerializeTag(kTag);
    archive.SerializeName(name);
    if (version > kFlagAfter) archive.SerializeU8(playerPortrait);
}
