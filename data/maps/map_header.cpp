#include "data/maps/map_header.h"

#include "engine/base/archive.h"

namespace {
constexpr uint8_t kHeaderTag = 'G';
// Data version 13 gave maps their own floor and ceiling.
constexpr int kFloorAndCeilingFrom = 13;
}  // namespace

void SMapHeader::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kHeaderTag);
    archive.SerializeSString(title);
    archive.SerializeCStr(name);
    archive.SerializeU16(flags);
    archive.SerializeU16(fogColour);
    archive.SerializeU8(viewDistance);
    archive.SerializeU8(storedLeft);
    archive.SerializeU8(storedTop);
    archive.SerializeU8(storedWidth);
    archive.SerializeU8(storedHeight);
    if (version < kFloorAndCeilingFrom) return;
    archive.SerializeU16(floorType);
    archive.SerializeU16(floorPalette);
    archive.SerializeU16(ceilingType);
    archive.SerializeU16(ceilingPalette);
}
